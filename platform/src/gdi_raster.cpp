// The rasterisers behind lines, arcs and fills: exact integer walkers that write straight into the
// surface's words. Every one clips to the raster before it walks, so its cost follows the visible part
// and coordinates anywhere in the int range are safe.
#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "cxcsat.h"
#include "gdi_internal.h"

namespace cxc::gdi {

Raster rasterOf(Surface* surface)
{
    if (!surface || surface->image.isNull()) return {};
    QImage& image = surface->image;
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    Raster r;
    r.bits = reinterpret_cast<std::uint32_t*>(image.bits());
    r.stride = image.bytesPerLine() / 4;
    r.width = image.width();
    r.height = image.height();
    return r;
}

// QImage::cacheKey changes whenever the image is replaced or detached, so a key that still matches on
// an unshared image means the cached bits are the image's own.
Raster rasterOf(DcState& dc)
{
    Surface* surface = dc.target();
    if (!surface) return {};
    if (surface == dc.rasterSurface && dc.rasterKey != 0 && surface->image.cacheKey() == dc.rasterKey &&
        surface->image.isDetached()) {
        return dc.raster;
    }
    dc.raster = rasterOf(surface);
    dc.rasterSurface = surface;
    dc.rasterKey = dc.raster ? surface->image.cacheKey() : 0;
    return dc.raster;
}

namespace raster {
namespace {

using i128 = __int128;
using i64 = std::int64_t;

// Division rounding toward minus and plus infinity; b > 0.
template <class T>
T floorDiv(T a, std::type_identity_t<T> b) { return a / b - ((a % b != 0 && a < 0) ? 1 : 0); }
template <class T>
T ceilDiv(T a, std::type_identity_t<T> b) { return a / b + ((a % b != 0 && a > 0) ? 1 : 0); }

// Largest s with s * s <= v, for 0 <= v < 2^100.
i128 isqrt(i128 v)
{
    if (v <= 0) return 0;
    i128 s = static_cast<i128>(std::sqrt(static_cast<long double>(v)));
    while (s > 0 && s * s > v) --s;
    while ((s + 1) * (s + 1) <= v) ++s;
    return s;
}

// A long double known to lie near the int64 range, as an int64 clamped to [lo, hi].
i64 clampRound(long double v, i64 lo, i64 hi)
{
    if (!(v >= static_cast<long double>(lo))) return lo;
    if (v >= static_cast<long double>(hi)) return hi;
    return static_cast<i64>(v);
}

void fillSpan(const Raster& r, i64 y, i64 x0, i64 x1, std::uint32_t colour)
{
    if (y < 0 || y >= r.height) return;
    x0 = std::max<i64>(x0, 0);
    x1 = std::min<i64>(x1, r.width - 1);
    if (x0 > x1) return;
    std::fill_n(r.bits + y * r.stride + x0, x1 - x0 + 1, colour);
}

const std::uint8_t kDash[24] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
const std::uint8_t kDot[6] = {1, 1, 1, 0, 0, 0};
const std::uint8_t kDashDot[24] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0};
const std::uint8_t kDashDotDot[24] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0};

// Liang-Barsky: cuts the segment to the box; false when nothing of it is inside.
bool clipSegment(double& x0, double& y0, double& x1, double& y1, double xMin, double yMin, double xMax, double yMax)
{
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0.0, t1 = 1.0;
    auto edge = [&](double p, double q) {
        if (p == 0.0) return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!edge(-dx, x0 - xMin) || !edge(dx, xMax - x0) || !edge(-dy, y0 - yMin) || !edge(dy, yMax - y0)) return false;
    const double ox = x0, oy = y0;
    if (t1 < 1.0) { x1 = ox + t1 * dx; y1 = oy + t1 * dy; }
    if (t0 > 0.0) { x0 = ox + t0 * dx; y0 = oy + t0 * dy; }
    return true;
}

// Narrows [lo, hi] to the x with a * x + b in [vLo, vHi].
void constrain(double& lo, double& hi, double a, double b, double vLo, double vHi)
{
    if (a == 0.0) {
        if (b < vLo || b > vHi) { lo = 1.0; hi = 0.0; }
        return;
    }
    double p = (vLo - b) / a, q = (vHi - b) / a;
    if (a < 0.0) std::swap(p, q);
    lo = std::max(lo, p);
    hi = std::min(hi, q);
}

// Row spans of a disc of the given pen width around a pixel (even widths sit half a pixel up-left).
struct Disc {
    int radius = 0;                 // rows -radius .. radius
    std::vector<std::pair<int, int>> spans;  // per row: [lo, hi] offsets, lo > hi when empty
    explicit Disc(int width)
    {
        const double h = width / 2.0, s = (width % 2 == 0) ? 0.5 : 0.0;
        radius = width / 2 + 1;
        for (int oy = -radius; oy <= radius; ++oy) {
            const double v = oy + s, rest = h * h - v * v;
            if (rest < 0.0) { spans.emplace_back(1, 0); continue; }
            const double w = std::sqrt(rest);
            spans.emplace_back(cxc::toInt(std::ceil(-s - w)), cxc::toInt(std::floor(-s + w)));
        }
    }
};

// The outline pixels of the conic inside the box [x0, x1] x [y0, y1]. Columns carry the flat parts and
// rows the steep parts, split where the slope of the pixel offsets passes 1, which for a circle is
// exactly the midpoint circle.
template <class F>
void forEachConicPixel(const Conic& c, i64 boxX0, i64 boxY0, i64 boxX1, i64 boxY1, F&& visit)
{
    const i128 a2 = c.a2, b2 = c.b2, aa = a2 * a2, bb = b2 * b2;
    const bool circle = c.a2 == c.b2;
    const long double la2 = static_cast<long double>(c.a2), lb2 = static_cast<long double>(c.b2);
    const long double lcx2 = static_cast<long double>(c.cx2), lcy2 = static_cast<long double>(c.cy2);

    // Doubled half-extent across the other axis at doubled offset t from the centre.
    auto extent = [&](i128 t, i128 along2, long double lAlong, long double lAcross) -> long double {
        if (along2 == 0) return lAcross;
        if (circle) return std::sqrt(static_cast<long double>(along2 * along2 - t * t));
        const long double u = static_cast<long double>(t) / lAlong;
        return lAcross * std::sqrt(std::max<long double>(0.0L, 1.0L - u * u));
    };

    const i64 pxLo = static_cast<i64>(std::max<i128>(ceilDiv(c.cx2 - a2, 2), boxX0));
    const i64 pxHi = static_cast<i64>(std::min<i128>(floorDiv(c.cx2 + a2, 2), boxX1));
    for (i64 px = pxLo; px <= pxHi; ++px) {
        const i128 x2 = 2 * static_cast<i128>(px) - c.cx2;
        const long double f2 = extent(x2, a2, la2, lb2);
        // Rounded to the nearest row, ties toward the centre (exact: the values stay below 2^35).
        const long double bottom = std::ceil((lcy2 + f2) / 2.0L - 0.5L);
        const long double top = std::floor((lcy2 - f2) / 2.0L + 0.5L);
        const i128 y2 = 2 * static_cast<i128>(static_cast<i64>(bottom)) - c.cy2;  // a whole number below 2^35
        if (bb * (x2 < 0 ? -x2 : x2) > aa * (y2 < 0 ? -y2 : y2)) continue;  // steep here: the rows draw it
        const i64 t = clampRound(top, boxY0 - 1, boxY1 + 1), b = clampRound(bottom, boxY0 - 1, boxY1 + 1);
        if (t >= boxY0 && t <= boxY1) visit(px, t);
        if (b != t && b >= boxY0 && b <= boxY1) visit(px, b);
    }
    const i64 pyLo = static_cast<i64>(std::max<i128>(ceilDiv(c.cy2 - b2, 2), boxY0));
    const i64 pyHi = static_cast<i64>(std::min<i128>(floorDiv(c.cy2 + b2, 2), boxY1));
    for (i64 py = pyLo; py <= pyHi; ++py) {
        const i128 y2 = 2 * static_cast<i128>(py) - c.cy2;
        const long double g2 = extent(y2, b2, lb2, la2);
        const long double right = std::ceil((lcx2 + g2) / 2.0L - 0.5L);
        const long double left = std::floor((lcx2 - g2) / 2.0L + 0.5L);
        const i128 x2 = 2 * static_cast<i128>(static_cast<i64>(right)) - c.cx2;  // a whole number below 2^35
        if (aa * (y2 < 0 ? -y2 : y2) > bb * (x2 < 0 ? -x2 : x2)) continue;  // flat here: the columns draw it
        const i64 l = clampRound(left, boxX0 - 1, boxX1 + 1), rr = clampRound(right, boxX0 - 1, boxX1 + 1);
        if (l >= boxX0 && l <= boxX1) visit(l, py);
        if (rr != l && rr >= boxX0 && rr <= boxX1) visit(rr, py);
    }
}

// Doubled offsets of a pixel from the conic's centre, as (dx, dy up) for the sweep test.
double offX(const Conic& c, i64 px) { return static_cast<double>(2 * static_cast<i128>(px) - c.cx2) / 2.0; }
double offYUp(const Conic& c, i64 py) { return static_cast<double>(c.cy2 - 2 * static_cast<i128>(py)) / 2.0; }

}  // namespace

