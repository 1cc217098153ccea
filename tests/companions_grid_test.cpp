// The data grid's tables: sizes, limits, zero fill, reuse and release.
#include <gtest/gtest.h>

#include "datagrid.h"

TEST(DataGrid, TablesOfTheRequestedSizeAllZero)
{
    CDataGridRect g;
    double** v = g.initDataGridRect(3, 5);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v, g.values);
    EXPECT_EQ(g.nx, 3);
    EXPECT_EQ(g.ny, 5);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 5; ++j) {
            EXPECT_EQ(g.values[i][j], 0.0);
            EXPECT_EQ(g.points[i][j].x, 0.0);
            EXPECT_EQ(g.weights[i][j].k, 0);
            EXPECT_EQ(g.weights[i][j].rows, nullptr);
        }
    EXPECT_EQ(g.xAxis[2], 0.0);
    EXPECT_EQ(g.yAxis[4], 0.0);
}

TEST(DataGrid, SameSizeKeepsTheTablesOtherSizeRemakesThem)
{
    CDataGridRect g;
    g.initDataGridRect(4, 4);
    g.values[1][2] = 7.0;
    EXPECT_EQ(g.initDataGridRect(4, 4), g.values);
    EXPECT_EQ(g.values[1][2], 7.0);
    g.initDataGridRect(2, 6);
    EXPECT_EQ(g.nx, 2);
    EXPECT_EQ(g.ny, 6);
    EXPECT_EQ(g.values[1][5], 0.0);
}

struct GridSize {
    int nx, ny;
    bool made;
};

class DataGridLimits : public ::testing::TestWithParam<GridSize> {};

TEST_P(DataGridLimits, RefusedSizesLeaveNoTables)
{
    CDataGridRect g;
    g.initDataGridRect(8, 8);
    const GridSize s = GetParam();
    double** v = g.initDataGridRect(s.nx, s.ny);
    EXPECT_EQ(v != nullptr, s.made);
    if (!s.made) {
        EXPECT_EQ(g.points, nullptr);
        EXPECT_EQ(g.weights, nullptr);
        EXPECT_EQ(g.values, nullptr);
        EXPECT_EQ(g.nx, 0);
        EXPECT_EQ(g.ny, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Companions, DataGridLimits,
    ::testing::Values(GridSize{0, 5, false}, GridSize{5, 0, false}, GridSize{-3, 4, false},
                      GridSize{4097, 1, false}, GridSize{1, 4097, false}, GridSize{4096, 4097, false},
                      GridSize{4096, 4096, true}, GridSize{4096, 4, true}, GridSize{1, 1, true},
                      GridSize{2147483647, 2147483647, false}));

TEST(DataGrid, WeightCellsOwnTheirArrays)
{
    CDataGridRect g;
    g.initDataGridRect(2, 2);
    const int rows[] = {0, 0}, cols[] = {3, 5};
    const double w[] = {0.25, 0.75};
    EXPECT_EQ(g.weights[1][1].assign(2, rows, cols, w), 1);
    EXPECT_EQ(g.weights[1][1].k, 2);
    EXPECT_EQ(g.weights[1][1].cols[1], 5);
    EXPECT_EQ(g.weights[1][1].w[0], 0.25);
    EXPECT_EQ(g.weights[1][1].assign(0, rows, cols, w), 0);
    EXPECT_EQ(g.weights[1][1].k, 0);
    EXPECT_EQ(g.weights[1][1].w, nullptr);
    g.weights[0][0].assign(1, rows, cols, w);
    g.cleanDataGridRect();  // frees the cells' arrays too (LSan checks)
    EXPECT_EQ(g.weights, nullptr);
}

TEST(DataGrid, SensorTableIsReusedWhenLargeEnough)
{
    CDataGridRect g;
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
