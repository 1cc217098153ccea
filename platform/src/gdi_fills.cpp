// Rectangles and single pixels: FillSolidRect, FillRect, InvertRect, Rectangle, SetPixel and GetPixel.
// Rectangles exclude their right and bottom edges; reversed edges are put in order first, as GDI's
// blits do.
#include <algorithm>

#include "gdi_internal.h"
#include "gdi_record.h"

namespace {

using namespace cxc::gdi;
using i64 = std::int64_t;

struct Box {
    i64 left, top, right, bottom;
};

Box ordered(i64 left, i64 top, i64 right, i64 bottom)
{
    return Box{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// Every fill of this file goes through here, so a recorded paint sees it.
void fillBox(DcState& s, const Raster& r, i64 left, i64 top, i64 right, i64 bottom, std::uint32_t colour)
{
    if (rec::active()) rec::fill(s.target(), left, top, right, bottom, colour);
    raster::fillRect(r, left, top, right, bottom, colour);
}

}  // namespace

// As MFC's: the fill goes through the background colour, which it leaves set to the fill colour.
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    if (!state_) return;
    SetBkColor(color);
    const Box b = ordered(x, y, static_cast<i64>(x) + cx, static_cast<i64>(y) + cy);
    fillBox(*state_, rasterOf(*state_), b.left, b.top, b.right, b.bottom, toPixel(color));
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    if (!rect || !state_) return;
    SetBkColor(color);
    const Box b = ordered(rect->left, rect->top, rect->right, rect->bottom);
    fillBox(*state_, rasterOf(*state_), b.left, b.top, b.right, b.bottom, toPixel(color));
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    if (!rect || !brush || !state_) return;
    const ObjectData* d = findObject(brush->m_hObject);
    if (!d || d->kind != Kind::Brush || d->hollowBrush) return;
    const Box b = ordered(rect->left, rect->top, rect->right, rect->bottom);
    fillBox(*state_, rasterOf(*state_), b.left, b.top, b.right, b.bottom, toPixel(d->brushColor));
}

void CDC::InvertRect(LPCRECT rect)
{
    if (!rect || !state_) return;
    const Box b = ordered(rect->left, rect->top, rect->right, rect->bottom);
    const Raster r = rasterOf(*state_);
    rec::List* list = rec::listOf(state_->target());  // before the pixels change
    raster::xorRect(r, b.left, b.top, b.right, b.bottom, 0x00FFFFFFu);
    if (!list || !r) return;
    // Kept with the pixels it left, for painters that cannot blend a difference.
    const i64 l = std::max<i64>(b.left, 0), t = std::max<i64>(b.top, 0);
    const i64 rr = std::min<i64>(b.right, r.width), bb = std::min<i64>(b.bottom, r.height);
    if (l >= rr || t >= bb) return;
    list->commands.push_back(rec::Invert{l, t, rr, bb,
        state_->target()->image.copy(static_cast<int>(l), static_cast<int>(t), static_cast<int>(rr - l), static_cast<int>(bb - t))});
}

// The pen outlines the pixels from (left, top) to (right - 1, bottom - 1); the brush fills inside.
// Without a pen the filled area is one pixel smaller on the right and bottom, as in GDI.
BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!state_) return FALSE;
    const Raster r = rasterOf(*state_);
    if (!r) return FALSE;
    const Box b = ordered(left, top, right, bottom);
    if (b.right == b.left || b.bottom == b.top) return TRUE;
    const bool pen = state_->penAttr.style != PS_NULL;
    if (!state_->hollowBrush) {
        fillBox(*state_, r, b.left, b.top, pen ? b.right : b.right - 1, pen ? b.bottom : b.bottom - 1,
                toPixel(state_->brushColor));
    }
    if (!pen) return TRUE;
    // Corners in int range: the box came from ints, so right - 1 and bottom - 1 fit.
    const int l = static_cast<int>(b.left), t = static_cast<int>(b.top);
    const int rr = static_cast<int>(b.right - 1), bb = static_cast<int>(b.bottom - 1);
    const std::uint32_t keep = state_->stylePos;
    state_->stylePos = 0;
    penSegment(*state_, r, l, t, rr, t);
    penSegment(*state_, r, rr, t, rr, bb);
    penSegment(*state_, r, rr, bb, l, bb);
    penSegment(*state_, r, l, bb, l, t);
    if (l == rr && t == bb) {  // a one-pixel box: every edge has zero length
        const std::uint32_t colour = toPixel(state_->penAttr.color);
        if (state_->penAttr.width > 1) {
            if (rec::active()) rec::add(state_->target(), rec::ThickLine{double(l), double(t), double(l), double(t), state_->penAttr.width, colour});
            raster::thickLine(r, l, t, l, t, state_->penAttr.width, colour);
        } else {
            fillBox(*state_, r, l, t, l + 1, t + 1, colour);
        }
    }
    state_->stylePos = keep;
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    if (!state_) return CLR_INVALID;
    const Raster r = rasterOf(*state_);
    if (!r || x < 0 || y < 0 || x >= r.width || y >= r.height) return CLR_INVALID;
    if (rec::active()) rec::fill(state_->target(), x, y, x + 1, y + 1, toPixel(color));
    r.bits[y * r.stride + x] = toPixel(color);
    return color & 0x00FFFFFFu;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const Surface* s = state_ ? state_->target() : nullptr;
    if (!s) return CLR_INVALID;
    const QImage& image = s->image;
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return CLR_INVALID;
    return fromPixel(image.pixel(x, y));
}
