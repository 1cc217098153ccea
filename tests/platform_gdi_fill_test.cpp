// Rectangles: FillSolidRect and InvertRect bounds, and the background colour FillSolidRect leaves behind.
#include <gtest/gtest.h>

#include <climits>

#include "gdi_canvas.h"

namespace {

using namespace testgdi;

struct RectCase {
    int x, y, cx, cy;
    std::string picture;  // '#' filled
};
class FillSolidRectBounds : public ::testing::TestWithParam<RectCase> {};

TEST_P(FillSolidRectBounds, FillsUpToNotIncludingRightAndBottom)
{
    const RectCase& c = GetParam();
    Canvas canvas(6, 4);
    canvas.dc.FillSolidRect(c.x, c.y, c.cx, c.cy, kRed);
    EXPECT_EQ(canvas.picture(kRed), c.picture);
}

INSTANTIATE_TEST_SUITE_P(Gdi, FillSolidRectBounds,
                         ::testing::Values(RectCase{1, 1, 3, 2, pic({"......", ".###..", ".###..", "......"})},
                                           RectCase{0, 0, 1, 1, pic({"#.....", "......", "......", "......"})},
                                           RectCase{2, 1, 0, 2, pic({"......", "......", "......", "......"})},
                                           RectCase{4, 3, -3, -2, pic({"......", ".###..", ".###..", "......"})},
                                           RectCase{-3, -3, 5, 5, pic({"##....", "##....", "......", "......"})},
                                           // x + cx beyond INT_MAX must not wrap around to the left.
                                           RectCase{2, 1, INT_MAX, INT_MAX, pic({"......", "..####", "..####", "..####"})}));

TEST(FillSolidRect, LeavesTheBackgroundColourSetToTheFillColour)
{
    Canvas canvas(30, 20);
    canvas.dc.SetBkColor(kWhite);
    canvas.dc.FillSolidRect(0, 0, 1, 1, RGB(0, 200, 0));
    EXPECT_EQ(canvas.dc.GetBkColor(), RGB(0, 200, 0));

    // It shows in the gaps of an opaque dashed line drawn afterwards.
    CPen dash(PS_DASH, 1, kBlack);
    CPen* old = canvas.dc.SelectObject(&dash);
    canvas.dc.MoveTo(0, 10);
    canvas.dc.LineTo(30, 10);
    EXPECT_EQ(canvas.at(20, 10), RGB(0, 200, 0));
    canvas.dc.SelectObject(old);
}

struct InvertCase {
    RECT rect;
    std::string picture;  // '#' inverted (white became black)
};
class InvertRectBounds : public ::testing::TestWithParam<InvertCase> {};

TEST_P(InvertRectBounds, InvertsUpToNotIncludingRightAndBottom)
{
    Canvas canvas(6, 4);
    canvas.dc.InvertRect(&GetParam().rect);
    EXPECT_EQ(canvas.picture(kBlack), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(Gdi, InvertRectBounds,
                         ::testing::Values(InvertCase{{1, 1, 4, 3}, pic({"......", ".###..", ".###..", "......"})},
                                           InvertCase{{5, 3, 6, 4}, pic({"......", "......", "......", ".....#"})},
                                           InvertCase{{3, 0, 3, 4}, pic({"......", "......", "......", "......"})},
                                           InvertCase{{4, 3, 1, 1}, pic({"......", ".###..", ".###..", "......"})},
                                           InvertCase{{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, pic({"######", "######", "######", "######"})}));

TEST(InvertRect, NullRectDoesNothing)
{
    Canvas canvas(4, 4, RGB(0x12, 0x34, 0x56));
    canvas.dc.InvertRect(nullptr);
    EXPECT_EQ(canvas.count(RGB(0x12, 0x34, 0x56)), 16);
}

}  // namespace
