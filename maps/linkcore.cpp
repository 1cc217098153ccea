#include "stdafx.h"

#include "linkcore.h"

#include <algorithm>
#include <cmath>

namespace cxc::maps {

COLORREF MagnitudeScale::colour(double mean) const
{
    const COLORREF* ramp = mean < 0.0 && neg ? neg : pos;
    const double m = std::fabs(mean);
    if (threshold >= m) return ramp[0];
    if (m >= rangeMax) return ramp[size - 1];
    // Clamped in double first: a NaN factor (range NaN) gives entry 0.
    return ramp[clampToInt((m - threshold) * factor, 0, size - 1)];
}

MagnitudeScale magnitudeScale(const CADRindex2Colorqz& c, int linkStyle, bool polarity, double threshold,
                              double rangeMax)
{
    MagnitudeScale s;
    const int style = std::min(linkStyle, 5);
    if (!polarity) {
        switch (style) {
        case 2: s.pos = c.ramps256[0]; s.size = 256; break;
        case 3: s.pos = c.ramp512; s.size = 512; break;
        case 4: s.pos = c.ramp768; s.size = 768; break;
        default: s.pos = c.ramp1024; s.size = 1024; break;
        }
        s.neg = s.pos;
    } else {
        switch (style) {
        case 2: s.pos = c.ramps256[2]; s.neg = c.ramps256[3]; s.size = 256; break;
        case 3: s.pos = c.ramps256[6]; s.neg = c.ramps256[5]; s.size = 256; break;
        case 4: s.pos = c.ramps256[0]; s.neg = c.ramps256[1]; s.size = 256; break;
        default: s.pos = c.ramp768Pos; s.neg = c.ramp768Neg; s.size = 768; break;
        }
    }
    s.threshold = threshold;
    s.rangeMax = rangeMax;
    double range = rangeMax - threshold;
    if (range == 0.0) range = 1e-7;
    s.factor = s.size / range;
    return s;
}

int drawLinkNetwork(SensorMapFields& v, CDC& dc, const LinkDrawing& d)
{
    cxc::gdi::DcStateGuard keep(dc);  // the previous pen comes back on every exit
    try {
        dc.SelectObject(d.startPen);
        CouplingRefs refs;
        if (!fetchCoupling(v.trial, v.cxcClass, refs) || refs.channelCount <= 0 || !refs.channels) return 0;
        CSnsCohDataqz& data = *refs.data;
        const __int64 b = std::max<__int64>(data.selectBegin, 0);
        const __int64 e = std::min<__int64>(data.selectEnd, satSub(data.sampleCount, 1));
        if (e < b) return 0;
        v.linkCount = 0;
        const double threshold = v.linkThreshold;
        CPen* current = d.startPen;
        // The counts are public and may claim more than the pair array holds.
        const __int64 rows = data.rowsWalkable(), cols = data.colsWalkable();
        // The means the walk asks for below: all at once from the sample-major copy while playing,
        // otherwise row by row, several pairs at a time.
        const bool cached = data.cacheSelectionMeans(b, e, 0, true) != 0;
        for (__int64 i = 0; i < rows; ++i) {
            CWavChnlChnlDataqz* row = refs.pairs[i];
            if (!row) continue;
            if (!cached && i + 1 < cols) CWavChnlChnlDataqz::cacheSelectDataMeans(row + i + 1, cols - i - 1, b, e, 0);
            for (__int64 j = i + 1; j < cols; ++j) {
                CWavChnlChnlDataqz& el = row[j];
                if (!el.series) continue;
                const double mean = el.getSelectDataMean(b, e, 0);
                // Written so that a NaN mean does not pass.
                if (!(std::fabs(mean) >= threshold)) continue;
                CMDChannelqz* a = refs.channel(el.rowChnl);
                CMDChannelqz* z = refs.channel(el.colChnl);
                if (!a || !z) continue;
                if (d.type != ChnlTypeMeg && d.type != ChnlTypeEeg) {
                    cxc::tellUser(text::kChannelTypeError);
                    return 0;
                }
                // Only the row channel's type is tested.
                if (!isMeasureChannel(*a, d.type)) continue;
                double ax = 0.0, ay = 0.0, zx = 0.0, zy = 0.0;
                planePosition(*a, d.type, ax, ay);
                planePosition(*z, d.type, zx, zy);
                int pax = 0, pay = 0, pzx = 0, pzy = 0;
                if (!d.map(ax, ay, pax, pay) || !d.map(zx, zy, pzx, pzy)) continue;
                if (d.style == LinkStyle::Magnitude && d.magnitude) {
                    LOGPEN lp = d.magnitude->pattern;
                    lp.lopnColor = d.magnitude->colour(mean);
                    CPen pen;
                    pen.CreatePenIndirect(&lp);
                    dc.SelectObject(&pen);
                    dc.MoveTo(pax, pay);
                    dc.LineTo(pzx, pzy);
                    // The pattern pen goes back in before this link's pen is destroyed.
                    dc.SelectObject(d.startPen);
                } else {
                    CPen* want = d.style == LinkStyle::Signed ? (mean >= 0.0 ? &v.linkPenRed : &v.linkPenBlue)
                                                              : &v.linkPenBlack;
                    if (want != current) {
                        dc.SelectObject(want);
                        current = want;
                    }
                    dc.MoveTo(pax, pay);
                    dc.LineTo(pzx, pzy);
                }
                if (++v.linkCount >= v.maxLink) return 1;
            }
        }
        return 1;
    } catch (...) {
        cxc::tellUser(text::kDrawSensorError);
        return 1;
    }
}

}  // namespace cxc::maps
