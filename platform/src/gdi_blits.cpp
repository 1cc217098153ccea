// Block transfers: BitBlt, StretchBlt, StretchDIBits, SetDIBitsToDevice and TransparentBlt. One
// nearest-neighbour core serves them all; it clips to the destination and to the source, so a copy
// touches only pixels that exist on both sides.
#include <algorithm>
#include <cstring>
#include <vector>

#include "cxcpixels.h"
#include "gdi_internal.h"
#include "gdi_record.h"

namespace {

using namespace cxc::gdi;
using i64 = std::int64_t;
using i128 = __int128;

enum class Rop { Copy, Paint, And, Invert, NotCopy, DstInvert, Black, White, Pattern };

bool ropOf(DWORD code, Rop& rop)
{
    switch (code) {
    case SRCCOPY: rop = Rop::Copy; return true;
    case SRCPAINT: rop = Rop::Paint; return true;
    case SRCAND: rop = Rop::And; return true;
    case SRCINVERT: rop = Rop::Invert; return true;
    case NOTSRCCOPY: rop = Rop::NotCopy; return true;
    case DSTINVERT: rop = Rop::DstInvert; return true;
    case BLACKNESS: rop = Rop::Black; return true;
    case WHITENESS: rop = Rop::White; return true;
    case PATCOPY: rop = Rop::Pattern; return true;
    default: return false;
    }
}

bool usesSource(Rop rop) { return rop <= Rop::NotCopy; }

inline std::uint32_t apply(Rop rop, std::uint32_t s, std::uint32_t d, std::uint32_t pattern)
{
    switch (rop) {
    case Rop::Copy: return s | 0xFF000000u;
    case Rop::Paint: return s | d | 0xFF000000u;
    case Rop::And: return (s & d) | 0xFF000000u;
    case Rop::Invert: return (s ^ d) | 0xFF000000u;
    case Rop::NotCopy: return ~s | 0xFF000000u;
    case Rop::DstInvert: return d ^ 0x00FFFFFFu;
    case Rop::Black: return 0xFF000000u;
    case Rop::White: return 0xFFFFFFFFu;
    case Rop::Pattern: return pattern;
    }
    return d;
}

// Read-only pixels, row 0 at the top. The stride runs backward for bottom-up DIBs; only the rows in
// [rowLo, rowHi) exist. Offsets are formed from `origin`, never pointers outside the buffer.
struct Source {
    const std::uint32_t* bits = nullptr;
    std::ptrdiff_t origin = 0;
    std::ptrdiff_t stride = 0;
    i64 width = 0;
    i64 rowLo = 0;
    i64 rowHi = 0;
    const std::uint32_t* row(i64 y) const { return bits + (origin + static_cast<std::ptrdiff_t>(y) * stride); }
    std::uint32_t at(i64 x, i64 y) const { return row(y)[x]; }
};

Source sourceOf(const Raster& r)
{
    Source s;
    s.bits = r.bits;
    s.stride = r.stride;
    s.width = r.width;
    s.rowHi = r.height;
    return s;
}

// A rectangle with signed extents: a negative extent runs left (or up) from x (or y) and mirrors.
struct Blit {
    i64 x, y, w, h;
};

// Per destination pixel along one axis, the source index under its centre, or -1 where the source
// does not exist. Fills map for destination coordinates [first, first + map.size()).
void axisMap(std::vector<i64>& map, i64 first, i64 d0, i64 dLen, i64 s0, i64 sLen, bool flip, i64 srcLo, i64 srcHi)
{
    for (std::size_t k = 0; k < map.size(); ++k) {
        const i64 i = first + static_cast<i64>(k) - d0;
        const i64 j = flip ? dLen - 1 - i : i;
        const i128 s = s0 + (2 * static_cast<i128>(j) + 1) * sLen / (2 * static_cast<i128>(dLen));
        map[k] = (s >= srcLo && s < srcHi) ? static_cast<i64>(s) : -1;
    }
}

// A row copied with the alpha set. On its own the loop is vectorised (inside the transfer it stayed
// one pixel per step), and the AVX2 build takes eight pixels per step: every paint copies its picture.
__attribute__((target_clones("avx2", "default")))
void copyOpaque(std::uint32_t* to, const std::uint32_t* from, i64 n)
{
    for (i64 k = 0; k < n; ++k) to[k] = from[k] | 0xFF000000u;
}

// The one transfer core. `transparent` (RGB32 value) leaves matching source pixels out.
void transfer(const Raster& dst, Blit d, const Source* src, Blit s, Rop rop, std::uint32_t pattern,
              const std::uint32_t* transparent)
{
    bool flipX = false, flipY = false;
    if (d.w < 0) { d.x += d.w; d.w = -d.w; flipX = !flipX; }
    if (d.h < 0) { d.y += d.h; d.h = -d.h; flipY = !flipY; }
    if (s.w < 0) { s.x += s.w; s.w = -s.w; flipX = !flipX; }
    if (s.h < 0) { s.y += s.h; s.h = -s.h; flipY = !flipY; }
    if (!dst || d.w == 0 || d.h == 0) return;
    const i64 x0 = std::max<i64>(d.x, 0), x1 = std::min<i64>(d.x + d.w, dst.width);
    const i64 y0 = std::max<i64>(d.y, 0), y1 = std::min<i64>(d.y + d.h, dst.height);
    if (x0 >= x1 || y0 >= y1) return;

    if (!src) {
        for (i64 y = y0; y < y1; ++y) {
            std::uint32_t* row = dst.bits + y * dst.stride;
            for (i64 x = x0; x < x1; ++x) row[x] = apply(rop, 0, row[x], pattern);
        }
        return;
    }
    if (s.w == 0 || s.h == 0) return;

    // A 1:1 copy is a row copy of the part present on both sides.
    if (rop == Rop::Copy && !transparent && !flipX && !flipY && s.w == d.w && s.h == d.h) {
        const i64 cx0 = std::max(x0, d.x - s.x), cx1 = std::min(x1, d.x - s.x + src->width);
        const i64 cy0 = std::max(y0, d.y - s.y + src->rowLo), cy1 = std::min(y1, d.y - s.y + src->rowHi);
        if (cx0 >= cx1) return;
        for (i64 y = cy0; y < cy1; ++y) {
            const std::uint32_t* from = src->row(y - d.y + s.y) + (cx0 - d.x + s.x);
            std::uint32_t* to = dst.bits + y * dst.stride + cx0;
            const i64 n = cx1 - cx0;
            const auto f = reinterpret_cast<std::uintptr_t>(from), t = reinterpret_cast<std::uintptr_t>(to);
            if (f + static_cast<std::uintptr_t>(n) * 4 <= t || t + static_cast<std::uintptr_t>(n) * 4 <= f) {
                // Apart (as nearly always): one pass, which the compiler vectorises.
                copyOpaque(to, from, n);
                continue;
            }
            std::memmove(to, from, static_cast<std::size_t>(n) * 4);
            for (i64 k = 0; k < n; ++k) to[k] |= 0xFF000000u;
        }
        return;
    }

    std::vector<i64> cols(static_cast<std::size_t>(x1 - x0)), rows(static_cast<std::size_t>(y1 - y0));
    axisMap(cols, x0, d.x, d.w, s.x, s.w, flipX, 0, src->width);
    axisMap(rows, y0, d.y, d.h, s.y, s.h, flipY, src->rowLo, src->rowHi);
    for (i64 y = y0; y < y1; ++y) {
        const i64 sy = rows[static_cast<std::size_t>(y - y0)];
        if (sy < 0) continue;
        std::uint32_t* row = dst.bits + y * dst.stride;
        for (i64 x = x0; x < x1; ++x) {
            const i64 sx = cols[static_cast<std::size_t>(x - x0)];
            if (sx < 0) continue;
            const std::uint32_t p = src->at(sx, sy);
            if (transparent && ((p ^ *transparent) & 0x00FFFFFFu) == 0) continue;
            row[x] = apply(rop, p, row[x], pattern);
        }
    }
}

// A blit as the recording keeps it: a 1:1 copy of a recorded surface as that surface's commands,
// anything else as its source pixels, with the pixels it left for operations a painter cannot match.
// Call before the transfer; finish() after it.
class Recorded {
public:
    Recorded(Surface* to, Blit d, Surface* from, const Source* src, Blit s, Rop rop, std::uint32_t pattern,
             const std::uint32_t* transparent)
        : to_(to)
    {
        if (!rec::active() || !to) return;
        if (from && from != to && rop == Rop::Copy && !transparent && d.w == s.w && d.h == s.h && d.w > 0 && d.h > 0) {
            if (auto sub = rec::snapshot(from)) {
                const rec::Copy c{sub, d.x, d.y, d.w, d.h, s.x, s.y, sub->width, sub->height};
                // A copy that fills the whole destination with source pixels hides all before it.
                const int w = to->image.width(), h = to->image.height();
                const bool all = d.x <= 0 && d.y <= 0 && d.x + d.w >= w && d.y + d.h >= h && s.x - d.x >= 0 &&
                                 s.y - d.y >= 0 && s.x - d.x + w <= sub->width && s.y - d.y + h <= sub->height;
                if (rec::List* list = rec::listOf(to, all)) {
                    if (all) list->commands.clear();
                    list->commands.push_back(c);
                }
                return;
            }
        }
        list_ = rec::listOf(to);
        if (!list_) return;
        blit_.rop = static_cast<int>(rop);
        blit_.pattern = pattern;
        blit_.transparent = transparent != nullptr;
        blit_.key = transparent ? *transparent : 0;
        blit_.dx = d.x, blit_.dy = d.y, blit_.dw = d.w, blit_.dh = d.h;
        blit_.sx = s.x, blit_.sy = s.y, blit_.sw = s.w, blit_.sh = s.h;
        blit_.plainCopy = rop == Rop::Copy && !transparent && d.w > 0 && d.h > 0 && s.w > 0 && s.h > 0;
        if (src && usesSource(rop)) {
            // The rows that exist, copied: the caller's pixels may change or go after the call.
            QImage image(static_cast<int>(src->width), static_cast<int>(src->rowHi), QImage::Format_RGB32);
            image.fill(Qt::black);
            for (i64 y = src->rowLo; y < src->rowHi; ++y)
                std::memcpy(image.scanLine(static_cast<int>(y)), src->row(y), static_cast<std::size_t>(src->width) * 4);
            blit_.source = image;
            blit_.rowLo = src->rowLo;
            blit_.rowHi = src->rowHi;
        }
    }
    void finish()
    {
        if (!list_) return;
        if (!blit_.plainCopy) {
            // The destination block, as the transfer left it.
            const QImage& image = to_->image;
            const i64 x0 = std::max<i64>(std::min(blit_.dx, blit_.dx + blit_.dw), 0);
            const i64 y0 = std::max<i64>(std::min(blit_.dy, blit_.dy + blit_.dh), 0);
            const i64 x1 = std::min<i64>(std::max(blit_.dx, blit_.dx + blit_.dw), image.width());
            const i64 y1 = std::min<i64>(std::max(blit_.dy, blit_.dy + blit_.dh), image.height());
            if (x0 < x1 && y0 < y1) {
                blit_.after = image.copy(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0), static_cast<int>(y1 - y0));
                blit_.afterX = x0;
                blit_.afterY = y0;
            }
        }
        list_->commands.push_back(std::move(blit_));
    }

private:
    Surface* to_;
    rec::List* list_ = nullptr;
    rec::Blit blit_{};
};

