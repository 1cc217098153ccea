// The matrix view that the matrix viewer holds: WM_PAINT writes what is missing (no coupling data,
// no pair array) at the top left, or paints the matrix off screen and copies it to the window in one
// block. Builds on the view's fields and drawing operations.
#pragma once

#include "statcxcmatrix2dview.h"

class CStatCxcMatrix2DViewqz : public CStatCxcMatrix2DView {
    DECLARE_DYNAMIC(CStatCxcMatrix2DViewqz)
public:
    CStatCxcMatrix2DViewqz();
    ~CStatCxcMatrix2DViewqz() override;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