Pattern patternOf(int penStyle)
{
    switch (penStyle) {
    case PS_DASH: return {kDash, 24};
    case PS_DOT: return {kDot, 6};
    case PS_DASHDOT: return {kDashDot, 24};
    case PS_DASHDOTDOT: return {kDashDotDot, 24};
    default: return {};
    }
}

// The visible stretch of a one-pixel line: `count` steps from step `first`, whose minor offset is q and
// error term err.
struct Steps {
    i64 first = 0, count = 0, q = 0, err = 0;
};

// Pixel i of a line lies i steps along the major axis and q(i) = floor((2 i dm + dM - 1) / 2 dM) along
// the minor one. Finds the steps whose pixel is visible and the walker's state at the first of them,
// in T, wide enough for 2 dM (dm + 1).
template <class T>
bool visibleSteps(i64 dM, i64 dm, int sM, int sm, i64 M0, i64 m0, i64 majorLimit, i64 minorLimit, Steps& out)
{
    T iLo = 0, iHi = dM - 1;
    if (sM > 0) {
        iLo = std::max<T>(iLo, -M0);
        iHi = std::min<T>(iHi, majorLimit - 1 - M0);
    } else {
        iLo = std::max<T>(iLo, M0 - (majorLimit - 1));
        iHi = std::min<T>(iHi, M0);
    }
    if (iLo > iHi) return false;
    const T twoDM = 2 * static_cast<T>(dM), twoDm = 2 * static_cast<T>(dm);
    if (sm == 0) {
        if (m0 < 0 || m0 >= minorLimit) return false;
    } else {
        T qLo = sm > 0 ? -m0 : m0 - (minorLimit - 1);
        T qHi = sm > 0 ? minorLimit - 1 - m0 : m0;
        qLo = std::max<T>(qLo, 0);
        qHi = std::min<T>(qHi, dm);
        if (qLo > qHi) return false;
        iLo = std::max(iLo, ceilDiv<T>(twoDM * qLo - dM + 1, twoDm));
        iHi = std::min(iHi, ceilDiv<T>(twoDM * (qHi + 1) - dM + 1, twoDm) - 1);
        if (iLo > iHi) return false;
    }
    const T num = twoDm * iLo + dM - 1;
    out.first = static_cast<i64>(iLo);
    out.count = static_cast<i64>(iHi - iLo) + 1;
    out.q = static_cast<i64>(num / twoDM);
    out.err = static_cast<i64>(num % twoDM);
    return true;
}

