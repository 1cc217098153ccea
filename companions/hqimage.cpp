#include "hqimage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "cxcpixels.h"
#include "cxcsat.h"

namespace {

constexpr long long kMaxSource = 1LL << 28;  // pixels, as StretchDIBits accepts

// A run's columns are blended a whole block at a time; a block may run past the run's end into the
// next run's columns (which that run writes again) or into the padding after each channel's row.
constexpr int kBlock = 8;

// Where destination pixel d of n samples a source of m pixels: the two neighbours and the weight of
// the second, in fixed point with q fraction bits.
struct Tap {
    int i0, i1;
    std::uint32_t w1;
};

Tap tap(long long d, long long n, long long m, int q)
{
    double s = (static_cast<double>(d) + 0.5) * static_cast<double>(m) / static_cast<double>(n) - 0.5;
    s = std::clamp(s, 0.0, static_cast<double>(m - 1));
    const double base = std::floor(s);
    const int i0 = cxc::toInt(base);
    const int i1 = static_cast<int>(std::min<long long>(i0 + 1, m - 1));
    const auto w1 = static_cast<std::uint32_t>(cxc::toInt(std::round((s - base) * static_cast<double>(1u << q))));
    return {i0, i1, w1};
}

// The horizontal blend a * wx0 + b * wx1 of one source row at every column, per channel, blue, green
// and red each in a run of its own. Columns that sample the same two source pixels lie side by side,
// so the pixels and their difference are read once per run; (a << q) + (b - a) * wx1 equals the
// blend modulo 2^32, and the blend itself (below 2^23) is exact there, so the words are the same.
// Runs come in column order and each begins where the one before it ends, so what a block writes
// past its run is overwritten by the runs after it; past the last run it lands in the padding
// (unsigned words: wrapping there is harmless).
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void blendRow(const RGBQUAD* src, const CBitmapHighQualityDraw::Run* runs, size_t count,
              const std::uint32_t* __restrict wx1, int q, std::uint32_t* __restrict blue,
              std::uint32_t* __restrict green, std::uint32_t* __restrict red)
{
    for (size_t k = 0; k < count; ++k) {
        const CBitmapHighQualityDraw::Run run = runs[k];
        const RGBQUAD a = src[run.i0], b = src[run.i1];
        const std::uint32_t ab = static_cast<std::uint32_t>(a.rgbBlue) << q, db = std::uint32_t{b.rgbBlue} - a.rgbBlue;
        const std::uint32_t ag = static_cast<std::uint32_t>(a.rgbGreen) << q, dg = std::uint32_t{b.rgbGreen} - a.rgbGreen;
        const std::uint32_t ar = static_cast<std::uint32_t>(a.rgbRed) << q, dr = std::uint32_t{b.rgbRed} - a.rgbRed;
        for (int x = run.begin; x < run.end; x += kBlock) {
            for (int l = 0; l < kBlock; ++l) blue[x + l] = ab + db * wx1[x + l];
            for (int l = 0; l < kBlock; ++l) green[x + l] = ag + dg * wx1[x + l];
            for (int l = 0; l < kBlock; ++l) red[x + l] = ar + dr * wx1[x + l];
        }
    }
}

// A row of horizontal blends: each channel's values one after the other, blue, green, red, each
// channel's row `stride` words long (its w columns and the padding).
struct Planes {
    const std::uint32_t* b;
    const std::uint32_t* g;
    const std::uint32_t* r;
};

Planes planesOf(const std::uint32_t* row, int stride)
{
    return {row, row + stride, row + 2 * static_cast<std::ptrdiff_t>(stride)};
}

// One destination row from the horizontal blends of its two source rows (each channel's blends side by
// side): per channel (upper * wy0 + lower * wy1 + half) >> 2q, as 32-bit words alpha | R G B. Plain
// loops over separate channels, so the compiler vectorises them; 64-bit sums beyond 12 fraction bits.
template <class Acc>
void mixRow(const std::uint32_t* upper, const std::uint32_t* lower, std::uint32_t wy0, std::uint32_t wy1, int q,
            std::uint32_t alpha, std::uint32_t* __restrict out, int w)
{
    const Planes u = planesOf(upper, w + kBlock), l = planesOf(lower, w + kBlock);
    const Acc a0 = wy0, a1 = wy1, half = Acc(1) << (2 * q - 1);
    const int shift = 2 * q;
    for (int x = 0; x < w; ++x) {
        const auto b = static_cast<std::uint32_t>((Acc(u.b[x]) * a0 + Acc(l.b[x]) * a1 + half) >> shift) & 0xFFu;
        const auto g = static_cast<std::uint32_t>((Acc(u.g[x]) * a0 + Acc(l.g[x]) * a1 + half) >> shift) & 0xFFu;
        const auto r = static_cast<std::uint32_t>((Acc(u.r[x]) * a0 + Acc(l.r[x]) * a1 + half) >> shift) & 0xFFu;
        out[x] = alpha | (r << 16) | (g << 8) | b;
    }
}

// The same up to 12 fraction bits, in 32 bits with one multiply per channel: upper * wy0 + lower * wy1
// equals (upper << q) + (lower - upper) * wy1 modulo 2^32, and the true sum (at most 255 * 2^24,
// plus half) stays below 2^32, so the wrapped result is exact; so is every channel at most 255.
// Integer work gives the same pixels whichever instructions run it, so the loop is also built for
// AVX2 and picked at load time where the processor has it.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void mixRow32(const std::uint32_t* upper, const std::uint32_t* lower, std::uint32_t wy1, int q, std::uint32_t alpha,
              std::uint32_t* __restrict out, int w)
{
    const Planes u = planesOf(upper, w + kBlock), l = planesOf(lower, w + kBlock);
    const std::uint32_t half = 1u << (2 * q - 1);
    const int shift = 2 * q;
    for (int x = 0; x < w; ++x) {
        const std::uint32_t b = ((u.b[x] << q) + (l.b[x] - u.b[x]) * wy1 + half) >> shift;
        const std::uint32_t g = ((u.g[x] << q) + (l.g[x] - u.g[x]) * wy1 + half) >> shift;
        const std::uint32_t r = ((u.r[x] << q) + (l.r[x] - u.r[x]) * wy1 + half) >> shift;
        out[x] = alpha | (r << 16) | (g << 8) | b;
    }
}

}  // namespace

