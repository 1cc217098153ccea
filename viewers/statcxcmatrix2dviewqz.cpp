#include "stdafx.h"

#include "statcxcmatrix2dviewqz.h"

#include "viewertexts.h"

using namespace cxc::viewers;

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
        CSnsCohDataqz* data = getCxcData(-1);
        if (!data) {
            dc.TextOut(2, 2, CString(text::kMatrixComputeFirst));
            return;
        }
        if (!data->getMCC4class()) {
            dc.TextOut(2, 2, CString(text::kMatrixNoPairArray));
            return;
        }
        CRect rect;
        GetClientRect(&rect);
        if (drawMatrix(&dc, rect)) dc.BitBlt(0, 0, rect.Width(), rect.Height(), memDC, 0, 0, SRCCOPY);
    } catch (...) {
    }
}