// LineTo lights the pixels from the start up to, not including, the end point. Pixel i of the line
// sits i steps along the major axis and round(i * minor / major) along the minor one, halves rounded
// back toward the start; the clipped walk starts at the first visible step with the error term that
// step would have had, so clipping never moves a pixel.
std::uint64_t thinLine(const Raster& r, i64 x0, i64 y0, i64 x1, i64 y1, std::uint32_t colour, const Pattern& pattern,
                       std::uint32_t phase, const std::uint32_t* gap)
{
    const i64 dx = x1 - x0, dy = y1 - y0;
    const i64 adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const i64 dM = xMajor ? adx : ady, dm = xMajor ? ady : adx;
    if (dM == 0 || !r) return static_cast<std::uint64_t>(dM);
    const i64 dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    const int sM = dMajor > 0 ? 1 : -1;
    const int sm = dMinor > 0 ? 1 : (dMinor < 0 ? -1 : 0);
    const i64 M0 = xMajor ? x0 : y0, m0 = xMajor ? y0 : x0;
    const i64 majorLimit = xMajor ? r.width : r.height, minorLimit = xMajor ? r.height : r.width;

    // Both ends on the raster: every pixel between is too, and the walk starts at step 0. Otherwise
    // the clip works in 64 bits while the products fit, in 128 beyond.
    Steps steps;
    if (x0 >= 0 && x0 < r.width && x1 >= 0 && x1 < r.width && y0 >= 0 && y0 < r.height && y1 >= 0 && y1 < r.height) {
        steps = Steps{0, dM, 0, dM - 1};
    } else if (dM < (i64(1) << 30)) {
        if (!visibleSteps<i64>(dM, dm, sM, sm, M0, m0, majorLimit, minorLimit, steps)) return static_cast<std::uint64_t>(dM);
    } else if (!visibleSteps<i128>(dM, dm, sM, sm, M0, m0, majorLimit, minorLimit, steps)) {
        return static_cast<std::uint64_t>(dM);
    }
    const i64 iLo = steps.first, q = steps.q;
    i64 err = steps.err;
    const i64 major = M0 + sM * iLo, minor = m0 + sm * q;
    const i64 x = xMajor ? major : minor, y = xMajor ? minor : major;
    std::ptrdiff_t at = static_cast<std::ptrdiff_t>(y * r.stride + x);
    const std::ptrdiff_t majorStep = xMajor ? sM : sM * r.stride;
    const std::ptrdiff_t minorStep = xMajor ? sm * r.stride : sm;
    const i64 e2M = 2 * dM, e2m = 2 * dm;
    i64 count = steps.count;
    std::uint32_t* const bits = r.bits;

    if (pattern.period == 0) {
        for (; count > 0; --count) {
            bits[at] = colour;
            at += majorStep;
            err += e2m;
            if (err >= e2M) { err -= e2M; at += minorStep; }
        }
    } else {
        std::uint32_t k = static_cast<std::uint32_t>((static_cast<std::uint64_t>(phase) + static_cast<std::uint64_t>(iLo)) % pattern.period);
        const std::uint32_t gapColour = gap ? *gap : 0;
        for (; count > 0; --count) {
            if (pattern.on[k]) bits[at] = colour;
            else if (gap) bits[at] = gapColour;
            if (++k == pattern.period) k = 0;
            at += majorStep;
            err += e2m;
            if (err >= e2M) { err -= e2M; at += minorStep; }
        }
    }
    return static_cast<std::uint64_t>(dM);
}

