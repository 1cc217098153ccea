#include "adrcolors.h"

#include "colorramp.h"

using cxc::ramp::fill;
using cxc::ramp::Rgb;

namespace {
constexpr Rgb kGrey{192, 192, 192}, kRed{255, 0, 0}, kBlue{0, 0, 255}, kYellow{255, 255, 0};
constexpr Rgb kCyan{0, 255, 255}, kBlack{0, 0, 0}, kGreen{0, 255, 0}, kNavy{0, 0, 128}, kDarkRed{128, 0, 0};
constexpr Rgb kLightYellow{255, 240, 170}, kLightCyan{170, 230, 255};
constexpr Rgb kLightGreen{144, 238, 144}, kDarkGreen{0, 100, 0}, kPink{255, 182, 193}, kMagenta{255, 0, 255};
}  // namespace

CADRindex2Colorqz::CADRindex2Colorqz()
{
    fill(ramp768Pos, 768, {kLightYellow, kYellow, kRed, kDarkRed});
    fill(ramp768Neg, 768, {kLightCyan, kCyan, kBlue, kNavy});
    fill(ramps256[0], 256, {kGrey, kRed});
    fill(ramps256[1], 256, {kGrey, kBlue});
    fill(ramps256[2], 256, {kYellow, kRed});
    fill(ramps256[3], 256, {kCyan, kBlue});
    fill(ramps256[4], 256, {kGrey, kBlack});
    fill(ramps256[5], 256, {kLightGreen, kDarkGreen});
    fill(ramps256[6], 256, {kPink, kMagenta});
    fill(ramps256[7], 256, {kBlue, kGreen, kRed});
    fill(ramp512, 512, {kBlue, kCyan, kYellow, kRed});
    fill(ramp768, 768, {kBlue, kCyan, kGreen, kYellow, kRed});
    fill(ramp1024, 1024, {kNavy, kBlue, kCyan, kYellow, kRed, kDarkRed});
}
