// Contour tracing by marching squares: levels, crossings, saddles, non-finite cells and limits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "contourlines.h"
#include "datagrid.h"

namespace {

// A grid with points at (i, j) and the given values[i][j].
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

}  // namespace

TEST(ContourLevels, EvenlyFromThresholdToMaximum)
{
    CContourLineMapqz c;
    EXPECT_EQ(c.initLevelAbs(1.0, 5.0, 5), 1);
    EXPECT_EQ(c.levelCount, 5);
    EXPECT_DOUBLE_EQ(c.levelAt(0), 1.0);
    EXPECT_DOUBLE_EQ(c.levelAt(1), 2.0);
    EXPECT_DOUBLE_EQ(c.levelAt(4), 5.0);
    EXPECT_EQ(c.initLevelAbs(3.0, 9.0, 1), 1);
    EXPECT_DOUBLE_EQ(c.levelAt(0), 3.0);
    EXPECT_EQ(c.initLevelAbs(0.0, 1.0, 0), 0);
    EXPECT_EQ(c.initLevelAbs(0.0, 1.0, 1001), 0);
    EXPECT_EQ(c.initLevelAbs(0.0, 1.0, 2000000000), 0);
    EXPECT_EQ(c.initLevelAbs(std::nan(""), 1.0, 4), 0);
    EXPECT_EQ(c.initLevelAbs(0.0, INFINITY, 4), 0);
    EXPECT_EQ(c.levelCount, 0);
}

TEST(ContourTrace, OneCellWithAKnownCrossing)
{
    // Values 0 on the left column and 2 on the right: level 1 crosses at x = 0.5 from bottom to top.
    CDataGridRect g;
    makeGrid(g, 2, 2, {0, 2, 0, 2});
    CContourLineMapqz c;
    c.initLevelAbs(1.0, 1.0, 1);
    EXPECT_EQ(c.dataGrid2ContourLinePro(&g), 1);
    ASSERT_EQ(c.segCount, 1);  // -1 is never reached
    ASSERT_NE(c.segments, nullptr);
    const Segment& s = c.segments[0];
    EXPECT_DOUBLE_EQ(s.x1, 0.5);
    EXPECT_DOUBLE_EQ(s.x2, 0.5);
    EXPECT_DOUBLE_EQ(std::min(s.y1, s.y2), 0.0);
    EXPECT_DOUBLE_EQ(std::max(s.y1, s.y2), 1.0);
    EXPECT_EQ(s.sign, 1);
}

TEST(ContourTrace, InterpolatesAlongEdgesAndTracesBothSigns)
{
    CDataGridRect g;
    makeGrid(g, 3, 2, {-4, 0, 4,
                       -4, 0, 4});
    CContourLineMapqz c;
    c.initLevelAbs(1.0, 3.0, 2);  // levels 1 and 3, each at + and -
    c.dataGrid2ContourLinePro(&g);
    ASSERT_EQ(c.segCount, 4);
    double xs[4];
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(c.segments[k].x1, c.segments[k].x2);
        xs[k] = c.segments[k].x1 * c.segments[k].sign;
    }
    EXPECT_DOUBLE_EQ(c.segments[0].x1, 1.25);  // +1 between 0 and 4
    EXPECT_EQ(c.segments[0].sign, 1);
    EXPECT_DOUBLE_EQ(c.segments[1].x1, 0.75);  // -1 between -4 and 0
    EXPECT_EQ(c.segments[1].sign, -1);
    EXPECT_DOUBLE_EQ(c.segments[2].x1, 1.75);
    EXPECT_DOUBLE_EQ(c.segments[3].x1, 0.25);
    (void)xs;
}

