#include "stdafx.h"

#include "megdrawccdataqz.h"

#include "ccdatacolumns.h"
#include "ccdatatrace.h"

using namespace cxc::drawer;

namespace {

// Data area of column j of a column part whose names begin at x0, over the rectangle's height.
CRect columnDataArea(const ColumnLayout& g, __int64 x0, __int64 j, const CRect& rect)
{
    const __int64 left = cxc::satAdd(cxc::satAdd(x0, g.nameWidth), cxc::satMul(j, g.pitch));
    return CRect(coord(left), rect.top, coord(cxc::satAdd(left, g.dataWidth)), rect.bottom);
}

// Columns worth visiting: all displayColumn of them, but none that begins at or beyond the
// rectangle's right edge (a huge column count set by hand would otherwise cost a loop per column),
// and only one when they all stand in one place.
template <class F>
void forEachColumn(const CMEGDraw& d, const ColumnLayout& g, __int64 x0, const CRect& rect, F f)
{
    for (__int64 j = 0; j < d.displayColumn; ++j) {
        const CRect area = columnDataArea(g, x0, j, rect);
        if (j > 0 && (g.pitch <= 0 || area.left >= rect.right)) break;
        f(area);
    }
}

}  // namespace

CMEGDrawCCDataqz::CMEGDrawCCDataqz() = default;

CMEGDrawCCDataqz::~CMEGDrawCCDataqz() = default;

int CMEGDrawCCDataqz::drawWaveCCData(CDC* pDC, CRect rect, int cls)
{
    drawRect = rect;
    if (pDC) {
        const COLORREF bk = pDC->GetBkColor();
        pDC->FillSolidRect(&rect, bkColour);
        pDC->SetBkColor(bk);
    }
    return drawWaveCCData02(pDC, rect, cls);
}

int CMEGDrawCCDataqz::drawWaveCCData02(CDC* pDC, CRect rect, int cls)
{
    cxcClass = cls;
    switch (displayMode) {
    case 0: {
        CRect r = rect;
        r.left = coord(cxc::satAdd(rect.left, nameWidth));
        if (showGrid1 || showGrid2) drawGridLines(pDC, r);
        drawOverlay(pDC, r);
        drawSelectLineTime4CCData(pDC, r);
        break;
    }
    case 1: {
        rect.left = 0;  // the columns always start at x = 0 of the DC
        _calculateColumnBlockH(rect);
        _drawColumnChannelBaseLine(pDC, rect);
        _drawColumnChannelName(pDC, rect);
        _drawColumnDataValues(pDC, rect);
        const ColumnLayout g(*this, rect);
        forEachColumn(*this, g, 0, rect, [&](const CRect& area) {
            drawGridLines(pDC, area);
            drawMarksLine(pDC, area);
        });
        if (pxPerSample < 0.5) drawColumnTimeX(pDC, rect);
        else drawColumnTime(pDC, rect);
        forEachColumn(*this, g, 0, rect, [&](const CRect& area) { drawSelectLineTime4CCData(pDC, area); });
        break;
    }
    case 2: {
        // A column count below 1 counts as 1 here: the strip's width must not divide by zero.
        const __int64 columns = displayColumn < 1 ? 1 : displayColumn;
        const int w = static_cast<int>(rect.right / (columns + 1));
        const CRect strip(rect.left, rect.top, w, rect.bottom);
        drawGridLines(pDC, strip);
        drawOverlay(pDC, strip);
        drawSelectLineTime4CCData(pDC, strip);
        const CRect part(w, rect.top, rect.right, rect.bottom);
        _calculateColumnBlockH(part);
        _drawColumnChannelBaseLine(pDC, part);
        _drawColumnChannelName(pDC, part);
        _drawColumnDataValues(pDC, part);
        drawColumnTime(pDC, part);
        const ColumnLayout g(*this, part);
        forEachColumn(*this, g, w, part, [&](const CRect& area) {
            drawGridLines(pDC, area);
            drawSelectLineTime4CCData(pDC, area);
        });
        break;
    }
    default: break;
    }
    return 1;
}
