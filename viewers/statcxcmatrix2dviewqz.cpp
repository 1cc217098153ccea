#include "stdafx.h"

#include "statcxcmatrix2dviewqz.h"

#include "modulebase.h"

IMPLEMENT_DYNAMIC(CStatCxcMatrix2DViewqz, CStatCxcMatrix2DView)

BEGIN_MESSAGE_MAP(CStatCxcMatrix2DViewqz, CStatCxcMatrix2DView)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CStatCxcMatrix2DViewqz::CStatCxcMatrix2DViewqz() = default;

CStatCxcMatrix2DViewqz::~CStatCxcMatrix2DViewqz() = default;

void CStatCxcMatrix2DViewqz::OnPaint()
{
    CPaintDC dc(this);
    // A companion call that throws counts as missing data: the paint ends quietly.
    try {
        // The class the package holds decides whether there is anything to show; the cells are
        // those of the view's own class.
        // The matrix view has no drawer to miss.
        getCxcData(-1);  // session and trial as they are now
        cxc::paintCoupling(dc, *this, memDC, true, trial, false, cxc::text::kMatrixMissingData,
                           [&](const CRect& rect) { return drawMatrix(&dc, rect); });
    } catch (...) {
    }
}