TEST(ContourTrace, ZeroLevelIsTracedOnce)
{
    CDataGridRect g;
    makeGrid(g, 2, 2, {-1, 1, -1, 1});
    CContourLineMapqz c;
    c.initLevelAbs(0.0, 0.0, 3);  // three equal levels of 0
    c.dataGrid2ContourLinePro(&g);
    ASSERT_EQ(c.segCount, 1);
    EXPECT_EQ(c.segments[0].sign, 1);
    EXPECT_DOUBLE_EQ(c.segments[0].x1, 0.5);
}

TEST(ContourTrace, SaddleFollowsTheMeanOfItsCorners)
{
    // Corners (0,0) and (1,1) high, the other two low: two segments either way.
    CDataGridRect g;
    makeGrid(g, 2, 2, {2, 0, 0, 3});
    CContourLineMapqz c;
    c.initLevelAbs(1.0, 1.0, 1);
    c.dataGrid2ContourLinePro(&g);
    ASSERT_EQ(c.segCount, 2);
    // Mean 1.25 >= 1: the high corners connect, the low corners are cut off.
    for (int k = 0; k < 2; ++k) {
        const Segment& s = c.segments[k];
        const double mx = (s.x1 + s.x2) / 2, my = (s.y1 + s.y2) / 2;
        EXPECT_TRUE((mx > 0.5 && my < 0.5) || (mx < 0.5 && my > 0.5)) << mx << "," << my;
    }
    makeGrid(g, 2, 2, {1.5, 0, 0, 1.5});
    c._clean();
    c.dataGrid2ContourLinePro(&g);
    ASSERT_EQ(c.segCount, 2);
    // Mean 0.75 < 1: the high corners are cut off.
    for (int k = 0; k < 2; ++k) {
        const Segment& s = c.segments[k];
        const double mx = (s.x1 + s.x2) / 2, my = (s.y1 + s.y2) / 2;
        EXPECT_TRUE((mx < 0.5 && my < 0.5) || (mx > 0.5 && my > 0.5)) << mx << "," << my;
    }
}

TEST(ContourTrace, CellsWithANonFiniteCornerAreSkipped)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CDataGridRect g;
    makeGrid(g, 3, 2, {0, 2, nan,
                       0, 2, 0});
    CContourLineMapqz c;
    c.initLevelAbs(1.0, 1.0, 1);
    c.dataGrid2ContourLinePro(&g);
    ASSERT_EQ(c.segCount, 1);
    EXPECT_DOUBLE_EQ(c.segments[0].x1, 0.5);
    g.points[0][0].x = INFINITY;
    c.dataGrid2ContourLinePro(&g);
    EXPECT_EQ(c.segCount, 0);
    EXPECT_EQ(c.segments, nullptr);
}

TEST(ContourTrace, NothingWithoutLevelsGridOrValues)
{
    CDataGridRect g;
    makeGrid(g, 2, 2, {0, 2, 0, 2});
    CContourLineMapqz c;
    EXPECT_EQ(c.dataGrid2ContourLinePro(&g), 0);  // no levels yet
    c.initLevelAbs(1.0, 1.0, 1);
    EXPECT_EQ(c.dataGrid2ContourLinePro(nullptr), 0);
    CDataGridRect thin;
    makeGrid(thin, 1, 2, {0, 2});
    EXPECT_EQ(c.dataGrid2ContourLinePro(&thin), 0);
    EXPECT_EQ(c.initLevelAbs(1.0, 1.0, 5000), 0);
    EXPECT_EQ(c.dataGrid2ContourLinePro(&g), 0);
    EXPECT_EQ(c.segCount, 0);
    EXPECT_EQ(c.segments, nullptr);
}

TEST(ContourTrace, CleanDropsTheLines)
{
    CDataGridRect g;
    makeGrid(g, 2, 2, {0, 2, 0, 2});
    CContourLineMapqz c;
    c.initLevelAbs(1.0, 1.0, 1);
    c.dataGrid2ContourLinePro(&g);
    EXPECT_TRUE(c.segCount && c.segments);
    c._clean();
    EXPECT_EQ(c.segCount, 0);
    EXPECT_EQ(c.segments, nullptr);
}
