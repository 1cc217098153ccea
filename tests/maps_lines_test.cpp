// The line layer: lines kept until the next tracing, and none without levels or grid values.
#include <memory>

#include "gdi_canvas.h"
#include "linecore.h"
#include "maps_fixture.h"

namespace {

using namespace maptest;

// Both signs over the square: sensors 1 and 3 hold 0.8, 0 and 2 hold -0.5.
DataSet signs(Modality m = Modality::Meg)
{
    return square(m).diagonal(-0.5).pair(0, 1, 0.8).pair(0, 3, 0.8).pair(0, 2, -0.5).currentColumn(-1);
}

template <class View>
void linesOnly(View& v, int colorScale = 1)
{
    bare(v);
    v.showSensor = 0;
    v.mapMode = MapModeContour;
    v.contourType = 1;
    v.colorScale = colorScale;
}

// The view's grid, ready as the show functions leave it.
template <class R>
void rebuilt(R& r)
{
    r.view.checkInitTrial();
    ASSERT_EQ(r.view.rebuildFieldGrid(), 1);
}

class LineLayer : public MapTest {};

// Any colour scale but black and white draws red and blue lines; the DC's pen comes back.
TEST_F(LineLayer, ScaleTwoDrawsRedAndBlueAndTheDcKeepsItsPen)
{
    MegRig r(signs().build());
    rebuilt(r);
    r.view.colorScale = 2;
    CPen mine(PS_SOLID, 3, RGB(1, 2, 3));
    testgdi::Canvas c(320, 320, kBlack);
    c.dc.SelectObject(&mine);
    ASSERT_EQ(r.view.drawContourLines(&c.dc, 60, 60, 320, 320, 0), 1);
    EXPECT_EQ(c.dc.GetCurrentPen()->GetSafeHandle(), mine.GetSafeHandle());
    EXPECT_GT(c.count(kRed), 20);
    EXPECT_GT(c.count(kBlue), 20);
}

TEST_F(LineLayer, ExistingLinesStayUntilTheNextTracing)
{
    MegRig r(signs().build());
    rebuilt(r);
    linesOnly(r.view);
    r.paint();
    ASSERT_EQ(r.paint(), 1);
    const auto before = r.countAll(kRed);
    const int segments = r.view.contour.segCount;
    r.view.contourThreshold = 0.9 * r.view.grid.fieldMaximum;  // typed after the first drawing
    r.view.contourLevels = 2;
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.view.contour.segCount, segments);
    EXPECT_EQ(r.countAll(kRed), before);
    // An animation step traces again with what is set now.
    ASSERT_EQ(r.view.calcContourLines(r.view.contourThreshold, r.view.grid.fieldMaximum, r.view.contourLevels), 1);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_LT(r.view.contour.segCount, segments);
    EXPECT_LT(r.countAll(kRed), before);
}

TEST_F(LineLayer, NoLevelsNoGridHugeCountsOrNonFiniteBoundsNoLines)
{
    MegRig r(signs().build());
    rebuilt(r);
    linesOnly(r.view);
    r.view.contourLevels = 0;
    testgdi::Canvas canvas(320, 320, kBlack);
    EXPECT_EQ(r.view.drawContourLines(&canvas.dc, 60, 60, 320, 320, 0), 0);
    EXPECT_EQ(r.view.calcContourLines(0.1, 1.0, 0), 0);
    EXPECT_EQ(canvas.count(kBlack), 320 * 320);
    r.paint();
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.countAll(kRed) + r.countAll(kBlue), 0);

    MegRig bare(signs().build());  // a view whose grid was never built
    EXPECT_EQ(bare.view.calcContourLines(0.1, 1.0, 16), 0);
    EXPECT_EQ(bare.view.drawContourLines(&canvas.dc, 60, 60, 320, 320, 0), 0);
    EXPECT_EQ(r.view.drawContourLines(nullptr, 60, 60, 320, 320, 0), 0);
    // Huge level counts and non-finite bounds trace nothing.
    EXPECT_EQ(r.view.calcContourLines(0.1, 1.0, 2000000000), 1);
    EXPECT_FALSE(cxc::maps::holdsContourLines(r.view.contour));
    EXPECT_EQ(r.view.calcContourLines(std::numeric_limits<double>::quiet_NaN(), 1.0, 16), 1);
    EXPECT_FALSE(cxc::maps::holdsContourLines(r.view.contour));
}

}  // namespace
