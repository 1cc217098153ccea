#include "stdafx.h"

#include "megdrawccdata06overlay.h"

#include "ccdataroad.h"
#include "ccdatatrace.h"

using namespace cxc::drawer;

namespace {

// The DC state of one overlay operation: font, colours and pen come back when it ends, after which
// axisPen is left selected (the next overlay pass draws its axes with it). Declared after the pens
// an operation makes, so that they are no longer selected when they are destroyed.
class OverlayState {
public:
    OverlayState(CDC& dc, CMEGDraw& d) : dc_(dc), axis_(d.axisPen), saved_(dc.SaveDC())
    {
        dc.SetTextColor(d.textColour);
        dc.SetBkColor(d.textBkColour);
        dc.SelectObject(&d.font);
    }
    ~OverlayState()
    {
        dc_.RestoreDC(saved_);
        dc_.SelectObject(&axis_);
    }
    OverlayState(const OverlayState&) = delete;
    OverlayState& operator=(const OverlayState&) = delete;

private:
    CDC& dc_;
    CPen& axis_;
    int saved_;
};

CSize extentOf(CDC& dc, const CString& text)
{
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc.m_hDC, text.GetString(), text.GetLength(), &size);
    return CSize(size.cx, size.cy);
}

void horizontal(CDC& dc, const CRect& rect, __int64 y)
{
    dc.MoveTo(rect.left, cxc::toCoord64(y));
    dc.LineTo(rect.right, cxc::toCoord64(y));
}

void verticalAxis(CDC& dc, const CRect& rect)
{
    dc.MoveTo(rect.left, rect.top);
    dc.LineTo(rect.left, rect.bottom);
}

// y of a base line at `fraction` of the area's height, measured from y = 0 of the DC.
__int64 fractionY(const CRect& rect, double fraction)
{
    const double h = static_cast<double>(rect.bottom) - rect.top;
    return cxc::toInt64(fraction * h);
}

// The traces of the current row that `admit` lets through, on base line y0 with `pen`; the
// highlighted partner (element index equal to the current column) with highlightPen.
template <class Admit>
void drawRowTraces(CMEGDrawCCData03Base& d, CDC& dc, const Road& road, const CRect& rect, __int64 y0, CPen& pen,
                   bool decimated, Admit admit)
{
    dc.SelectObject(&pen);
    if (!tracesDrawable(d.pxPerSample)) return;
    TraceFrame f;
    f.left = rect.left;
    f.right = rect.right;
    f.y0 = y0;
    f.beginSample = d.beginSample;
    f.pxPerSample = d.pxPerSample;
    f.ampScale = d.ampScale;
    f.clamp = !decimated;
    f.top = rect.top;
    f.bottom = rect.bottom;
    const __int64 count = road.data->sampleCount;
    const __int64 step = decimated ? decimationStep(d.pxPerSample, count) : 1;
    for (__int64 k = 0; k < road.rowLength; ++k) {
        const CWavChnlChnlDataqz& el = road.row[k];
        if (!el.series || !admit(el)) continue;
        const bool highlight = k == road.data->curCol;
        if (highlight) dc.SelectObject(&d.highlightPen);
        if (decimated) drawTraceDecimated(dc, el.series, samplesOf(el, count), step, f);
        else drawTrace(dc, el.series, samplesOf(el, count), f);
        if (highlight) dc.SelectObject(&pen);
    }
}

// Admits partners that are shown in all trials and whose name contains one of the prefixes.
struct NameFilter {
    CMEGDataqz* session;
    CMDTrialqz* trial;
    const wchar_t* first;
    const wchar_t* second;  // may be null
    bool operator()(const CWavChnlChnlDataqz& el) const
    {
        CMDChannelqz* ch = channelOf(trial, el.colChnl);
        if (!ch || !session->isShowChnl4Alltrials(el.colChnl)) return false;
        return ch->name.Find(first) >= 0 || (second && ch->name.Find(second) >= 0);
    }
};

// The four values as a right-aligned block at the area's right end: r4 and r3 above base line y
// (r4 `topGap` pixels higher than two text heights), r2 on it, r1 below.
void writeValues(CDC& dc, const CRect& rect, __int64 y, const double r[4], int topGap)
{
    CString t[4];
    int widest = 0;
    for (int i = 0; i < 4; ++i) {
        t[i].Format(L"%0.1f fT", r[i]);
        const int cx = extentOf(dc, t[i]).cx;
        widest = cx > widest ? cx : widest;
    }
    const __int64 cy = extentOf(dc, t[0]).cy;
    const int x = cxc::toCoord64(static_cast<__int64>(rect.right) - widest);
    dc.TextOut(x, cxc::toCoord64(cxc::satSub(y, 2 * cy + topGap)), t[3]);
    dc.TextOut(x, cxc::toCoord64(cxc::satSub(y, cy + 1)), t[2]);
    dc.TextOut(x, cxc::toCoord64(y), t[1]);
    dc.TextOut(x, cxc::toCoord64(cxc::satAdd(y, cy + 1)), t[0]);
}