void recordedTransfer(Surface* to, Blit d, Surface* from, const Source* src, Blit s, Rop rop, std::uint32_t pattern,
                      const std::uint32_t* transparent)
{
    if (!rec::active()) {
        transfer(rasterOf(to), d, src, s, rop, pattern, transparent);
        return;
    }
    Recorded r(to, d, from, src, s, rop, pattern, transparent);
    transfer(rasterOf(to), d, src, s, rop, pattern, transparent);
    r.finish();
}

// A blit whose source is the destination surface reads from a copy, so overlapping areas move whole.
void transferBetween(Surface* to, Blit d, Surface* from, Blit s, Rop rop, std::uint32_t pattern,
                     const std::uint32_t* transparent)
{
    if (!usesSource(rop)) {
        recordedTransfer(to, d, nullptr, nullptr, s, rop, pattern, transparent);
        return;
    }
    if (from == to) {
        Surface copy{to->image.copy()};
        const Source src = sourceOf(rasterOf(&copy));
        recordedTransfer(to, d, from, &src, s, rop, pattern, transparent);
        return;
    }
    const Source src = sourceOf(rasterOf(from));
    recordedTransfer(to, d, from, &src, s, rop, pattern, transparent);
}

// The pixel block of a 32-bit BI_RGB DIB, row 0 at the top; null when the header is not one we draw.
struct DibView {
    Source source;
    i64 height = 0;
    bool bottomUp = false;
};

