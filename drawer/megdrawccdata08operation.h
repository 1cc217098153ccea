// Coupling waveform drawer, picking layer: maps a mouse position in the drawn picture back to a sample
// index (for a time selection) or to a partner of the current row (a click on its name, which makes
// it the highlighted one). Builds on the column layer's geometry.
#pragma once

#include "megdrawccdata07mcolumns.h"

class AFX_EXT_CLASS CMEGDrawCCData08Operation : public CMEGDrawCCData07MColumns {
public:
    CMEGDrawCCData08Operation();
    ~CMEGDrawCCData08Operation() override;

    // point and rect in the drawing's coordinates; pDC is not used. kind becomes 1 for a sample index
    // (overlay: anywhere, clamped into the data area; columns: strictly inside a column's data area)
    // or 2 for a partner's element index (columns: a click on its name, which also becomes the class
    // data's current column). Nothing hit, or missing data: 0 with kind unchanged, so callers preset
    // it. Without a positive finite time scale every sample pick gives beginSample.
    __int64 getSampleID4Mouse(CDC* pDC, CPoint point, CRect rect, int& kind);
};
