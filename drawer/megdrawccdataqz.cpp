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
    return CRect(cxc::toCoord64(left), rect.top, cxc::toCoord64(cxc::satAdd(left, g.dataWidth)), rect.bottom);
}

// Columns worth visiting: all displayColumn of them, but none that begins at or beyond the
// rectangle's right edge (a huge column count set by hand would otherwise cost a loop per column),
// and only one when they all stand in one place.
// One layer of the picture. A companion call that throws ends that layer as missing data would (its
// DC state comes back through its guards); the other layers still draw.
template <class F>
void layer(F f)
{
    try {
        f();
    } catch (...) {
    }
}

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
        r.left = cxc::toCoord64(cxc::satAdd(rect.left, nameWidth));
        if (showGrid1 || showGrid2) layer([&] { drawGridLines(pDC, r); });
        layer([&] { drawOverlay(pDC, r); });
        layer([&] { drawSelectLineTime4CCData(pDC, r); });
        break;
    }
    case 1: {
        rect.left = 0;  // the columns always start at x = 0 of the DC
        layer([&] { _calculateColumnBlockH(rect); });
        layer([&] { _drawColumnChannelBaseLine(pDC, rect); });
        layer([&] { _drawColumnChannelName(pDC, rect); });
        layer([&] { _drawColumnDataValues(pDC, rect); });
        const ColumnLayout g(*this, rect);
        forEachColumn(*this, g, 0, rect, [&](const CRect& area) {
            layer([&] { drawGridLines(pDC, area); });
            layer([&] { drawMarksLine(pDC, area); });
        });
        if (pxPerSample < 0.5) layer([&] { drawColumnTimeX(pDC, rect); });
        else layer([&] { drawColumnTime(pDC, rect); });
        forEachColumn(*this, g, 0, rect, [&](const CRect& area) { layer([&] { drawSelectLineTime4CCData(pDC, area); }); });
        break;
    }
    case 2: {
        // A column count below 1 counts as 1 here: the strip's width must not divide by zero.
        const __int64 columns = displayColumn < 1 ? 1 : displayColumn;
        const int w = static_cast<int>(rect.right / (columns + 1));
        const CRect strip(rect.left, rect.top, w, rect.bottom);
        layer([&] { drawGridLines(pDC, strip); });
        layer([&] { drawOverlay(pDC, strip); });
        layer([&] { drawSelectLineTime4CCData(pDC, strip); });
        const CRect part(w, rect.top, rect.right, rect.bottom);
        layer([&] { _calculateColumnBlockH(part); });
        layer([&] { _drawColumnChannelBaseLine(pDC, part); });
        layer([&] { _drawColumnChannelName(pDC, part); });
        layer([&] { _drawColumnDataValues(pDC, part); });
        layer([&] { drawColumnTime(pDC, part); });
        const ColumnLayout g(*this, part);
        forEachColumn(*this, g, w, part, [&](const CRect& area) {
            layer([&] { drawGridLines(pDC, area); });
            layer([&] { drawSelectLineTime4CCData(pDC, area); });
        });
        break;
    }
    default: break;
    }
    return 1;
}
