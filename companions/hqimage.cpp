#include "hqimage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr long long kMaxSource = 1LL << 28;  // pixels, as StretchDIBits accepts

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
    const int i0 = static_cast<int>(base);
    const int i1 = static_cast<int>(std::min<long long>(i0 + 1, m - 1));
    const auto w1 = static_cast<std::uint32_t>(std::lround((s - base) * static_cast<double>(1u << q)));
    return {i0, i1, w1};
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

    std::vector<Tap> cols(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) cols[static_cast<size_t>(x)] = tap(x0 + x - dstX, dstW, srcW, q);
    buffer_.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
    const std::uint64_t one = 1ull << q;
    const std::uint64_t half = 1ull << (2 * q - 1);
    auto row = [&](int r) {
        const long long stored = flag == 1 ? srcH - 1 - r : r;
        return pixels + stored * srcW;
    };
    for (int y = 0; y < h; ++y) {
        const Tap ty = tap(y0 + y - dstY, dstH, srcH, q);
        const RGBQUAD* top = row(ty.i0);
        const RGBQUAD* bottom = row(ty.i1);
        const std::uint64_t wy1 = ty.w1, wy0 = one - wy1;
        RGBQUAD* out = buffer_.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
        for (int x = 0; x < w; ++x) {
            const Tap& tx = cols[static_cast<size_t>(x)];
            const std::uint64_t wx1 = tx.w1, wx0 = one - wx1;
            const RGBQUAD a = top[tx.i0], b = top[tx.i1], c = bottom[tx.i0], d = bottom[tx.i1];
            auto mix = [&](BYTE pa, BYTE pb, BYTE pc, BYTE pd) {
                const std::uint64_t upper = pa * wx0 + pb * wx1, lower = pc * wx0 + pd * wx1;
                return static_cast<BYTE>((upper * wy0 + lower * wy1 + half) >> (2 * q));
            };
            out[x] = RGBQUAD{mix(a.rgbBlue, b.rgbBlue, c.rgbBlue, d.rgbBlue),
                             mix(a.rgbGreen, b.rgbGreen, c.rgbGreen, d.rgbGreen),
                             mix(a.rgbRed, b.rgbRed, c.rgbRed, d.rgbRed), 0};
        }
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
