// The coupling waveform drawer that callers instantiate: one whole picture of the current row laid out
// by displayMode (0 overlay, 1 columns, 2 overlay beside columns) with grid lines, time marks and the
// selection marker. Builds on every layer of the chain; the facade derives from it.
#pragma once

#include "megdrawccdata09file.h"

class AFX_EXT_CLASS CMEGDrawCCDataqz : public CMEGDrawCCData09File {
public:
    CMEGDrawCCDataqz();
    ~CMEGDrawCCDataqz() override;

    // Keeps rect in drawRect, fills it with bkColour (the DC's background colour comes back), then
    // draws as drawWaveCCData02.
    int drawWaveCCData(CDC* pDC, CRect rect, int cls);
    // Draws class cls (stored in cxcClass) without filling. A layer without its data draws nothing
    // and the others go on; always 1, also for an unknown display mode (which draws nothing).
    int drawWaveCCData02(CDC* pDC, CRect rect, int cls);
};
