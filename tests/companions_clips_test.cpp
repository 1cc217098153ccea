// The clip overlay: corner marks copied with the background left out, corners in either order.
#include <gtest/gtest.h>

#include "drawclips.h"
#include "gdi_canvas.h"

using testgdi::Canvas;

namespace {
constexpr COLORREF kGreen = RGB(0, 200, 0);
}  // namespace

TEST(ClipOverlay, FourCornerMarksOverWhatWasThere)
{
    Canvas target(120, 80, kGreen);
    CDrawClipsqz clips;
    ASSERT_EQ(clips.initDcMemor(120, 80, &target.dc, RGB(255, 255, 255), RGB(0, 0, 0)), 1);
    // y1 is the bottom here, as the map painting passes it.
    EXPECT_EQ(clips.transparentClip(10, 60, 90, 10, &target.dc), 1);
    // Arms of min(80, 50) / 8 = 6 px from each corner.
    EXPECT_EQ(target.row(10, testgdi::kBlack).substr(8, 86),
              "..######" + std::string(69, '.') + "######...");
    EXPECT_EQ(target.at(10, 15), testgdi::kBlack);
    EXPECT_EQ(target.at(10, 16), kGreen);
    EXPECT_EQ(target.at(90, 60), testgdi::kBlack);
    EXPECT_EQ(target.at(85, 60), testgdi::kBlack);
    EXPECT_EQ(target.at(84, 60), kGreen);
    EXPECT_EQ(target.at(90, 55), testgdi::kBlack);
    EXPECT_EQ(target.at(50, 35), kGreen);  // the background of the picture stayed out
    EXPECT_EQ(target.count(testgdi::kBlack), 8 * 6 - 4);
}

TEST(ClipOverlay, ArmsKeepWithinFourAndTwentyFourPixels)
{
    Canvas big(400, 400, kGreen), small(40, 40, kGreen);
    CDrawClipsqz clips;
    clips.initDcMemor(400, 400, &big.dc, RGB(255, 255, 255), RGB(0, 0, 0));
    clips.transparentClip(0, 0, 399, 399, &big.dc);
    EXPECT_EQ(big.row(0, testgdi::kBlack).substr(0, 26), std::string(24, '#') + "..");
    clips.initDcMemor(40, 40, &small.dc, RGB(255, 255, 255), RGB(0, 0, 0));
    clips.transparentClip(5, 5, 15, 9, &small.dc);
    EXPECT_EQ(small.row(5, testgdi::kBlack).substr(5, 11), "####...####");  // arms of at least 4
}

TEST(ClipOverlay, ArmsLongerThanTheRectangleStopAtItsEdges)
{
    Canvas target(40, 40, kGreen);
    CDrawClipsqz clips;
    clips.initDcMemor(40, 40, &target.dc, RGB(255, 255, 255), RGB(0, 0, 0));
    // Two pixels wide: the 4-px arms reach past the other side, which the copy leaves out.
    clips.transparentClip(5, 5, 7, 20, &target.dc);
    EXPECT_EQ(target.row(5, testgdi::kBlack).substr(3, 7), "..###..");
    EXPECT_EQ(target.row(20, testgdi::kBlack).substr(3, 7), "..###..");
    EXPECT_EQ(target.row(12, testgdi::kBlack).substr(3, 7), ".......");
    EXPECT_EQ(target.at(5, 8), testgdi::kBlack);
    EXPECT_EQ(target.at(5, 9), kGreen);
    EXPECT_EQ(target.at(7, 17), testgdi::kBlack);
    EXPECT_EQ(target.at(7, 16), kGreen);
}

TEST(ClipOverlay, RefusesWhatCannotBeDrawn)
{
    Canvas target(50, 50);
    CDrawClipsqz clips;
    EXPECT_EQ(clips.transparentClip(1, 1, 20, 20, &target.dc), 0);  // no picture yet
    EXPECT_EQ(clips.initDcMemor(0, 50, &target.dc, 0, 0), 0);
    EXPECT_EQ(clips.initDcMemor(50, 50, nullptr, 0, 0), 0);
    ASSERT_EQ(clips.initDcMemor(50, 50, &target.dc, RGB(255, 255, 255), 0), 1);
    EXPECT_EQ(clips.transparentClip(5, 5, 5, 30, &target.dc), 0);
    EXPECT_EQ(clips.transparentClip(5, 7, 30, 7, &target.dc), 0);
    EXPECT_EQ(clips.transparentClip(5, 5, 30, 30, nullptr), 0);
    // Corners far outside cost nothing and draw only what falls on the picture.
    EXPECT_EQ(clips.transparentClip(-1073741824, -1073741824, 1073741824, 1073741824, &target.dc), 1);
    EXPECT_EQ(target.countNot(testgdi::kWhite), 0);
}

TEST(ClipOverlay, LeavesNoGdiObjectBehind)
{
    const auto before = cxc::gdi::liveCounts();
    {
        Canvas target(60, 60);
        CDrawClipsqz clips;
        for (int k = 0; k < 5; ++k) {
            clips.initDcMemor(60 - k, 60, &target.dc, RGB(255, 255, 255), RGB(255, 0, 0));
            clips.transparentClip(3, 3, 40, 40, &target.dc);
        }
    }
    const auto after = cxc::gdi::liveCounts();
    EXPECT_EQ(after.total(), before.total());
    EXPECT_EQ(after.refusedDeletes, before.refusedDeletes);
}