struct Region {
    const wchar_t* first;
    const wchar_t* second;
    COLORREF colour;
    const wchar_t* label;
    double fraction;
};

constexpr Region kRegions[4] = {
    {L"LF", L"LC", RGB(125, 255, 0), L"Left Front", 0.125},
    {L"LP", L"LO", RGB(255, 255, 0), L"Left Back", 0.375},
    {L"RF", L"RC", RGB(125, 0, 255), L"Right Front", 0.625},
    {L"RP", L"RO", RGB(255, 0, 255), L"Right Back", 0.875},
};

}  // namespace

CMEGDrawCCData06Overlay::CMEGDrawCCData06Overlay() = default;

CMEGDrawCCData06Overlay::~CMEGDrawCCData06Overlay() = default;

int CMEGDrawCCData06Overlay::drawOverlay(CDC* pDC, CRect rect)
{
    switch (overlayType) {
    case 0: return drawOverlay_All(pDC, rect);
    case 1: return drawOverlay_LeftRight(pDC, rect);
    case 2: return drawOverlay_LftRitFrtBck(pDC, rect);
    default: return 0;
    }
}

int CMEGDrawCCData06Overlay::drawOverlay_All(CDC* pDC, CRect rect)
{
    if (!pDC || !updateMEGData()) return 0;
    if (pxPerSample < 0.5) drawOverlay_All_fast(pDC, rect);
    else drawOverlay_All_normal(pDC, rect);
    drawOverlay_AllInfo(pDC, rect);
    return 1;
}

int CMEGDrawCCData06Overlay::drawOverlay_All_fast(CDC* pDC, CRect rect)
{
    if (!pDC || !updateMEGData()) return 0;
    OverlayState state(*pDC, *this);
    pDC->SelectObject(&axisPen);
    verticalAxis(*pDC, rect);
    horizontal(*pDC, rect, baseLineY);
    Road road;
    if (!takeRoad(*this, cxcClass, Need::CurrentRow, road)) return 0;
    drawRowTraces(*this, *pDC, road, rect, baseLineY, wavePen, true, [](const CWavChnlChnlDataqz&) { return true; });
    return 1;
}

int CMEGDrawCCData06Overlay::drawOverlay_All_normal(CDC* pDC, CRect rect)
{
    if (!pDC || !updateMEGData()) return 0;
    OverlayState state(*pDC, *this);
    pDC->SelectObject(&axisPen);
    verticalAxis(*pDC, rect);
    horizontal(*pDC, rect, baseLineY);
    Road road;
    if (!takeRoad(*this, cxcClass, Need::CurrentRow, road)) return 0;
    drawRowTraces(*this, *pDC, road, rect, baseLineY, wavePen, false, [](const CWavChnlChnlDataqz&) { return true; });
    return 1;
}

int CMEGDrawCCData06Overlay::drawOverlay_AllInfo(CDC* pDC, CRect rect)
{
    if (!pDC || !updateMEGData()) return 0;
    OverlayState state(*pDC, *this);
    const int x0 = cxc::toCoord64(cxc::satSub(rect.left, nameWidth));
    if (showLabel) {
        const CString name = session->getSessionName();
        if (!name.IsEmpty()) {
            const CSize size = extentOf(*pDC, name);
            // Twice the average character width, taken as a character count.
            const int keep = 2 * (size.cx / name.GetLength());
            pDC->TextOut(x0, cxc::toCoord64(cxc::satSub(baseLineY, size.cy / 2)), name.Right(keep));
        }
    }
    if (showValue) {
        double r[4] = {0.0, 0.0, 0.0, 0.0};
        trial->getCohMeasurementResults(cxcClass, r[0], r[1], r[2], r[3], true);
        writeValues(*pDC, rect, baseLineY, r, 1);
    }
    return 1;
}

