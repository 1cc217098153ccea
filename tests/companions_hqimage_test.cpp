// High-quality stretching: bilinear resampling of a small image, bit for bit, and its clipping.
#include <gtest/gtest.h>

#include "gdi_canvas.h"
#include "hqimage.h"

using testgdi::Canvas;

namespace {

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
