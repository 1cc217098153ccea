// The saturating conversions and 64-bit arithmetic, and the CString members the module uses.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <utility>

#include "afxstr.h"
#include "cxcsat.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
using L = std::numeric_limits<std::int64_t>;

TEST(Saturate, MatchesTheCastInRangeNaNGivesZeroAndBeyondSaturatesAlsoIn64BitArithmetic)
{
    for (auto [v, expected] : {std::pair{kNaN, 0}, {kInf, INT_MAX}, {-kInf, INT_MIN}, {1e300, INT_MAX}, {-1e300, INT_MIN},
                               {-0.5, 0}, {0.99, 0}, {-1.99, -1}, {2147483648.0, INT_MAX}, {2147483647.0, INT_MAX},
                               {2147483646.9, 2147483646}, {-2147483648.0, INT_MIN}, {-2147483649.0, INT_MIN}})
        EXPECT_EQ(cxc::toInt(v), expected) << v;
    // 9223372036854775807.0 is 2^63, which no int64 holds.
    for (auto [v, expected] : {std::pair{kNaN, 0LL}, {9.3e18, L::max()}, {-9.3e18, L::min()},
                               {9223372036854775807.0, L::max()}, {-12345678901.7, -12345678901LL}})
        EXPECT_EQ(cxc::toInt64(v), expected) << v;
    EXPECT_EQ(cxc::saturate<unsigned>(-1.0), 0u);
    EXPECT_EQ(cxc::saturate<unsigned>(4294967296.0), 4294967295u);
    EXPECT_EQ(cxc::saturate<unsigned char>(255.9), 255);
    // Coordinates stop at 2^30; clamps happen in double before converting.
    for (auto [v, expected] : {std::pair{kInf, 1 << 30}, {-1e300, -(1 << 30)}, {kNaN, 0}, {-7.9, -7}})
        EXPECT_EQ(cxc::toCoord(v), expected) << v;
    for (auto [v, expected] : {std::pair<long long, int>{1LL << 40, 1 << 30}, {-(1LL << 40), -(1 << 30)}, {-7, -7}})
        EXPECT_EQ(cxc::toCoord64(v), expected) << v;
    for (auto [v, expected] : {std::pair{1e300, 99}, {kNaN, 0}, {-0.5, 0}, {42.7, 42}})
        EXPECT_EQ(cxc::clampToInt(v, 0, 99), expected) << v;
    EXPECT_EQ(cxc::clampToInt64(-kInf, -5, 5), -5);
    for (auto [v, expected] : {std::pair<long long, int>{1LL << 40, INT_MAX}, {-(1LL << 40), INT_MIN},
                               {2147483648LL, INT_MAX}, {-2147483649LL, INT_MIN}, {-12345, -12345}})
        EXPECT_EQ(cxc::narrow<int>(v), expected) << v;
    EXPECT_EQ(cxc::satSub(L::max(), L::min()), L::max());
    EXPECT_EQ(cxc::satSub(L::min(), 1), L::min());
    EXPECT_EQ(cxc::satAdd(L::max(), 1), L::max());
    EXPECT_EQ(cxc::satAdd(L::min(), -1), L::min());
    EXPECT_EQ(cxc::satAdd(40, 2), 42);
    EXPECT_EQ(cxc::satMul(L::max(), -2), L::min());
}

// The module's %I64d formats are pinned by the texts of the window snapshots.
TEST(CStringMembers, LongFormatsGrowTheBufferSlicingNeverReadsPastTheStringAppendingAndUtf8RoundTrip)
{
    CString s;
    s.Format(L"[%s]", std::wstring(5000, L'x').c_str());
    EXPECT_EQ(s.GetLength(), 5002);
    s.AppendFormat(L"%d", 5);
    EXPECT_EQ(s.Right(2), L"]5");
    CString name(L"MLF11");
    EXPECT_EQ(name.Right(4), L"LF11");
    EXPECT_EQ(CString(L"A").Right(4), L"A");
    EXPECT_EQ(CString().Right(4), L"");
    EXPECT_EQ(name.GetAt(1), L'L');
    EXPECT_EQ(name.GetAt(7), L'\0');
    EXPECT_EQ(name.Find(L"F1"), 2);
    EXPECT_EQ(name.Find(L"R"), -1);
    CString t(L"ok");
    EXPECT_TRUE(L"ok" == t);
    t += L'!';
    t = t + CString(L"?");
    EXPECT_EQ(t, L"ok!?");
    EXPECT_FALSE(t.IsEmpty());
    t.Empty();
    EXPECT_TRUE(t.IsEmpty());
    const CString utf(L"Diplay \u00b5V \U0001F600");
    EXPECT_EQ(cxc::fromUtf8(cxc::toUtf8(utf)), utf);
    EXPECT_EQ(cxc::toUtf8(CString(L"abc")), "abc");
}

}  // namespace
