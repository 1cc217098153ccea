// Waveform layer of the EEG view: a small coupling curve of the current row at every electrode, the
// current column's curve in the selection colour. Builds on the link layer.
#pragma once

#include "stateegcxccntmap02coherence.h"

class AFX_EXT_CLASS CStatEEGCxcCntMap03Waveform : public CStatEEGCxcCntMap02Coherence {
    DECLARE_DYNAMIC(CStatEEGCxcCntMap03Waveform)
public:
    CStatEEGCxcCntMap03Waveform();
    ~CStatEEGCxcCntMap03Waveform() override;

    // 1 when the curves were drawn, 0 without data, current row or selection.
    int drawPatches(CDC* dc, int x0, int y0, int w, int h, int mirror, int type);
};
