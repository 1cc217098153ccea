#include "stdafx.h"

#include "statcxcrowcolumn2dviewqz.h"

#include "megdrawccdataqz.h"
#include "modulebase.h"

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
        CMDTrialqz* trial = drawer && drawer->updateMEGData() ? drawer->trial : nullptr;
        cxc::paintCoupling(dc, *this, memDC, drawer != nullptr, trial, true, cxc::text::kMissingData,
                           [&](const CRect& rect) { return drawIntoMemory(&dc, rect); });
    } catch (...) {
    }
}
