// Link layer of the MEG view: the coupling network over the sensors as links (plain, signed or coloured by magnitude), and the
// small-world graph report of that network for the link dialog. Builds on the sensor layer.
#pragma once

#include "statmegcclcntmap.h"

class AFX_EXT_CLASS CStatMEGCClCntMap02Coherence : public CStatMEGCClCntMap {
    DECLARE_DYNAMIC(CStatMEGCClCntMap02Coherence)
public:
    CStatMEGCClCntMap02Coherence();
    ~CStatMEGCClCntMap02Coherence() override;

    // 1 when the links were walked (also when none passed), 0 without data or an empty selection.
    int drawLinks(CDC* dc, int x0, int y0, int w, int h, int mirror, int type);
    // The report text; `connections` receives the connection count once every row was examined.
    CString graphTheoryReport(int useThreshold, int precise, int activeOnly, int& connections);
};