namespace {

// thinLine's walk for a line whose ends both lie on the raster: no clip, and lines of up to eight
// steps walk without a branch (steps past the end write the first pixel again, which is drawn anyway),
// as most contour strokes are a few pixels long.
inline void walkInside(std::uint32_t* bits, std::ptrdiff_t stride, std::ptrdiff_t x0, std::ptrdiff_t y0,
                       std::ptrdiff_t x1, std::ptrdiff_t y1, std::uint32_t colour)
{
    const std::ptrdiff_t dx = x1 - x0, dy = y1 - y0;
    const std::ptrdiff_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const std::ptrdiff_t dM = xMajor ? adx : ady, dm = xMajor ? ady : adx;
    if (dM == 0) return;
    // With no minor travel the error term never reaches 2 dM, so the sign of a zero step is moot.
    const std::ptrdiff_t xStep = dx < 0 ? -1 : 1, yStep = dy < 0 ? -stride : stride;
    const std::ptrdiff_t majorStep = xMajor ? xStep : yStep, minorStep = xMajor ? yStep : xStep;
    const std::ptrdiff_t e2M = 2 * dM, e2m = 2 * dm, first = y0 * stride + x0;
    std::ptrdiff_t at = first, err = dM - 1;
    if (dM <= 8) {
        for (std::ptrdiff_t i = 0; i < 8; ++i) {
            bits[i < dM ? at : first] = colour;
            at += majorStep;
            err += e2m;
            // All ones when err >= 2 dM: a mask, as the compiler turns a plain test back into a branch.
            const std::ptrdiff_t carry = (e2M - 1 - err) >> 63;
            err -= e2M & carry;
            at += minorStep & carry;
        }
        return;
    }
    for (std::ptrdiff_t count = dM; count > 0; --count) {
        bits[at] = colour;
        at += majorStep;
        err += e2m;
        if (err >= e2M) { err -= e2M; at += minorStep; }
    }
}

}  // namespace

