// Colour index tables: end colours, the diverging pair meeting at white, link ramps off white.
#include <gtest/gtest.h>

#include <memory>

#include "adrcolors.h"
#include "megcolors.h"

namespace {
COLORREF quad(const RGBQUAD& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); }
constexpr COLORREF kWhite = RGB(255, 255, 255);
}  // namespace

TEST(MegColors, SignedTablesRunFromWhiteToRedAndBlue)
{
    auto c = std::make_unique<CMegIndex2Colorqz>();
    const std::pair<COLORREF, COLORREF> ends[] = {
        {c->colPos512[0], kWhite}, {c->colPos512[511], RGB(255, 0, 0)}, {c->colNeg512[0], kWhite},
        {c->colNeg512[511], RGB(0, 0, 255)}, {quad(c->rgbqPos512[511]), RGB(255, 0, 0)}, {quad(c->rgbqNeg512[0]), kWhite},
        {quad(c->rgbqPos768[767]), RGB(128, 0, 0)}, {quad(c->rgbqNeg768[767]), RGB(0, 0, 128)}, {quad(c->rgbqPos768[0]), kWhite}};
    for (size_t k = 0; k < std::size(ends); ++k) EXPECT_EQ(ends[k].first, ends[k].second) << "entry " << k;
    // Warm for positive, cool for negative, all the way.
    for (int i = 1; i < 512; ++i) {
        EXPECT_GE(GetRValue(c->colPos512[i]), GetBValue(c->colPos512[i]));
        EXPECT_GE(GetBValue(c->colNeg512[i]), GetRValue(c->colNeg512[i]));
    }
    EXPECT_EQ(c->rgbqPos512[100].rgbReserved, 0);
}

TEST(AdrColors, RampEndsAndNoLinkRampStartsAtWhite)
{
    auto c = std::make_unique<CADRindex2Colorqz>();
    const std::pair<COLORREF, COLORREF> ends[] = {
        {c->ramp768Pos[767], RGB(128, 0, 0)}, {c->ramp768Neg[767], RGB(0, 0, 128)}, {c->ramps256[0][0], RGB(192, 192, 192)},
        {c->ramps256[0][255], RGB(255, 0, 0)}, {c->ramps256[1][255], RGB(0, 0, 255)}, {c->ramps256[2][0], RGB(255, 255, 0)},
        {c->ramps256[3][255], RGB(0, 0, 255)}, {c->ramps256[4][255], RGB(0, 0, 0)}, {c->ramps256[6][255], RGB(255, 0, 255)},
        {c->ramps256[7][0], RGB(0, 0, 255)}, {c->ramps256[7][255], RGB(255, 0, 0)}, {c->ramp512[0], RGB(0, 0, 255)},
        {c->ramp512[511], RGB(255, 0, 0)}, {c->ramp768[0], RGB(0, 0, 255)}, {c->ramp768[767], RGB(255, 0, 0)},
        {c->ramp1024[0], RGB(0, 0, 128)}, {c->ramp1024[1023], RGB(128, 0, 0)}};
    for (size_t k = 0; k < std::size(ends); ++k) EXPECT_EQ(ends[k].first, ends[k].second) << "entry " << k;
    for (COLORREF start : {c->ramp768Pos[0], c->ramp768Neg[0], c->ramp512[0], c->ramp768[0], c->ramp1024[0]})
        EXPECT_NE(start, kWhite);
    for (int r = 0; r < 8; ++r)
        for (int i = 0; i < 256; ++i) EXPECT_NE(c->ramps256[r][i], kWhite) << r << " " << i;
    // The polarity pairs are warm and cool at their strong ends.
    const int pairs[][2] = {{2, 3}, {6, 5}, {0, 1}};
    for (const auto& p : pairs) {
        const COLORREF warm = c->ramps256[p[0]][255], cool = c->ramps256[p[1]][255];
        EXPECT_GE(GetRValue(warm), GetBValue(warm));
        EXPECT_GT(GetRValue(warm), GetGValue(warm));
        EXPECT_GE(GetGValue(cool) + GetBValue(cool), GetRValue(cool));
    }
}
