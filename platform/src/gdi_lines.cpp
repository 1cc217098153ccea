// Lines with the DC's pen: LineTo and Polyline over the one-pixel walker and the round-capped wide
// stroke of the raster layer.
#include "cxcpixels.h"
#include "gdi_internal.h"
#include "gdi_record.h"

namespace cxc::gdi {

// Styled one-pixel pens continue their pattern along a chain of LineTo calls (MoveTo restarts it), so
// a contour of short segments still shows its dashes. In OPAQUE mode the gaps take the background
// colour.
void penSegment(DcState& s, const Raster& r, int x0, int y0, int x1, int y1)
{
    const PenAttr& pen = s.penAttr;
    if (pen.style == PS_NULL) return;
    const std::uint32_t colour = toPixel(pen.color);
    const raster::Pattern& pattern = pen.pattern;
    if (rec::active()) {
        if (pen.width > 1) {
            if (x0 != x1 || y0 != y1) rec::add(s.target(), rec::ThickLine{double(x0), double(y0), double(x1), double(y1), pen.width, colour});
        } else {
            rec::add(s.target(), rec::ThinLine{x0, y0, x1, y1, colour, pattern.period ? pen.style : PS_SOLID, s.stylePos,
                                               s.bkMode == OPAQUE, toPixel(s.bkColor)});
        }
    }
    if (pen.width > 1) {
        if (x0 != x1 || y0 != y1) raster::thickLine(r, x0, y0, x1, y1, pen.width, colour);
        return;
    }
    if (pattern.period == 0) {
        raster::thinLine(r, x0, y0, x1, y1, colour);
        return;
    }
    const std::uint32_t gap = toPixel(s.bkColor);
    const std::uint64_t n = raster::thinLine(r, x0, y0, x1, y1, colour, pattern, s.stylePos, s.bkMode == OPAQUE ? &gap : nullptr);
    s.stylePos = static_cast<std::uint32_t>((s.stylePos + n % pattern.period) % pattern.period);
}

BOOL drawSegments(CDC& dc, const POINT* ends, int pairs)
{
    DcState* s = dcStateOf(dc);
    if (!s || (!ends && pairs > 0)) return FALSE;
    if (pairs <= 0) return TRUE;
    const Raster r = rasterOf(*s);
    if (!r) {
        // Every LineTo fails and leaves the position where its MoveTo put it.
        s->pos = ends[2 * static_cast<std::size_t>(pairs - 1)];
        s->stylePos = 0;
        return FALSE;
    }
    const PenAttr& pen = s->penAttr;
    if (pen.style != PS_NULL && pen.width <= 1 && pen.pattern.period == 0 && !rec::active()) {
        // Solid one-pixel strokes with nothing recorded: the raster layer takes the whole batch.
        raster::thinSegments(r, ends, static_cast<std::size_t>(pairs), toPixel(pen.color));
        s->stylePos = 0;
        s->pos = ends[2 * static_cast<std::size_t>(pairs) - 1];
        return TRUE;
    }
    for (int k = 0; k < pairs; ++k) {
        const POINT a = ends[2 * static_cast<std::size_t>(k)], b = ends[2 * static_cast<std::size_t>(k) + 1];
        s->stylePos = 0;
        penSegment(*s, r, a.x, a.y, b.x, b.y);
        s->pos = b;
    }
    return TRUE;
}

}  // namespace cxc::gdi

using namespace cxc::gdi;

BOOL CDC::LineTo(int x, int y)
{
    if (!state_) return FALSE;
    const Raster r = rasterOf(*state_);
    if (!r) return FALSE;
    penSegment(*state_, r, state_->pos.x, state_->pos.y, x, y);
    state_->pos = POINT{x, y};
    return TRUE;
}

// Neither reads nor moves the current position; the dash pattern starts afresh.
BOOL CDC::Polyline(const POINT* points, int count)
{
    if (!state_ || !points || count < 2) return FALSE;
    const Raster r = rasterOf(*state_);
    if (!r) return FALSE;
    const std::uint32_t keep = state_->stylePos;
    state_->stylePos = 0;
    for (int i = 1; i < count; ++i) penSegment(*state_, r, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    state_->stylePos = keep;
    return TRUE;
}
