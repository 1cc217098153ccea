#include "stdafx.h"

#include "statcxcrowcolumn2dviewqz.h"

#include "megdrawccdataqz.h"
#include "viewertexts.h"

using namespace cxc::viewers;

IMPLEMENT_DYNAMIC(CStatCxcRowColumn2DViewqz, CStatCxcRowColumn2DView)

BEGIN_MESSAGE_MAP(CStatCxcRowColumn2DViewqz, CStatCxcRowColumn2DView)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CStatCxcRowColumn2DViewqz::CStatCxcRowColumn2DViewqz() = default;

CStatCxcRowColumn2DViewqz::~CStatCxcRowColumn2DViewqz() = default;

void CStatCxcRowColumn2DViewqz::OnPaint()
{
    CPaintDC dc(this);
    // A companion call that throws counts as missing data: the paint ends quietly.
    try {
        if (!drawer) {
            dc.TextOut(2, 2, CString(text::kNoDrawer));
            return;
        }
        CSnsCohFaceqz* package = nullptr;
        if (drawer->updateMEGData() && drawer->trial) package = drawer->trial->getCoherenceFaceqzTime(false);
        CSnsCohDataqz* data = package ? package->getCoherenceData(-1) : nullptr;
        if (!data) {
            dc.TextOut(2, 2, CString(text::kComputeFirst));
            return;
        }
        if (!data->getMCC4class()) {
            dc.TextOut(2, 2, CString(text::kNoPairArray));
            return;
        }
        package->viewerAdd(this);
        CRect rect;
        GetClientRect(&rect);
        if (drawIntoMemory(&dc, rect)) dc.BitBlt(0, 0, rect.Width(), rect.Height(), memDC, 0, 0, SRCCOPY);
    } catch (...) {
    }
}
