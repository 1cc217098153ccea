#include "stdafx.h"

#include "statcxcrowcolumn2dview.h"

#include "megdrawccdataqz.h"
#include "viewsurface.h"

IMPLEMENT_DYNAMIC(CStatCxcRowColumn2DView, CStatic)

CStatCxcRowColumn2DView::CStatCxcRowColumn2DView() = default;

CStatCxcRowColumn2DView::~CStatCxcRowColumn2DView() { releaseSurface(); }

void CStatCxcRowColumn2DView::releaseSurface() { cxc::gdi::releaseSurface(memBitmap, memDC); }

int CStatCxcRowColumn2DView::drawIntoMemory(CDC* paintDC, const CRect& rect)
{
    if (!cxc::gdi::makeSurface(memBitmap, memDC, paintDC, rect)) return 0;
    if (!drawer) return 0;
    drawer->drawRect = rect;
    memDC->FillSolidRect(&rect, drawer->bkColour);
    drawer->drawWaveCCData02(memDC, rect, cxcClass);
    return 1;
}