void thinSegments(const Raster& r, const POINT* ends, std::size_t pairs, std::uint32_t colour)
{
    if (!r || !ends || pairs == 0) return;
    // One pass over the ends settles the clipping of the whole batch (contours lie inside the view).
    LONG xLo = ends[0].x, xHi = xLo, yLo = ends[0].y, yHi = yLo;
    for (std::size_t k = 1; k < 2 * pairs; ++k) {
        xLo = std::min(xLo, ends[k].x);
        xHi = std::max(xHi, ends[k].x);
        yLo = std::min(yLo, ends[k].y);
        yHi = std::max(yHi, ends[k].y);
    }
    const bool inside = xLo >= 0 && yLo >= 0 && xHi < r.width && yHi < r.height;
    const auto on = [&](const POINT& p) {
        return static_cast<std::uint32_t>(p.x) < static_cast<std::uint32_t>(r.width) &&
               static_cast<std::uint32_t>(p.y) < static_cast<std::uint32_t>(r.height);
    };
    for (std::size_t k = 0; k < pairs; ++k) {
        const POINT a = ends[2 * k], b = ends[2 * k + 1];
        if (inside || (on(a) && on(b))) walkInside(r.bits, r.stride, a.x, a.y, b.x, b.y, colour);
        else thinLine(r, a.x, a.y, b.x, b.y, colour);
    }
}

// Pixels within half the width of the segment: per row, the hull of the two end discs and the band
// between them (the capsule is convex, so that hull is the row's whole span).
void thickLine(const Raster& r, double x0, double y0, double x1, double y1, int width, std::uint32_t colour)
{
    if (!r || width < 1) return;
    const double h = width / 2.0;
    if (width % 2 == 0) { x0 -= 0.5; y0 -= 0.5; x1 -= 0.5; y1 -= 0.5; }
    // Parts of the segment farther than h from the raster cannot light a pixel of it.
    const double m = h + 1.0;
    if (!clipSegment(x0, y0, x1, y1, -m, -m, r.width - 1 + m, r.height - 1 + m)) return;
    const double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy, hh = h * h, hLen = h * std::sqrt(len2);
    const i64 rowLo = std::max<i64>(0, static_cast<i64>(std::ceil(std::min(y0, y1) - h)));
    const i64 rowHi = std::min<i64>(r.height - 1, static_cast<i64>(std::floor(std::max(y0, y1) + h)));
    for (i64 y = rowLo; y <= rowHi; ++y) {
        const double fy = static_cast<double>(y);
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        auto disc = [&](double cx, double cy) {
            const double v = fy - cy, rest = hh - v * v;
            if (rest < 0.0) return;
            const double w = std::sqrt(rest);
            lo = std::min(lo, cx - w);
            hi = std::max(hi, cx + w);
        };
        disc(x0, y0);
        disc(x1, y1);
        if (len2 > 0.0) {
            double bandLo = -std::numeric_limits<double>::infinity(), bandHi = -bandLo;
            constrain(bandLo, bandHi, dx, -x0 * dx + (fy - y0) * dy, 0.0, len2);     // between the ends
            constrain(bandLo, bandHi, -dy, dx * (fy - y0) + dy * x0, -hLen, hLen);  // within h of the axis
            if (bandLo <= bandHi) {
                lo = std::min(lo, bandLo);
                hi = std::max(hi, bandHi);
            }
        }
        if (lo > hi) continue;
        const double cl = std::max(std::ceil(lo), -1.0), ch = std::min(std::floor(hi), static_cast<double>(r.width));
        fillSpan(r, y, static_cast<i64>(cl), static_cast<i64>(ch), colour);
    }
}

