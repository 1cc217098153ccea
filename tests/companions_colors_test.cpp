// Colour index tables (end colours, the diverging pair meeting at white, link ramps off white), and
// high-quality stretching: bilinear resampling of a small image, bit for bit, and its clipping.
#include <gtest/gtest.h>

#include <memory>

#include "adrcolors.h"
#include "gdi_canvas.h"
#include "hqimage.h"
#include "megcolors.h"

using testgdi::Canvas;

namespace {

COLORREF quad(const RGBQUAD& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); }
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 2 x 2 image, top row first: red 0 and 200, then 100 and 50; green and blue fixed.
RGBQUAD kTopDown[4] = {{10, 20, 0, 0}, {10, 20, 200, 0}, {10, 20, 100, 0}, {10, 20, 50, 0}};
RGBQUAD kBottomUp[4] = {{10, 20, 100, 0}, {10, 20, 50, 0}, {10, 20, 0, 0}, {10, 20, 200, 0}};

}  // namespace

// The centre-aligned sampling shows in the field maps' snapshots.
TEST(HighQualityStretch, TwoByTwoToFourByFourIsTheSameInEitherRowOrder)
{
    Canvas c(8, 8), up(8, 8);
    CBitmapHighQualityDrawqz hq;
    ASSERT_EQ(hq.drawHighQualityImage(c.dc.GetSafeHdc(), kTopDown, 2, 2, 4, 4, 1, 2, 0, 12), 1);
    ASSERT_EQ(hq.drawHighQualityImage(up.dc.GetSafeHdc(), kBottomUp, 2, 2, 4, 4, 1, 2, 1, 12), 1);  // bottom-up rows
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(up.at(1 + x, 2 + y), c.at(1 + x, 2 + y)) << x << "," << y;
    EXPECT_EQ(GetRValue(c.at(2, 3)), 59);  // 59.375 between all four
    EXPECT_EQ(GetRValue(c.at(4, 2)), 200); // the corners keep their colours
    EXPECT_EQ(c.at(0, 0), testgdi::kWhite);
    EXPECT_EQ(c.at(5, 2), testgdi::kWhite);
}

TEST(HighQualityStretch, ClippedToThePictureWithTheSameValuesAndRefusalsLetTheCallerFallBack)
{
    Canvas whole(8, 8), clipped(8, 8);
    CBitmapHighQualityDrawqz hq;
    hq.drawHighQualityImage(whole.dc.GetSafeHdc(), kTopDown, 2, 2, 8, 8, 0, 0, 0, 12);
    hq.drawHighQualityImage(clipped.dc.GetSafeHdc(), kTopDown, 2, 2, 8, 8, -3, -2, 0, 12);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(clipped.at(x, y), whole.at(x + 3, y + 2)) << x << "," << y;
    // A destination of a billion pixels a side costs only the visible part.
    const HDC dc = clipped.dc.GetSafeHdc();
    EXPECT_EQ(hq.drawHighQualityImage(dc, kTopDown, 2, 2, 1000000000, 1000000000, -500000000, -500000000, 0, 12), 1);
    EXPECT_EQ(hq.drawHighQualityImage(dc, kTopDown, 2, 2, 4, 4, 100, 100, 0, 12), 1);
    hq.cleanData();

    Canvas c(4, 4);
    const HDC fresh = c.dc.GetSafeHdc();
    EXPECT_EQ(hq.drawHighQualityImage(nullptr, kTopDown, 2, 2, 4, 4, 0, 0, 1, 12), 0);
    EXPECT_EQ(hq.drawHighQualityImage(reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7777)), kTopDown, 2, 2, 4, 4, 0, 0, 1, 12), 0);
    EXPECT_EQ(hq.drawHighQualityImage(fresh, nullptr, 2, 2, 4, 4, 0, 0, 1, 12), 0);
    EXPECT_EQ(hq.drawHighQualityImage(fresh, kTopDown, 0, 2, 4, 4, 0, 0, 1, 12), 0);
    EXPECT_EQ(hq.drawHighQualityImage(fresh, kTopDown, 2, 2, 4, -4, 0, 0, 1, 12), 0);
    EXPECT_EQ(c.countNot(testgdi::kWhite), 0);
    // A fraction out of range falls back to 12 bits.
    EXPECT_EQ(hq.drawHighQualityImage(fresh, kTopDown, 2, 2, 4, 4, 0, 0, 0, 99), 1);
    EXPECT_EQ(GetRValue(c.at(1, 1)), 59);
}

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