CBitmapHighQualityDraw::CBitmapHighQualityDraw() = default;
CBitmapHighQualityDraw::~CBitmapHighQualityDraw() = default;

void CBitmapHighQualityDraw::cleanData()
{
    buffer_.clear();
    buffer_.shrink_to_fit();
}

int CBitmapHighQualityDraw::drawHighQualityImage(HDC hdc, RGBQUAD* pixels, __int64 srcW, __int64 srcH, __int64 dstW,
                                                 __int64 dstH, __int64 dstX, __int64 dstY, __int64 flag, int fraction)
{
    covered_.SetRectEmpty();
    CDC* dc = CDC::FromHandle(hdc);
    if (!dc || !pixels || srcW < 1 || srcH < 1 || dstW < 1 || dstH < 1) return 0;
    if (srcW > kMaxSource || srcH > kMaxSource / srcW) return 0;
    const int q = fraction >= 1 && fraction <= 15 ? fraction : 12;
    const CSize surface = cxc::gdi::surfaceSize(*dc);
    if (surface.cx < 1 || surface.cy < 1) return 0;

    // The destination's visible part.
    const long long x0 = std::max<long long>(dstX, 0), y0 = std::max<long long>(dstY, 0);
    const long long x1 = std::min<long long>(cxc::satAdd(dstX, dstW), surface.cx);
    const long long y1 = std::min<long long>(cxc::satAdd(dstY, dstH), surface.cy);
    if (x0 >= x1 || y0 >= y1) return 1;
    const int w = static_cast<int>(x1 - x0), h = static_cast<int>(y1 - y0);

    // The sample point only grows with x: one run per pair of source columns.
    runs_.clear();
    colWeight_.assign(static_cast<size_t>(w) + kBlock, 0);
    for (int x = 0; x < w; ++x) {
        const Tap t = tap(x0 + x - dstX, dstW, srcW, q);
        colWeight_[static_cast<size_t>(x)] = t.w1;
        if (runs_.empty() || runs_.back().i0 != t.i0) runs_.push_back({t.i0, t.i1, x, x + 1});
        else runs_.back().end = x + 1;
    }
    const std::uint32_t one = 1u << q;
    auto row = [&](int r) -> const RGBQUAD* {
        const long long stored = flag == 1 ? srcH - 1 - r : r;
        return pixels + stored * srcW;
    };
    // The horizontal blend a * wx0 + b * wx1 of a source row at every column, per channel (below
    // 2^24, so exact in 32 bits), is the same for every destination row that samples that row: it
    // is kept for the two source rows in use, blue, green and red each in a run of its own.
    rowKey_[0] = rowKey_[1] = -1;
    auto blended = [&](int r, int keep) -> const std::uint32_t* {
        for (int k = 0; k < 2; ++k)
            if (rowKey_[k] == r) return rowBlend_[k].data();
        const int k = rowKey_[0] == keep ? 1 : 0;
        std::vector<std::uint32_t>& out = rowBlend_[k];
        const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(w) + kBlock;
        out.resize(3 * static_cast<size_t>(stride));
        std::uint32_t* blue = out.data();
        blendRow(row(r), runs_.data(), runs_.size(), colWeight_.data(), q, blue, blue + stride, blue + 2 * stride);
        rowKey_[k] = r;
        return out.data();
    };
    // Straight into the picture when the DC lends its pixels; otherwise through a block of our own
    // and StretchDIBits (RGBQUAD words with a zero reserved byte).
    const cxc::gdi::DirectPixels direct = cxc::gdi::directPixels(*dc);
    const bool inPlace = direct && direct.width == surface.cx && direct.height == surface.cy;
    if (!inPlace) buffer_.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        const Tap ty = tap(y0 + y - dstY, dstH, srcH, q);
        const std::uint32_t* upper = blended(ty.i0, ty.i1);
        const std::uint32_t* lower = blended(ty.i1, ty.i0);
        const std::uint32_t wy1 = ty.w1, wy0 = one - wy1;
        std::uint32_t* out = inPlace ? direct.bits + (y0 + y) * direct.stride + x0
                                     : buffer_.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
        const std::uint32_t alpha = inPlace ? 0xFF000000u : 0u;
        if (q <= 12) mixRow32(upper, lower, wy1, q, alpha, out, w);
        else mixRow<std::uint64_t>(upper, lower, wy0, wy1, q, alpha, out, w);
    }
    if (inPlace) {
        covered_.SetRect(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1), static_cast<int>(y1));
        return 1;
    }

    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return StretchDIBits(hdc, static_cast<int>(x0), static_cast<int>(y0), w, h, 0, 0, w, h, buffer_.data(), &info,
                         DIB_RGB_COLORS, SRCCOPY) > 0
               ? 1
               : 0;
}
