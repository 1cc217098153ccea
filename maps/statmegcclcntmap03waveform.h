// Waveform layer of the MEG view: a small coupling curve of the current row at every sensor, the
// current column's curve in the selection colour. Builds on the link layer.
#pragma once

#include "statmegcclcntmap02coherence.h"

class AFX_EXT_CLASS CStatMEGCClCntMap03Waveform : public CStatMEGCClCntMap02Coherence {
    DECLARE_DYNAMIC(CStatMEGCClCntMap03Waveform)
public:
    CStatMEGCClCntMap03Waveform();
    ~CStatMEGCClCntMap03Waveform() override;

    // 1 when the curves were drawn, 0 without data, current row or selection.
    int drawPatches(CDC* dc, int x0, int y0, int w, int h, int mirror, int type);
};
