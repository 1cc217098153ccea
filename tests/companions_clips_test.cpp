// The clip overlay: corner marks copied with the background left out, corners in either order.
#include <gtest/gtest.h>

#include <tuple>

#include "drawclips.h"
#include "gdi_canvas.h"

using testgdi::Canvas;
using testgdi::kBlack;

namespace {
constexpr COLORREF kGreen = RGB(0, 200, 0);

// Clip marks for the corners (x0, y0) and (x1, y1) over a green picture of w x h.
struct Clipped : Canvas {
    CDrawClipsqz clips;
    Clipped(int w, int h, int x0, int y0, int x1, int y1) : Canvas(w, h, kGreen)
    {
        EXPECT_EQ(clips.initDcMemor(w, h, &dc, RGB(255, 255, 255), RGB(0, 0, 0)), 1);
        EXPECT_EQ(clips.transparentClip(x0, y0, x1, y1, &dc), 1);
    }
};
}  // namespace

TEST(ClipOverlay, FourCornerMarksOverWhatWasThereWithArmsOfAnEighthWithinFourAndTwentyFour)
{
    Clipped c(120, 80, 10, 60, 90, 10);  // y1 is the bottom here, as the map painting passes it
    // Arms of min(80, 50) / 8 = 6 px from each corner.
    EXPECT_EQ(c.row(10, kBlack).substr(8, 86), "..######" + std::string(69, '.') + "######...");
    // The picture's background (50, 35) stayed out.
    for (auto [x, y, colour] : {std::tuple{10, 15, kBlack}, {10, 16, kGreen}, {90, 60, kBlack},
                                {85, 60, kBlack}, {84, 60, kGreen}, {90, 55, kBlack}, {50, 35, kGreen}})
        EXPECT_EQ(c.at(x, y), colour) << x << "," << y;
    EXPECT_EQ(c.count(kBlack), 8 * 6 - 4);

    EXPECT_EQ(Clipped(400, 400, 0, 0, 399, 399).row(0, kBlack).substr(0, 26), std::string(24, '#') + "..");
    EXPECT_EQ(Clipped(40, 40, 5, 5, 15, 9).row(5, kBlack).substr(5, 11), "####...####");  // arms of at least 4

    // Two pixels wide: the 4-px arms reach past the other side, which the copy leaves out.
    Clipped narrow(40, 40, 5, 5, 7, 20);
    for (int y : {5, 20}) EXPECT_EQ(narrow.row(y, kBlack).substr(3, 7), "..###..") << y;
    EXPECT_EQ(narrow.row(12, kBlack).substr(3, 7), ".......");
    for (auto [x, y, colour] : {std::tuple{5, 8, kBlack}, {5, 9, kGreen}, {7, 17, kBlack}, {7, 16, kGreen}})
        EXPECT_EQ(narrow.at(x, y), colour) << x << "," << y;
}

TEST(ClipOverlay, RefusesWhatCannotBeDrawnAndLeavesNoGdiObjectBehind)
{
    const auto before = cxc::gdi::liveCounts();
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
        for (int k = 0; k < 5; ++k) {
            clips.initDcMemor(50 - k, 50, &target.dc, RGB(255, 255, 255), RGB(255, 0, 0));
            clips.transparentClip(3, 3, 40, 40, &target.dc);
        }
    }
    const auto after = cxc::gdi::liveCounts();
    EXPECT_EQ(after.total(), before.total());
    EXPECT_EQ(after.refusedDeletes, before.refusedDeletes);
}