void fillRect(const Raster& r, i64 left, i64 top, i64 right, i64 bottom, std::uint32_t colour)
{
    if (!r) return;
    left = std::max<i64>(left, 0);
    top = std::max<i64>(top, 0);
    right = std::min<i64>(right, r.width);
    bottom = std::min<i64>(bottom, r.height);
    for (i64 y = top; y < bottom && left < right; ++y) std::fill_n(r.bits + y * r.stride + left, right - left, colour);
}

void xorRect(const Raster& r, i64 left, i64 top, i64 right, i64 bottom, std::uint32_t mask)
{
    if (!r) return;
    left = std::max<i64>(left, 0);
    top = std::max<i64>(top, 0);
    right = std::min<i64>(right, r.width);
    bottom = std::min<i64>(bottom, r.height);
    for (i64 y = top; y < bottom; ++y) {
        std::uint32_t* row = r.bits + y * r.stride;
        for (i64 x = left; x < right; ++x) row[x] ^= mask;
    }
}

Conic conicOfBox(i64 left, i64 top, i64 right, i64 bottom)
{
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    Conic c;
    c.cx2 = left + right - 1;
    c.cy2 = top + bottom - 1;
    c.a2 = right - left - 1;
    c.b2 = bottom - top - 1;
    return c;
}

bool Sweep::contains(double dx, double dyUp) const
{
    if (full()) return true;
    constexpr double twoPi = 6.283185307179586;
    double rel = std::fmod(std::atan2(dyUp, dx) - start, twoPi);
    if (rel < 0.0) rel += twoPi;
    return rel <= sweep + 1e-9;
}

namespace {

// The outline of a small conic as word offsets from its centre pixel, for one centre parity and row
// stride. The walk depends on the centre only through that parity: moved by whole pixels, every
// outline pixel moves with it (the sums before rounding are exact or stay far from a half).
struct ConicStamp {
    i64 a2 = -1, b2 = -1, parity = 0;
    std::ptrdiff_t stride = 0;
    std::vector<std::ptrdiff_t> offsets;
};

const ConicStamp& stampOf(const Conic& c, std::ptrdiff_t stride)
{
    thread_local ConicStamp kept[8];
    thread_local unsigned next = 0;
    const i64 parity = (c.cx2 & 1) | ((c.cy2 & 1) << 1);
    for (const ConicStamp& k : kept)
        if (k.a2 == c.a2 && k.b2 == c.b2 && k.parity == parity && k.stride == stride) return k;
    ConicStamp& k = kept[next++ % 8];
    k.a2 = c.a2, k.b2 = c.b2, k.parity = parity, k.stride = stride;
    k.offsets.clear();
    const Conic at{c.cx2 & 1, c.cy2 & 1, c.a2, c.b2};
    const i64 far = c.a2 + c.b2 + 2;
    forEachConicPixel(at, -far, -far, far, far, [&](i64 x, i64 y) { k.offsets.push_back(y * stride + x); });
    return k;
}

}  // namespace

void thinConic(const Raster& r, const Conic& c, const Sweep& s, std::uint32_t colour)
{
    if (!r || !c.valid()) return;
    // Full outlines of small conics wholly on the raster (the sensor circles) come from a kept stamp.
    constexpr i64 kStampLimit = 1024;
    if (s.full() && c.a2 <= kStampLimit && c.b2 <= kStampLimit && c.cx2 - c.a2 >= 0 && c.cy2 - c.b2 >= 0 &&
        c.cx2 + c.a2 <= 2 * (static_cast<i64>(r.width) - 1) && c.cy2 + c.b2 <= 2 * (static_cast<i64>(r.height) - 1)) {
        std::uint32_t* const centre = r.bits + floorDiv(c.cy2, 2) * r.stride + floorDiv(c.cx2, 2);
        for (const std::ptrdiff_t o : stampOf(c, r.stride).offsets) centre[o] = colour;
        return;
    }
    forEachConicPixel(c, 0, 0, r.width - 1, r.height - 1, [&](i64 x, i64 y) {
        if (s.full() || s.contains(offX(c, x), offYUp(c, y))) r.bits[y * r.stride + x] = colour;
    });
}

