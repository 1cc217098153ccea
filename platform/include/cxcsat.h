// The one way a double becomes an integer in this project, and saturating 64-bit arithmetic.
// C++ leaves a cast undefined for NaN, infinity and values that do not fit; coupling data may hold
// all three, and users type anything into the edits. So:
//   NaN gives 0; values beyond the target type saturate at its limits; in-range values truncate
//   toward zero exactly as a cast does.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace cxc {

template <class I>
constexpr I saturate(double v) noexcept
{
    static_assert(std::is_integral_v<I>, "saturate converts to an integer type");
    using L = std::numeric_limits<I>;
    if (v != v) return I(0);
    // The limits as doubles: lo is exact (0 or -2^(n-1)), hi is the exclusive bound 2^n or 2^(n-1).
    constexpr double lo = static_cast<double>(L::min());
    constexpr double hi = std::is_signed_v<I> ? -static_cast<double>(L::min())
                                              : 2.0 * static_cast<double>(L::max() / 2 + 1);
    if (v <= lo) return L::min();
    if (v >= hi) return L::max();
    return static_cast<I>(v);
}

// int and 64-bit shorthands, the forms almost every caller needs.
constexpr int toInt(double v) noexcept { return saturate<int>(v); }
constexpr std::int64_t toInt64(double v) noexcept { return saturate<std::int64_t>(v); }

// Pixel coordinates that are not clamped to a surface saturate far outside any bitmap, so the
// clipping of the drawing primitives stays exact and their arithmetic cannot overflow.
inline constexpr double kCoordLimit = 1073741824.0;  // 2^30
constexpr int toCoord(double v) noexcept
{
    if (v != v) return 0;
    if (v <= -kCoordLimit) return -static_cast<int>(kCoordLimit);
    if (v >= kCoordLimit) return static_cast<int>(kCoordLimit);
    return static_cast<int>(v);
}

// A 64-bit integer as a narrower integer type, saturating at its limits.
template <class I>
constexpr I narrow(std::int64_t v) noexcept
{
    static_assert(std::is_integral_v<I> && std::is_signed_v<I>, "narrow converts to a signed integer type");
    using L = std::numeric_limits<I>;
    if (v < static_cast<std::int64_t>(L::min())) return L::min();
    if (v > static_cast<std::int64_t>(L::max())) return L::max();
    return static_cast<I>(v);
}

// A pixel coordinate from 64-bit arithmetic, saturated at +-2^30 as toCoord does for doubles.
constexpr int toCoord64(std::int64_t v) noexcept
{
    constexpr std::int64_t lim = static_cast<std::int64_t>(kCoordLimit);
    return static_cast<int>(v < -lim ? -lim : v > lim ? lim : v);
}

// Clamps in double, then converts: for a finite value the result equals clamping the truncated
// value; NaN gives lo.
constexpr int clampToInt(double v, int lo, int hi) noexcept
{
    if (!(v >= static_cast<double>(lo))) return lo;  // also NaN
    if (v >= static_cast<double>(hi)) return hi;
    return static_cast<int>(v);
}
constexpr std::int64_t clampToInt64(double v, std::int64_t lo, std::int64_t hi) noexcept
{
    if (!(v >= static_cast<double>(lo))) return lo;
    if (v >= static_cast<double>(hi)) return hi;
    return saturate<std::int64_t>(v);
}

// 64-bit sums and differences that stop at the limits instead of wrapping (undefined in C++).
constexpr std::int64_t satAdd(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) return b > 0 ? std::numeric_limits<std::int64_t>::max()
                                                       : std::numeric_limits<std::int64_t>::min();
    return r;
}
constexpr std::int64_t satSub(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t r = 0;
    if (__builtin_sub_overflow(a, b, &r)) return b < 0 ? std::numeric_limits<std::int64_t>::max()
                                                       : std::numeric_limits<std::int64_t>::min();
    return r;
}
constexpr std::int64_t satMul(std::int64_t a, std::int64_t b) noexcept
{
    std::int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) return ((a < 0) != (b < 0)) ? std::numeric_limits<std::int64_t>::min()
                                                                      : std::numeric_limits<std::int64_t>::max();
    return r;
}

}  // namespace cxc
