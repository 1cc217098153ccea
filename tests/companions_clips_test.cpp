// The clip overlay (corner marks copied with the background left out, corners in either order) and the
// pen set-up in headless use.
#include <gtest/gtest.h>

#include <tuple>

#include "drawclips.h"
#include "gdi_canvas.h"
#include "pensetup.h"

using testgdi::Canvas;
using testgdi::kBlack;

namespace {
constexpr COLORREF kGreen = RGB(0, 200, 0);

COLORREF colourOf(const CPen& pen)
{
    LOGPEN lp{};
    pen.GetLogPen(&lp);
    return lp.lopnColor;
}

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

TEST(ClipOverlay, ArmsOfAtLeastFourAndNoneReachingPastTheOtherSide)
{
    // An eighth of the shorter side up to 24, the key colour left out and either corner order show on
    // every map's snapshot.
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

// Replacing the pen with the queued choice and keeping it when cancelled show in the link dialog's tests.
TEST(PenSetup, ANullPenOrAPenInUseIsNotReplaced)
{
    CPenSetupqz setup;
    CPen pen(PS_SOLID, 2, RGB(0, 0, 255));
    CPenSetupqz::queueChoice(LOGPEN{PS_SOLID, {3, 0}, RGB(1, 2, 3)});
    EXPECT_EQ(setup.setupPen(nullptr, nullptr), 0);
    testgdi::Canvas c(4, 4);
    CPen* old = c.dc.SelectObject(&pen);
    EXPECT_EQ(setup.setupPen(&pen, nullptr), 0);
    EXPECT_EQ(colourOf(pen), RGB(0, 0, 255));
    c.dc.SelectObject(old);
}