int CMEGDrawCCData06Overlay::drawOverlay_LeftRight(CDC* pDC, CRect rect)
{
    if (!pDC) return 0;
    Road road;
    if (!takeRoad(*this, cxcClass, Need::CurrentRow, road) || !trial->getAllChannelPt()) return 0;
    CPen green(PS_SOLID, 1, RGB(0, 255, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    const __int64 yL = fractionY(rect, 0.25), yR = fractionY(rect, 0.75);
    {
        OverlayState state(*pDC, *this);
        pDC->SelectObject(&axisPen);
        verticalAxis(*pDC, rect);
        horizontal(*pDC, rect, yL);
        drawRowTraces(*this, *pDC, road, rect, yL, green, false, NameFilter{session, trial, L"L", nullptr});
        pDC->SelectObject(&axisPen);
        horizontal(*pDC, rect, yR);
        drawRowTraces(*this, *pDC, road, rect, yR, blue, false, NameFilter{session, trial, L"R", nullptr});
    }
    drawOverlay_LeftRightInfo(pDC, rect, yL, yR);
    return 1;
}

int CMEGDrawCCData06Overlay::drawOverlay_LeftRightInfo(CDC* pDC, CRect rect, __int64 yLeft, __int64 yRight)
{
    if (!pDC || !updateMEGData()) return 0;
    OverlayState state(*pDC, *this);
    if (showLabel) {
        const int x0 = cxc::toCoord64(cxc::satSub(rect.left, nameWidth));
        pDC->TextOut(x0, cxc::toCoord64(cxc::satSub(yLeft, 16)), CString(L"Left"));
        pDC->TextOut(x0, cxc::toCoord64(cxc::satSub(yRight, 16)), CString(L"Right"));
    }
    if (showValue) {
        const struct {
            const wchar_t* prefix;
            __int64 y;
        } sides[2] = {{L"L", yLeft}, {L"R", yRight}};
        for (const auto& side : sides) {
            double r[4] = {0.0, 0.0, 0.0, 0.0};
            trial->getCohMeasurementResultsSN(cxcClass, CString(side.prefix), r[0], r[1], r[2], r[3], true);
            writeValues(*pDC, rect, side.y, r, 2);
        }
    }
    return 1;
}

int CMEGDrawCCData06Overlay::drawOverlay_LftRitFrtBck(CDC* pDC, CRect rect)
{
    if (!pDC) return 0;
    Road road;
    if (!takeRoad(*this, cxcClass, Need::CurrentRow, road) || !trial->getAllChannelPt()) return 0;
    CPen pens[4];
    __int64 y[4];
    for (int i = 0; i < 4; ++i) {
        pens[i].CreatePen(PS_SOLID, 1, kRegions[i].colour);
        y[i] = fractionY(rect, kRegions[i].fraction);
    }
    {
        OverlayState state(*pDC, *this);
        pDC->SelectObject(&axisPen);
        verticalAxis(*pDC, rect);
        for (int i = 0; i < 4; ++i) {
            pDC->SelectObject(&axisPen);
            horizontal(*pDC, rect, y[i]);
            const Region& g = kRegions[i];
            drawRowTraces(*this, *pDC, road, rect, y[i], pens[i], false, NameFilter{session, trial, g.first, g.second});
        }
    }
    drawOverlay_LftRitFrtBckInfo(pDC, rect, y[0], y[1], y[2], y[3]);
    return 1;
}

int CMEGDrawCCData06Overlay::drawOverlay_LftRitFrtBckInfo(CDC* pDC, CRect rect, __int64 y1, __int64 y2, __int64 y3,
                                                          __int64 y4)
{
    if (!pDC || !updateMEGData()) return 0;
    OverlayState state(*pDC, *this);
    const __int64 y[4] = {y1, y2, y3, y4};
    if (showLabel) {
        const int x0 = cxc::toCoord64(cxc::satSub(rect.left, nameWidth));
        for (int i = 0; i < 4; ++i) pDC->TextOut(x0, cxc::toCoord64(cxc::satSub(y[i], 16)), CString(kRegions[i].label));
    }
    if (showValue) {
        for (int i = 0; i < 4; ++i) {
            double a[4] = {0.0, 0.0, 0.0, 0.0}, b[4] = {0.0, 0.0, 0.0, 0.0};
            trial->getCohMeasurementResultsSN(cxcClass, CString(kRegions[i].first), a[0], a[1], a[2], a[3], true);
            trial->getCohMeasurementResultsSN(cxcClass, CString(kRegions[i].second), b[0], b[1], b[2], b[3], true);
            const double r[4] = {a[0] < b[0] ? a[0] : b[0], (a[1] + b[1]) * 0.5, a[2] > b[2] ? a[2] : b[2],
                                 (a[3] + b[3]) * 0.5};
            writeValues(*pDC, rect, y[i], r, 2);
        }
    }
    return 1;
}