bool dibView(const void* bits, const BITMAPINFO* info, UINT usage, DibView& view)
{
    if (!bits || !info || usage != DIB_RGB_COLORS) return false;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biBitCount != 32 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0) return false;
    const i64 width = h.biWidth, height = h.biHeight < 0 ? -static_cast<i64>(h.biHeight) : h.biHeight;
    if (width * height > (1LL << 28)) return false;
    view.bottomUp = h.biHeight > 0;
    view.height = height;
    view.source.bits = static_cast<const std::uint32_t*>(bits);
    view.source.width = width;
    view.source.rowLo = 0;
    view.source.rowHi = height;
    view.source.stride = view.bottomUp ? -width : width;
    view.source.origin = view.bottomUp ? (height - 1) * width : 0;
    return true;
}

}  // namespace

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    return StretchBlt(x, y, width, height, source, xSrc, ySrc, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth,
                     int srcHeight, DWORD rop)
{
    Rop op;
    if (!state_ || !ropOf(rop, op) || !state_->target()) return FALSE;
    Surface* from = nullptr;
    if (usesSource(op)) {
        from = source && source->state_ ? source->state_->target() : nullptr;
        if (!from) return FALSE;
    }
    if (op == Rop::Pattern && state_->hollowBrush) return TRUE;
    transferBetween(state_->target(), Blit{x, y, width, height}, from, Blit{xSrc, ySrc, srcWidth, srcHeight}, op,
                    toPixel(state_->brushColor), nullptr);
    return TRUE;
}

