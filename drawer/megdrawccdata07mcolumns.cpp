#include "stdafx.h"

#include "megdrawccdata07mcolumns.h"

#include <climits>
#include <cmath>

#include "ccdatacolumns.h"
#include "ccdataroad.h"
#include "ccdatatrace.h"

using namespace cxc::drawer;

namespace {

constexpr COLORREF kHighlightText = RGB(255, 0, 0);

// The road of a column operation: the session and trial, the trial's channel table, then the
// coupling data as far as `need`.
bool columnRoad(CMEGDrawCCData03Base& d, Need need, Road& road)
{
    if (!d.updateMEGData() || !d.trial || !d.trial->getAllChannelPt()) return false;
    return takeRoad(d, d.cxcClass, need, road);
}

void setTextState(CDC& dc, CMEGDraw& d)
{
    dc.SetTextColor(d.textColour);
    dc.SetBkColor(d.textBkColour);
    dc.SelectObject(&d.font);
}

int drawTraces(CMEGDrawCCData03Base& d, CDC* pDC, const CRect& rect, bool decimated)
{
    if (!pDC) return 0;
    cxc::gdi::DcStateGuard keep(*pDC);
    pDC->SelectObject(&d.wavePen);
    Road road;
    if (!columnRoad(d, Need::CurrentRow, road)) return 0;
    if (road.rowLength < 1 || !tracesDrawable(d.pxPerSample)) return 1;
    const ColumnLayout g(d, rect);
    const __int64 count = road.data->sampleCount;
    const __int64 step = decimated ? decimationStep(d.pxPerSample, count) : 1;
    TraceFrame f;
    f.beginSample = d.beginSample;
    f.pxPerSample = d.pxPerSample;
    f.ampScale = d.ampScale;
    for (__int64 k = 0; k < road.rowLength; ++k) {
        const CWavChnlChnlDataqz& el = road.row[k];
        if (!el.series) continue;
        const __int64 j = g.columnOf(k);
        f.left = cxc::toCoord64(g.dataLeft(j));
        f.right = static_cast<double>(g.dataRight(j));
        f.y0 = g.baseY(g.rowOf(k));
        const bool highlight = k == road.data->curCol;
        if (highlight) pDC->SelectObject(&d.highlightPen);
        if (decimated) drawTraceDecimated(*pDC, el.series, samplesOf(el, count), step, f);
        else drawTrace(*pDC, el.series, samplesOf(el, count), f);
        if (highlight) pDC->SelectObject(&d.wavePen);
    }
    return 1;
}

}  // namespace

CMEGDrawCCData07MColumns::CMEGDrawCCData07MColumns() = default;

CMEGDrawCCData07MColumns::~CMEGDrawCCData07MColumns() = default;

int CMEGDrawCCData07MColumns::_calculateColumnBlockH(CRect rect)
{
    Road road;
    if (!takeRoad(*this, cxcClass, Need::PairArray, road) || road.rowLength <= 0) return 0;
    if (displayColumn < 1) displayColumn = 1;
    const __int64 columns = displayColumn;
    __int64 rows = road.rowLength / columns + (road.rowLength % columns ? 1 : 0);
    rowsPerColumn = cxc::narrow<int>(rows < 1 ? 1 : rows);
    const __int64 free = cxc::satSub(cxc::satSub(static_cast<__int64>(rect.bottom) - rect.top, topMargin), bottomMargin);
    rowHeight = cxc::narrow<int>(free / (static_cast<__int64>(rowsPerColumn) + 1));
    const __int64 width = (static_cast<__int64>(rect.right) - rect.left) / columns;
    colDataWidth = cxc::narrow<int>(cxc::satSub(cxc::satSub(width, nameWidth), colGap));
    return 1;
}

int CMEGDrawCCData07MColumns::_drawColumnChannelBaseLine(CDC* pDC, CRect rect)
{
    if (!pDC || !showBaseLine) return 0;
    Road road;
    if (!columnRoad(*this, Need::ClassData, road)) return 0;
    cxc::gdi::DcStateGuard keep(*pDC);
    pDC->SelectObject(&baseLinePen);
    const ColumnLayout g(*this, rect);
    for (__int64 k = 0; k < road.rowLength; ++k) {
        const __int64 j = g.columnOf(k);
        const int y = cxc::toCoord64(g.baseY(g.rowOf(k)));
        pDC->MoveTo(cxc::toCoord64(g.dataLeft(j)), y);
        pDC->LineTo(cxc::toCoord64(g.dataRight(j)), y);
    }
    return 1;
}

int CMEGDrawCCData07MColumns::_drawColumnChannelName(CDC* pDC, CRect rect)
{
    if (!pDC || !showLabel) return 0;
    Road road;
    if (!columnRoad(*this, Need::CurrentRow, road)) return 0;
    cxc::gdi::DcStateGuard keep(*pDC);
    setTextState(*pDC, *this);
    const ColumnLayout g(*this, rect);
    __int64 slot = 0;  // rows taken so far: an empty label takes none
    for (__int64 k = 0; k < road.rowLength; ++k) {
        const int partner = road.row[k].colChnl;
        if (!channelOf(trial, partner)) continue;
        const CString label = session->getChnlName_PhycVirt(partner, false);
        if (label.IsEmpty()) continue;
        const bool highlight = k == road.data->curCol;
        if (highlight) pDC->SetTextColor(kHighlightText);
        pDC->TextOut(cxc::toCoord64(g.colLeft(g.columnOf(slot))), cxc::toCoord64(g.baseY(g.rowOf(slot))), label);
        if (highlight) pDC->SetTextColor(textColour);
        ++slot;
    }
    return 1;
}

int CMEGDrawCCData07MColumns::_drawColumnDataValues(CDC* pDC, CRect rect)
{
    if (!pDC || !showValue) return 0;
    Road road;
    if (!columnRoad(*this, Need::CurrentRow, road)) return 0;
    cxc::gdi::DcStateGuard keep(*pDC);
    setTextState(*pDC, *this);
    if (valueWidth <= 36) valueWidth = 40;
    const ColumnLayout g(*this, rect);
    const __int64 row = road.data->curRow;
    for (__int64 k = 0; k < road.rowLength; ++k) {
        const double v = road.data->getValueSelect(-1, -1, row, k);
        CString text;
        // Femtotesla; a thousand or more reads in picotesla.
        if (std::fabs(v) < 1000) text.Format(L"%0.0ffT", v);
        else text.Format(L"%0.2fpT", v / 1000);
        const __int64 j = g.columnOf(k);
        const __int64 x = cxc::satAdd(cxc::satSub(cxc::satAdd(g.dataLeft(j), colDataWidth), valueWidth), 6);
        const bool highlight = k == road.data->curCol;
        if (highlight) pDC->SetTextColor(kHighlightText);
        pDC->TextOut(cxc::toCoord64(x), cxc::toCoord64(g.baseY(g.rowOf(k))), text);
        if (highlight) pDC->SetTextColor(textColour);
    }
    return 1;
}

int CMEGDrawCCData07MColumns::drawColumnTime(CDC* pDC, CRect rect) { return drawTraces(*this, pDC, rect, false); }

int CMEGDrawCCData07MColumns::drawColumnTimeX(CDC* pDC, CRect rect) { return drawTraces(*this, pDC, rect, true); }
