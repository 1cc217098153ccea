// Arcs and ellipses with the DC's pen and brush: AngleArc, Arc and Ellipse over the conic rasterisers.
// One-pixel pens draw arcs solid whatever their style.
#include <algorithm>
#include <cmath>

#include "cxcsat.h"
#include "gdi_internal.h"
#include "gdi_record.h"

namespace {

using namespace cxc::gdi;

constexpr double kPi = 3.141592653589793;

void penConic(const DcState& s, const Raster& r, const raster::Conic& c, const raster::Sweep& sweep)
{
    if (s.penAttr.style == PS_NULL) return;
    const std::uint32_t colour = toPixel(s.penAttr.color);
    if (rec::active()) rec::add(s.target(), rec::Conic{c, sweep, std::max(s.penAttr.width, 1), colour});
    if (s.penAttr.width > 1) raster::thickConic(r, c, sweep, s.penAttr.width, colour);
    else raster::thinConic(r, c, sweep, colour);
}

// The pixel nearest to the point at `degrees` on the circle (y grows downward).
POINT onCircle(int x, int y, double radius, double degrees)
{
    const double a = std::fmod(degrees, 360.0) * kPi / 180.0;
    // A full turn from 0 (every sensor circle) needs no cos and sin: exactly 1 and 0 there.
    const double cosA = a == 0.0 ? 1.0 : std::cos(a), sinA = a == 0.0 ? 0.0 : std::sin(a);
    return POINT{cxc::toInt(std::floor(x + radius * cosA + 0.5)), cxc::toInt(std::floor(y - radius * sinA + 0.5))};
}

// Angle of (px, py) seen from the conic's centre, counter-clockwise with y up.
double radialAngle(const raster::Conic& c, int px, int py)
{
    return std::atan2(static_cast<double>(c.cy2 - 2 * static_cast<std::int64_t>(py)),
                      static_cast<double>(2 * static_cast<std::int64_t>(px) - c.cx2));
}

}  // namespace

// A circle of radius r about (x, y) is the conic of the box [x - r, x + r] inclusive.
BOOL CDC::AngleArc(int x, int y, int radius, float startAngle, float sweepAngle)
{
    if (!state_ || radius < 0 || !std::isfinite(startAngle) || !std::isfinite(sweepAngle)) return FALSE;
    const Raster r = rasterOf(*state_);
    if (!r) return FALSE;
    const POINT start = onCircle(x, y, radius, startAngle);
    const POINT end = onCircle(x, y, radius, static_cast<double>(startAngle) + sweepAngle);
    penSegment(*state_, r, state_->pos.x, state_->pos.y, start.x, start.y);

    raster::Sweep sweep;
    if (std::fabs(sweepAngle) < 360.0f) {
        const double from = sweepAngle >= 0.0f ? startAngle : static_cast<double>(startAngle) + sweepAngle;
        sweep.start = std::fmod(from, 360.0) * kPi / 180.0;
        sweep.sweep = std::fabs(static_cast<double>(sweepAngle)) * kPi / 180.0;
    }
    const std::int64_t rr = radius;
    penConic(*state_, r, raster::conicOfBox(x - rr, y - rr, x + rr + 1, y + rr + 1), sweep);
    state_->pos = end;
    return TRUE;
}

BOOL CDC::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4)
{
    if (!state_) return FALSE;
    const Raster r = rasterOf(*state_);
    if (!r) return FALSE;
    const raster::Conic c = raster::conicOfBox(left, top, right, bottom);
    raster::Sweep sweep;
    const double from = radialAngle(c, x3, y3), to = radialAngle(c, x4, y4);
    double span = std::fmod(to - from, 2.0 * kPi);
    if (span < 0.0) span += 2.0 * kPi;
    if (span > 0.0) {  // equal radials: the whole ellipse
        sweep.start = from;
        sweep.sweep = span;
    }
    penConic(*state_, r, c, sweep);
    return TRUE;
}

BOOL CDC::Arc(LPCRECT rect, POINT start, POINT end)
{
    if (!rect) return FALSE;
    return Arc(rect->left, rect->top, rect->right, rect->bottom, start.x, start.y, end.x, end.y);
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    if (!state_) return FALSE;
    const Raster r = rasterOf(*state_);
    if (!r) return FALSE;
    const raster::Conic c = raster::conicOfBox(left, top, right, bottom);
    if (!state_->hollowBrush) {
        if (rec::active()) rec::add(state_->target(), rec::Conic{c, raster::Sweep{}, 0, toPixel(state_->brushColor)});
        raster::fillConic(r, c, toPixel(state_->brushColor));
    }
    penConic(*state_, r, c, raster::Sweep{});
    return TRUE;
}