BOOL TransparentBlt(HDC dest, int xDest, int yDest, int destWidth, int destHeight, HDC src, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, UINT transparentColor)
{
    DcState* d = findDc(dest);
    DcState* s = findDc(src);
    if (!d || !s || !d->target() || !s->target()) return FALSE;
    if (destWidth < 0 || destHeight < 0 || srcWidth < 0 || srcHeight < 0) return FALSE;
    const std::uint32_t key = toPixel(transparentColor);
    transferBetween(d->target(), Blit{xDest, yDest, destWidth, destHeight}, s->target(),
                    Blit{xSrc, ySrc, srcWidth, srcHeight}, Rop::Copy, 0, &key);
    return TRUE;
}

namespace cxc::gdi {

DirectPixels directPixels(CDC& dc)
{
    DcState* s = dcStateOf(dc);
    if (!s || rec::active()) return {};
    const Raster r = rasterOf(*s);
    if (!r) return {};
    return DirectPixels{r.bits, r.stride, r.width, r.height};
}

}  // namespace cxc::gdi

// Bottom-up DIBs count ySrc from their bottom row, as GDI does: the source rectangle's top row in the
// picture is height - ySrc - srcHeight.
int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop)
{
    DcState* s = findDc(dc);
    Rop op;
    DibView view;
    if (!s || !s->target() || !ropOf(rop, op) || !dibView(bits, info, usage, view)) return 0;
    if (srcWidth == 0 || srcHeight == 0 || destWidth == 0 || destHeight == 0) return 0;
    i64 sy = ySrc, sh = srcHeight;
    bool flip = false;
    if (sh < 0) { sy += sh; sh = -sh; flip = true; }
    if (view.bottomUp) sy = view.height - sy - sh;
    const Blit source = flip ? Blit{xSrc, sy + sh, srcWidth, -sh} : Blit{xSrc, sy, srcWidth, sh};
    recordedTransfer(s->target(), Blit{xDest, yDest, destWidth, destHeight}, nullptr, usesSource(op) ? &view.source : nullptr,
                     source, op, toPixel(s->brushColor), nullptr);
    return static_cast<int>(sh);
}

