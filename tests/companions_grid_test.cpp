// The data grid's tables: sizes, limits, zero fill, reuse and release.
#include <gtest/gtest.h>

#include "datagrid.h"

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
