#include "stdafx.h"

#include "megdrawccdata03base.h"

#include <cmath>

#include "ccdataroad.h"
#include "ccdatatrace.h"

namespace {

// Pixel offset of sample `sample` from the data area's left edge, truncated toward zero. Taken in
// double: NaN (a NaN or infinite time scale at offset 0) gives 0, anything else saturates at +-2^62,
// which every clamp below then brings into the area.
__int64 offsetOf(__int64 sample, __int64 begin, double pxPerSample)
{
    constexpr __int64 lim = static_cast<__int64>(1) << 62;
    const double v = static_cast<double>(cxc::satSub(sample, begin)) * pxPerSample;
    if (std::isnan(v)) return 0;
    return cxc::clampToInt64(v, -lim, lim);
}

int textWidth(CDC& dc, const CString& text)
{
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc.m_hDC, text.GetString(), text.GetLength(), &size);
    return size.cx;
}

}  // namespace

CMEGDrawCCData03Base::CMEGDrawCCData03Base() = default;

CMEGDrawCCData03Base::~CMEGDrawCCData03Base() = default;

CSnsCohFaceqz* CMEGDrawCCData03Base::getWaveCCDataPkg()
{
    if (!updateMEGData() || !trial) return nullptr;
    return trial->getCoherenceFaceqzTime(false);
}

int CMEGDrawCCData03Base::drawSelectLineTime4CCData(CDC* pDC, CRect rect)
{
    using namespace cxc::drawer;
    if (!pDC) return 0;
    // The marker shows the class the package holds, whatever class the traces are drawn in.
    Road road;
    if (!takeRoad(*this, -1, Need::PairArray, road)) return 0;

    cxc::gdi::DcStateGuard keep(*pDC);
    pDC->SelectObject(&baseLinePen);
    pDC->SelectObject(&font);
    pDC->SetTextColor(textColour);

    __int64 b = 0, e = 0;
    road.data->getSelect(b, e);
    __int64 xb = offsetOf(b, beginSample, pxPerSample);
    __int64 xe = offsetOf(e, beginSample, pxPerSample);
    const __int64 w = static_cast<__int64>(rect.right) - rect.left;

    CString text;
    if (xb < xe) {
        xb = xb < 0 ? 0 : xb;
        xe = xe < 0 ? 0 : xe;
        xb = xb > w - 1 ? w - 1 : xb;
        xe = xe > w - 1 ? w - 1 : xe;
        selStartX = rect.left + xb;
        selEndX = rect.left + xe;
        const double tb = road.data->getLatency4PtSecond(b);
        const double te = road.data->getLatency4PtSecond(e);
        const double d = te - tb;
        const __int64 n = cxc::satSub(e, b);
        if (d < 1.0)
            text.Format(L"%0.1f->%0.1f=%0.1fms (%I64d->%I64d=%I64d)", tb * 1000, te * 1000, te * 1000 - tb * 1000, b,
                        e, n);
        else
            text.Format(L"%0.1f->%0.1f=%0.1fs(%I64d->%I64d=%I64d)", tb, te, d, b, e, n);
        const int cx = textWidth(*pDC, text);
        const double x = selStartX + (static_cast<double>(selEndX - selStartX) - cx) * 0.5;
        pDC->TextOut(cxc::toCoord(x), 0, text);
        const CRect band(cxc::toCoord64(selStartX), rect.top, cxc::toCoord64(selEndX), rect.bottom);
        pDC->InvertRect(&band);
    } else {
        const __int64 x = xe <= 0 ? rect.left : xe < w ? rect.left + xe : rect.right;
        selStartX = selEndX = x;
        const int xi = cxc::toCoord64(x);
        pDC->MoveTo(xi, rect.top);
        pDC->LineTo(xi, rect.bottom);
        const double t = road.data->getLatency4PtSecond(e);
        if (t < 1.0) text.Format(L"%0.1fms(%I64d)", t * 1000, e);
        else text.Format(L"%0.1fs(%I64d)", t, e);
        const int cx = textWidth(*pDC, text);
        pDC->TextOut(cxc::toCoord64(x - cx / 2), 0, text);
    }
    return 1;
}
