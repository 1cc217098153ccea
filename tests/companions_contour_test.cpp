// Contour tracing by marching squares (its limits) and drawing the traced lines.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "contourlines.h"
#include "datagrid.h"
#include "gdi_canvas.h"

using testgdi::Canvas;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = testgdi::kWhite;

// A grid with points at (i, j) and the given values, row j = 0 first.
void makeGrid(CDataGridRect& g, int nx, int ny, std::initializer_list<double> values)
{
    g.initDataGridRect(nx, ny);
    auto v = values.begin();
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            g.points[i][j] = GridPoint{static_cast<double>(i), static_cast<double>(j)};
            g.values[i][j] = *v++;
        }
}

// Traces the grid at the levels of initLevelAbs(threshold, maximum, count).
void trace(CContourLineMapqz& c, CDataGridRect& g, double threshold, double maximum, int count)
{
    c.initLevelAbs(threshold, maximum, count);
    c.dataGrid2ContourLinePro(&g);
}

}  // namespace

TEST(ContourLevels, OneLevelLiesAtTheThresholdAndCountsOrBoundsOutsideTheLimitsAreRefused)
{
    CContourLineMapqz c;
    EXPECT_EQ(c.initLevelAbs(3.0, 9.0, 1), 1);
    EXPECT_DOUBLE_EQ(c.levelAt(0), 3.0);
    for (int n : {0, 1001, 2000000000}) EXPECT_EQ(c.initLevelAbs(0.0, 1.0, n), 0) << n;
    EXPECT_EQ(c.initLevelAbs(std::nan(""), 1.0, 4), 0);
    EXPECT_EQ(c.initLevelAbs(0.0, INFINITY, 4), 0);
    EXPECT_EQ(c.levelCount, 0);
}

TEST(ContourTrace, EqualLevelsOnceAndNothingFromNonFiniteCellsOrWithoutLevelsGridOrValues)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CDataGridRect g;
    makeGrid(g, 2, 2, {-1, 1, -1, 1});
    CContourLineMapqz c;
    trace(c, g, 0.0, 0.0, 3);  // three equal levels of 0: traced once
    ASSERT_EQ(c.segCount, 1);
    EXPECT_EQ(c.segments[0].sign, 1);
    c._clean();  // drops the lines
    EXPECT_EQ(c.segCount, 0);
    EXPECT_EQ(c.segments, nullptr);

    makeGrid(g, 3, 2, {0, 2, nan, 0, 2, 0});
    EXPECT_EQ(CContourLineMapqz().dataGrid2ContourLinePro(&g), 0);  // no levels yet
    trace(c, g, 1.0, 1.0, 1);
    ASSERT_EQ(c.segCount, 1);  // the cell with the NaN corner is skipped
    EXPECT_DOUBLE_EQ(c.segments[0].x1, 0.5);
    g.points[0][0].x = INFINITY;
    c.dataGrid2ContourLinePro(&g);
    EXPECT_EQ(c.segCount, 0);
    EXPECT_EQ(c.segments, nullptr);

    makeGrid(g, 2, 2, {0, 2, 0, 2});
    EXPECT_EQ(c.dataGrid2ContourLinePro(nullptr), 0);
    CDataGridRect thin;
    makeGrid(thin, 1, 2, {0, 2});
    EXPECT_EQ(c.dataGrid2ContourLinePro(&thin), 0);
    EXPECT_EQ(c.initLevelAbs(1.0, 1.0, 5000), 0);
    EXPECT_EQ(c.dataGrid2ContourLinePro(&g), 0);
    EXPECT_EQ(c.segCount, 0);
    EXPECT_EQ(c.segments, nullptr);
}

TEST(ContourDraw, SegmentsMappedLikeTheSensorsWithOnePenPerSignMirroredAndLabelled)
{
    // +1 crosses at x = 0.5 and 1.5, -1 at 1.5 and 2.5, each from y = 0 to 1.
    CDataGridRect g;
    makeGrid(g, 4, 2, {0, 2, -2, 0, 0, 2, -2, 0});
    CContourLineMapqz c;
    Canvas canvas(100, 100), mirrored(100, 100), labelled(100, 100);
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    EXPECT_EQ(c.drawMap(&canvas.dc, 0, 0, 1, 1, 20, 20, false, false, &red, &red), 0);  // no lines yet
    trace(c, g, 1.0, 1.0, 1);
    ASSERT_EQ(c.segCount, 4);
    CPen* before = canvas.dc.GetCurrentPen();
    EXPECT_EQ(c.drawMap(&canvas.dc, 10, 10, 10.0, 10.0, 100, 100, false, false, &red, &blue), 1);
    EXPECT_EQ(canvas.dc.GetCurrentPen()->GetSafeHandle(), before->GetSafeHandle());
    // x = 0.5 -> 15; y from 0 -> 90 up to 1 -> 80 (the end pixel left out).
    // x = 2.5 at -1 -> 35; mirrored about the width, 85 and 65.
    c.drawMap(&mirrored.dc, 10, 10, 10.0, 10.0, 100, 100, true, false, &red, &blue);
    for (auto [p, x, y, colour] : {std::tuple{&canvas, 15, 90, kRed}, {&canvas, 15, 81, kRed},
                                   {&canvas, 15, 80, kWhite}, {&canvas, 35, 85, kBlue},
                                   {&mirrored, 85, 85, kRed}, {&mirrored, 65, 85, kBlue},
                                   {&mirrored, 15, 85, kWhite}})
        EXPECT_EQ(p->at(x, y), colour) << x << "," << y;
    // Level labels only when asked, with the background mode put back.
    c.drawMap(&labelled.dc, 10, 10, 10.0, 10.0, 100, 100, false, true, &red, &blue);
    EXPECT_GT(labelled.countNot(testgdi::kWhite), canvas.countNot(testgdi::kWhite));
    EXPECT_EQ(labelled.dc.GetBkMode(), canvas.dc.GetBkMode());

    EXPECT_EQ(c.drawMap(nullptr, 0, 0, 1, 1, 20, 20, false, false, &red, &red), 0);
    // Scales that overflow any coordinate are drawn far outside, never undefined.
    Canvas small(20, 20);
    EXPECT_EQ(c.drawMap(&small.dc, 0, 0, 1e300, -1e300, 20, 20, true, false, &red, &red), 1);
    EXPECT_EQ(small.count(kRed), 0);
}
