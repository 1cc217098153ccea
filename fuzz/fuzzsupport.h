// Shared by the fuzz targets: the application started headless once per process (offscreen Qt, the
// module's resources), and the doubles a hostile data set is made of.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <limits>

#include "cxcharness.h"
#include "cxcplatform.h"
#include "moduleresources.h"

namespace cxcfuzz {

inline void startHeadless(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    cxc::platform::initApplication(*argc, *argv, /*headless*/ true);
    if (!cxc::resources::joinResourceChain()) std::abort();
    // Fonts are found and cached on their first use; done here, that is not taken for a leak of
    // the first input that draws a text.
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 8, 8);
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.TextOut(0, 0, CString(L"Arial"));
    dc.SelectObject(old);
}

// A value as bad data may hold it: ordinary small numbers most of the time, else zero, the
// signed extremes, infinities or NaN.
inline double hostileDouble(FuzzedDataProvider& in)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    switch (in.ConsumeIntegralInRange<int>(0, 15)) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return kInf;
    case 2: return -kInf;
    case 3: return std::numeric_limits<double>::max();
    case 4: return -std::numeric_limits<double>::max();
    case 5: return std::numeric_limits<double>::denorm_min();
    case 6: return 0.0;
    case 7: return 1e300;
    case 8: return -1e19;
    default: return in.ConsumeFloatingPointInRange<double>(-4.0, 4.0);
    }
}

// An integer that is usually small but may sit at either end of 64 bits.
inline long long hostileIndex(FuzzedDataProvider& in, long long small)
{
    switch (in.ConsumeIntegralInRange<int>(0, 9)) {
    case 0: return std::numeric_limits<long long>::max();
    case 1: return std::numeric_limits<long long>::min();
    case 2: return -1;
    case 3: return in.ConsumeIntegral<long long>();
    default: return in.ConsumeIntegralInRange<long long>(0, small);
    }
}

}  // namespace cxcfuzz
