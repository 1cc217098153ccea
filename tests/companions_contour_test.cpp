// The data grid's tables (sizes, limits, zero fill, reuse, release), contour tracing by marching squares
// (its limits) and drawing the traced lines.
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

TEST(ContourTrace, EqualLevelsOnceNothingFromNonFiniteCellsOrWithoutLevelsGridOrValuesAndSegmentsUpToTheLimit)
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

    // 2000 traces over 1098 finite cells: more segments than may be kept, the first traces kept in order.
    g.initDataGridRect(2, 1100);
    for (int j = 0; j < 1100; ++j)
        for (int i : {0, 1}) g.points[i][j] = GridPoint{1.0 * i, 1.0 * j}, g.values[i][j] = 2.0 * i - 1.0;
    g.values[0][0] = nan;
    trace(c, g, 0.001, 0.999, 1000);
    ASSERT_EQ(c.segCount, CContourLineMapqz::kMaxSegments);
    EXPECT_EQ(c.segments[1098].sign, -1);  // the NaN cell skipped: the second trace begins here
}

TEST(ContourDraw, SegmentsMappedLikeTheSensorsWithOnePenPerSignAndLabelled)
{
    // +1 crosses at x = 0.5 and 1.5, -1 at 1.5 and 2.5, each from y = 0 to 1.
    CDataGridRect g;
    makeGrid(g, 4, 2, {0, 2, -2, 0, 0, 2, -2, 0});
    CContourLineMapqz c;
    Canvas canvas(100, 100), labelled(100, 100);
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    EXPECT_EQ(c.drawMap(&canvas.dc, 0, 0, 1, 1, 20, 20, false, false, &red, &red), 0);  // no lines yet
    trace(c, g, 1.0, 1.0, 1);
    ASSERT_EQ(c.segCount, 4);
    CPen* before = canvas.dc.GetCurrentPen();
    EXPECT_EQ(c.drawMap(&canvas.dc, 10, 10, 10.0, 10.0, 100, 100, false, false, &red, &blue), 1);
    EXPECT_EQ(canvas.dc.GetCurrentPen()->GetSafeHandle(), before->GetSafeHandle());
    // x = 0.5 -> 15; y from 0 -> 90 up to 1 -> 80 (the end pixel left out); x = 2.5 at -1 -> 35.
    // The mirrored map shows in the snapshots.
    for (auto [x, y, colour] : {std::tuple{15, 90, kRed}, {15, 81, kRed}, {15, 80, kWhite}, {35, 85, kBlue}})
        EXPECT_EQ(canvas.at(x, y), colour) << x << "," << y;
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

TEST(DataGrid, TablesOfTheRequestedSizeAllZeroKeptForTheSameSize)
{
    CDataGridRect g;
    double** v = g.initDataGridRect(3, 5);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v, g.values);
    EXPECT_EQ(g.nx, 3);
    EXPECT_EQ(g.ny, 5);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 5; ++j)
            EXPECT_TRUE(g.values[i][j] == 0.0 && g.points[i][j].x == 0.0 && g.weights[i][j].k == 0 &&
                        g.weights[i][j].rows == nullptr);
    EXPECT_EQ(g.xAxis[2], 0.0);
    EXPECT_EQ(g.yAxis[4], 0.0);
    g.values[1][2] = 7.0;
    EXPECT_EQ(g.initDataGridRect(3, 5), v);
    EXPECT_EQ(g.values[1][2], 7.0);
    g.initDataGridRect(2, 6);
    EXPECT_EQ(g.nx, 2);
    EXPECT_EQ(g.ny, 6);
    EXPECT_EQ(g.values[1][5], 0.0);
}

TEST(DataGrid, RefusedSizesLeaveNoTables)
{
    struct GridSize {
        int nx, ny;
        bool made;
    };
    for (const GridSize& s : {GridSize{0, 5, false}, {5, 0, false}, {-3, 4, false}, {4097, 1, false}, {1, 4097, false},
                              {4096, 4097, false}, {4096, 4096, true}, {4096, 4, true}, {1, 1, true},
                              {2147483647, 2147483647, false}}) {
        CDataGridRect g;
        g.initDataGridRect(8, 8);
        EXPECT_EQ(g.initDataGridRect(s.nx, s.ny) != nullptr, s.made) << s.nx << " x " << s.ny;
        if (!s.made) {
            EXPECT_TRUE(!g.points && !g.weights && !g.values && g.nx == 0 && g.ny == 0) << s.nx << " x " << s.ny;
        }
    }
}

TEST(DataGrid, WeightCellsOwnTheirArraysAndTheSensorTableIsReusedWhenLargeEnough)
{
    CDataGridRect g;
    g.initDataGridRect(2, 2);
    const int rows[] = {0, 0}, cols[] = {3, 5};
    const double w[] = {0.25, 0.75};
    EXPECT_EQ(g.weights[1][1].assign(2, rows, cols, w), 1);  // its copy shows in the field maps
    EXPECT_EQ(g.weights[1][1].assign(0, rows, cols, w), 0);
    EXPECT_EQ(g.weights[1][1].k, 0);
    EXPECT_EQ(g.weights[1][1].w, nullptr);
    g.weights[0][0].assign(1, rows, cols, w);
    g.cleanDataGridRect();  // frees the cells' arrays too (LSan checks)
    EXPECT_EQ(g.weights, nullptr);

    EXPECT_EQ(g.checkInitSnsrLoc2D(0), nullptr);
    SnsrLocIndx* t = g.checkInitSnsrLoc2D(10);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t, g.snsrLoc);
    EXPECT_EQ(t[9].chnl, 0);
    t[3].x = 4.5;
    g.snsrCount = 4;
    EXPECT_EQ(g.checkInitSnsrLoc2D(6), t);
    EXPECT_EQ(t[3].x, 4.5);
    EXPECT_EQ(g.snsrCount, 4);
    SnsrLocIndx* bigger = g.checkInitSnsrLoc2D(20);
    ASSERT_NE(bigger, nullptr);
    EXPECT_EQ(g.snsrCount, 0);
    EXPECT_EQ(bigger[19].x, 0.0);
    g.cleanSnsrLoc2D();
    EXPECT_EQ(g.snsrLoc, nullptr);
    EXPECT_EQ(g.snsrCount, 0);
}
