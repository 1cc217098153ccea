#include "megcolors.h"

#include "colorramp.h"

using cxc::ramp::fill;

namespace {
constexpr cxc::ramp::Rgb kWhite{255, 255, 255}, kYellow{255, 255, 0}, kRed{255, 0, 0}, kDarkRed{128, 0, 0};
constexpr cxc::ramp::Rgb kCyan{0, 255, 255}, kBlue{0, 0, 255}, kNavy{0, 0, 128};
}  // namespace

CMegIndex2Color01Colorref::CMegIndex2Color01Colorref()
{
    fill(colPos512, 512, {kWhite, kYellow, kRed});
    fill(colNeg512, 512, {kWhite, kCyan, kBlue});
}

CMegIndex2Color04RGBQ::CMegIndex2Color04RGBQ()
{
    fill(rgbqPos512, 512, {kWhite, kYellow, kRed});
    fill(rgbqNeg512, 512, {kWhite, kCyan, kBlue});
}

CMegIndex2Color06RGBQsam::CMegIndex2Color06RGBQsam()
{
    fill(rgbqPos768, 768, {kWhite, kYellow, kRed, kDarkRed});
    fill(rgbqNeg768, 768, {kWhite, kCyan, kBlue, kNavy});
}
