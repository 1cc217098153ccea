#include "stdafx.h"

#include "ccdatatrace.h"

#include <algorithm>
#include <cmath>

namespace cxc::drawer {

namespace {

// A polyline that lifts the pen at NaN points: the next finite point starts with MoveTo.
class Polyline {
public:
    explicit Polyline(CDC& dc) : dc_(dc) {}
    void moveTo(double x, double y)
    {
        down_ = false;
        to(x, y);
    }
    void to(double x, double y)
    {
        if (std::isnan(x) || std::isnan(y)) {
            down_ = false;
            return;
        }
        const int xi = cxc::toCoord(x), yi = cxc::toCoord(y);
        if (down_) dc_.LineTo(xi, yi);
        else dc_.MoveTo(xi, yi);
        down_ = true;
    }
    void lift() { down_ = false; }

private:
    CDC& dc_;
    bool down_ = false;
};

// x of sample s; the difference is taken in double so that no 64-bit subtraction can overflow.
double sampleX(__int64 s, const TraceFrame& f)
{
    return (static_cast<double>(s) - static_cast<double>(f.beginSample)) * f.pxPerSample + f.left;
}

}  // namespace

bool tracesDrawable(double pxPerSample) { return pxPerSample > 0.0 && std::isfinite(pxPerSample); }

__int64 decimationStep(double pxPerSample, __int64 sampleCount)
{
    const double hi = sampleCount > 1 ? static_cast<double>(sampleCount) : 1.0;
    return cxc::clampToInt64(1.0 / pxPerSample, 1, cxc::toInt64(hi));
}

void drawTrace(CDC& dc, const double* series, __int64 samples, const TraceFrame& f)
{
    if (!series || !tracesDrawable(f.pxPerSample)) return;
    const double y0 = static_cast<double>(f.y0);
    Polyline line(dc);
    line.moveTo(f.left, y0);
    for (__int64 s = std::max<__int64>(f.beginSample, 0); s < samples; ++s) {
        const double x = sampleX(s, f);
        // The point's column is the truncated x: a sample in (right, right + 1) still lands on right.
        if (std::trunc(x) > f.right) break;
        double y = y0 - series[s] * f.ampScale;
        if (f.clamp && !std::isnan(y)) {
            // At most the bottom, then at least the top: a value above the area sticks to its top.
            y = std::min(y, static_cast<double>(f.bottom));
            y = std::max(y, static_cast<double>(f.top));
        }
        line.to(x, y);
    }
}

void drawTraceDecimated(CDC& dc, const double* series, __int64 samples, __int64 step, const TraceFrame& f)
{
    if (!series || !tracesDrawable(f.pxPerSample) || step < 1) return;
    const double y0 = static_cast<double>(f.y0);
    Polyline line(dc);
    line.moveTo(f.left, y0);
    __int64 s = std::max<__int64>(f.beginSample, 0);
    while (s < samples - step) {
        double lo = NAN, hi = NAN;
        for (__int64 t = s; t < s + step; ++t) {
            const double v = series[t];
            if (std::isnan(v)) continue;
            if (std::isnan(lo) || v < lo) lo = v;
            if (std::isnan(hi) || v > hi) hi = v;
        }
        s += step;
        const double x = sampleX(s, f);
        if (std::trunc(x) > f.right) break;
        if (std::isnan(lo)) {
            line.lift();
            continue;
        }
        line.to(x, y0 - lo * f.ampScale);
        line.to(x, y0 - hi * f.ampScale);
    }
}

}  // namespace cxc::drawer