// A circle's wide outline is the annulus R - w/2 <= d < R + w/2 about its centre, found per row in
// exact integers (doubled coordinates). Other ellipses sweep a disc of the pen's width along the
// one-pixel outline.
void thickConic(const Raster& r, const Conic& c, const Sweep& s, int width, std::uint32_t colour)
{
    if (!r || !c.valid() || width < 1) return;
    if (c.a2 == c.b2) {
        const i128 w = width, outer = (c.a2 + w) * (c.a2 + w);
        const i128 inner = c.a2 >= w ? (c.a2 - w) * (c.a2 - w) : 0;
        const i64 rowLo = static_cast<i64>(std::max<i128>(floorDiv(c.cy2 - c.a2 - w, 2) + 1, 0));
        const i64 rowHi = static_cast<i64>(std::min<i128>(ceilDiv(c.cy2 + c.a2 + w, 2) - 1, r.height - 1));
        for (i64 y = rowLo; y <= rowHi; ++y) {
            const i128 y2 = 2 * static_cast<i128>(y) - c.cy2;
            const i128 restOuter = outer - y2 * y2;
            if (restOuter <= 0) continue;
            const i128 xo = isqrt(restOuter - 1);  // |x2| <= xo  <=>  x2^2 < restOuter
            i128 xi = 0;                            // |x2| >= xi  <=>  x2^2 >= inner - y2^2
            if (inner - y2 * y2 > 0) {
                xi = isqrt(inner - y2 * y2);
                if (xi * xi < inner - y2 * y2) ++xi;
            }
            auto span = [&](i128 lo2, i128 hi2) {  // doubled offsets lo2..hi2
                const i128 pLo = std::max<i128>(ceilDiv(c.cx2 + lo2, 2), 0);
                const i128 pHi = std::min<i128>(floorDiv(c.cx2 + hi2, 2), r.width - 1);
                if (pLo > pHi) return;
                if (s.full()) {
                    fillSpan(r, y, static_cast<i64>(pLo), static_cast<i64>(pHi), colour);
                    return;
                }
                for (i64 x = static_cast<i64>(pLo); x <= static_cast<i64>(pHi); ++x)
                    if (s.contains(offX(c, x), offYUp(c, y))) r.bits[y * r.stride + x] = colour;
            };
            if (xi == 0) {
                span(-xo, xo);
            } else {
                span(-xo, -xi);
                span(xi, xo);
            }
        }
        return;
    }
    const Disc disc(width);
    forEachConicPixel(c, -disc.radius, -disc.radius, r.width - 1 + disc.radius, r.height - 1 + disc.radius,
                      [&](i64 x, i64 y) {
                          if (!s.full() && !s.contains(offX(c, x), offYUp(c, y))) return;
                          for (int k = 0; k < static_cast<int>(disc.spans.size()); ++k) {
                              const auto& sp = disc.spans[static_cast<std::size_t>(k)];
                              if (sp.first <= sp.second) fillSpan(r, y + k - disc.radius, x + sp.first, x + sp.second, colour);
                          }
                      });
}

void fillConic(const Raster& r, const Conic& c, std::uint32_t colour)
{
    if (!r || !c.valid()) return;
    const i128 b2 = c.b2;
    const long double la2 = static_cast<long double>(c.a2), lb2 = static_cast<long double>(c.b2);
    const i64 pyLo = static_cast<i64>(std::max<i128>(ceilDiv(c.cy2 - b2, 2), 0));
    const i64 pyHi = static_cast<i64>(std::min<i128>(floorDiv(c.cy2 + b2, 2), r.height - 1));
    for (i64 py = pyLo; py <= pyHi; ++py) {
        const i128 y2 = 2 * static_cast<i128>(py) - c.cy2;
        long double g2 = la2;
        if (b2 != 0) {
            const long double u = static_cast<long double>(y2) / lb2;
            g2 = la2 * std::sqrt(std::max<long double>(0.0L, 1.0L - u * u));
        }
        const i64 right = clampRound(std::ceil((c.cx2 + g2) / 2.0L - 0.5L), -1, r.width);
        const i64 left = clampRound(std::floor((c.cx2 - g2) / 2.0L + 0.5L), -1, r.width);
        fillSpan(r, py, left, right, colour);
    }
}

}  // namespace raster
}  // namespace cxc::gdi