// The block holds scanLines rows starting at DIB row startScan (counted from the bottom for bottom-up
// DIBs); only those rows can be drawn. The source origin (xSrc, ySrc) is the lower-left corner for
// bottom-up DIBs.
int SetDIBitsToDevice(HDC dc, int xDest, int yDest, DWORD width, DWORD height, int xSrc, int ySrc, UINT startScan,
                      UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage)
{
    DcState* s = findDc(dc);
    DibView view;
    if (!s || !s->target() || !dibView(bits, info, usage, view) || scanLines == 0) return 0;
    const i64 w = width, h = height, first = startScan, count = scanLines, rowWidth = view.source.width;
    Source band = view.source;
    if (view.bottomUp) {
        // Picture row t holds DIB row H - 1 - t, stored at (H - 1 - t - startScan) rows into the block.
        band.origin = (view.height - 1 - first) * rowWidth;
        band.stride = -rowWidth;
        band.rowLo = std::max<i64>(0, view.height - first - count);
        band.rowHi = std::min<i64>(view.height, view.height - first);
    } else {
        band.origin = -first * rowWidth;
        band.stride = rowWidth;
        band.rowLo = std::max<i64>(0, first);
        band.rowHi = std::min<i64>(view.height, first + count);
    }
    if (band.rowLo >= band.rowHi) return static_cast<int>(scanLines);
    const i64 sy = view.bottomUp ? view.height - ySrc - h : ySrc;
    recordedTransfer(s->target(), Blit{xDest, yDest, w, h}, nullptr, &band, Blit{xSrc, sy, w, h}, Rop::Copy, 0, nullptr);
    return static_cast<int>(scanLines);
}

namespace cxc::gdi::rec {

void replayBlit(const Raster& r, const Blit& b, std::int64_t ox, std::int64_t oy, int scale)
{
    Source src;
    if (!b.source.isNull()) {
        src.bits = reinterpret_cast<const std::uint32_t*>(b.source.constBits());
        src.stride = b.source.bytesPerLine() / 4;
        src.width = b.source.width();
        src.rowLo = b.rowLo;
        src.rowHi = b.rowHi;
    }
    const std::uint32_t key = b.key;
    transfer(r, ::Blit{b.dx * scale + ox, b.dy * scale + oy, b.dw * scale, b.dh * scale}, b.source.isNull() ? nullptr : &src,
             ::Blit{b.sx, b.sy, b.sw, b.sh}, static_cast<Rop>(b.rop), b.pattern, b.transparent ? &key : nullptr);
}

}  // namespace cxc::gdi::rec
