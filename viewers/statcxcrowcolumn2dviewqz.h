// The row/column view that the viewer dialog holds: WM_PAINT writes what is missing (no drawer, no
// coupling data, no pair array) at the top left, or has the drawer paint the picture off screen and
// copies it to the window in one block. Builds on the view's fields and off-screen drawing.
#pragma once

#include "statcxcrowcolumn2dview.h"

class CStatCxcRowColumn2DViewqz : public CStatCxcRowColumn2DView {
    DECLARE_DYNAMIC(CStatCxcRowColumn2DViewqz)
public:
    CStatCxcRowColumn2DViewqz();
    ~CStatCxcRowColumn2DViewqz() override;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
