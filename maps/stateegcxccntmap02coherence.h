// Link layer of the EEG view: the coupling network over the electrodes as links (plain or signed), and the
// small-world graph report of that network for the link dialog. Builds on the electrode layer.
#pragma once

#include "stateegcxccntmap.h"

class AFX_EXT_CLASS CStatEEGCxcCntMap02Coherence : public CStatEEGCxcCntMap {
    DECLARE_DYNAMIC(CStatEEGCxcCntMap02Coherence)
public:
    CStatEEGCxcCntMap02Coherence();
    ~CStatEEGCxcCntMap02Coherence() override;

    // 1 when the links were walked (also when none passed), 0 without data or an empty selection.
    int drawLinks(CDC* dc, int x0, int y0, int w, int h, int mirror, int type);
    // The report text; `connections` receives the connection count once every row was examined.
    CString graphTheoryReport(int useThreshold, int precise, int activeOnly, int& connections);
};
