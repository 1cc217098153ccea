#include "colorramp.h"

namespace cxc::ramp {

Rgb at(int i, int n, std::initializer_list<Rgb> anchors)
{
    const Rgb* a = anchors.begin();
    const long long m = static_cast<long long>(anchors.size());
    if (m == 0) return {0, 0, 0};
    if (m == 1 || n <= 1 || i <= 0) return a[0];
    if (i >= n - 1) return a[m - 1];
    // Exact integer arithmetic: entry i sits at i * (m - 1) / (n - 1) anchor steps.
    const long long den = n - 1;
    const long long num = static_cast<long long>(i) * (m - 1);
    const long long k = num / den, rem = num % den;
    const Rgb& p = a[k];
    const Rgb& q = a[k + 1];
    auto mix = [&](int u, int v) {
        const long long scaled = static_cast<long long>(u) * den + static_cast<long long>(v - u) * rem;
        return static_cast<int>((2 * scaled + den) / (2 * den));
    };
    return {mix(p.r, q.r), mix(p.g, q.g), mix(p.b, q.b)};
}

void fill(COLORREF* out, int n, std::initializer_list<Rgb> anchors)
{
    for (int i = 0; i < n; ++i) {
        const Rgb c = at(i, n, anchors);
        out[i] = RGB(c.r, c.g, c.b);
    }
}

void fill(RGBQUAD* out, int n, std::initializer_list<Rgb> anchors)
{
    for (int i = 0; i < n; ++i) {
        const Rgb c = at(i, n, anchors);
        out[i] = RGBQUAD{static_cast<BYTE>(c.b), static_cast<BYTE>(c.g), static_cast<BYTE>(c.r), 0};
    }
}

}  // namespace cxc::ramp
