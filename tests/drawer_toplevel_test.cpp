// The drawer's top level: background, the display modes and their data areas, grid, time marks, class.
#include "drawer_fixture.h"

using namespace drawertest;

namespace {
constexpr COLORREF kGridColour = RGB(220, 220, 220);
}

TEST(DrawerTopLevel, FillsKeepsTheRectangleAndTheClass)
{
    TestDrawer d(DataSet().meg(3));
    d.displayMode = 9;  // unknown: nothing but the background
    d.bkColour = RGB(250, 240, 230);
    Canvas c(320, 220);
    const COLORREF bk = c.dc.GetBkColor();
    EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(10, 10, 310, 210), 2), 1);
    EXPECT_EQ(countIn(c, RGB(250, 240, 230), CRect(10, 10, 310, 210)), 300 * 200);
    EXPECT_EQ(c.count(RGB(250, 240, 230)), 300 * 200);
    EXPECT_EQ(d.drawRect, CRect(10, 10, 310, 210));
    EXPECT_EQ(d.cxcClass, 2);
    EXPECT_EQ(c.dc.GetBkColor(), bk);
    EXPECT_EQ(d.drawWaveCCData(nullptr, CRect(0, 0, 10, 10), 1), 1);
}

TEST(DrawerTopLevel, OverlayModeLeavesTheNameMargin)
{
    TestDrawer d(DataSet().meg(2).pair(0, 1, 10.0).select(25, 25).currentColumn(-1));
    d.ampScale = 1;
    d.showGrid1 = 1;
    Canvas c(400, 300);
    d.drawWaveCCData(&c.dc, CRect(0, 0, 400, 300), 0);
    EXPECT_EQ(c.at(60, 250), testgdi::kBlack);          // axis at nameWidth
    EXPECT_EQ(c.at(59, 250), testgdi::kWhite);
    EXPECT_EQ(c.at(100, 140), testgdi::kBlack);         // partner 1, 10 above baseLineY
    EXPECT_EQ(c.at(85, 250), kGrey);                    // selection line at sample 25
    EXPECT_EQ(c.at(300, 75), kGridColour);              // grid at a quarter height
}

TEST(DrawerTopLevel, ColumnsStartAtZeroWithMarksAndAMarkerPerColumn)
{
    TestDrawer d(DataSet().meg(10).select(25, 25).currentColumn(-1));
    d.displayMode = 1;
    Canvas c(600, 400);
    d.drawWaveCCData02(&c.dc, CRect(100, 0, 600, 400), 0);
    EXPECT_EQ(d.rowsPerColumn, 4);
    EXPECT_EQ(d.colDataWidth, 130);  // from a width of 600: rect.left is ignored
    for (int j = 0; j < 3; ++j) {
        const int dataLeft = 60 + 200 * j;
        EXPECT_EQ(c.at(dataLeft + 25, 50), kGrey) << j;         // marker
        EXPECT_EQ(c.at(dataLeft + 10, 399), kGrey) << j;        // short tick every 10 samples
        EXPECT_EQ(c.at(dataLeft + 10, 396), testgdi::kWhite) << j;
        EXPECT_EQ(c.at(dataLeft + 100, 392), kGrey) << j;       // long tick every 100
        EXPECT_EQ(c.at(dataLeft + 60, 300), kGridColour) << j;  // grid at three quarters
    }
    EXPECT_TRUE(showsText(c, d, 0, 92, d.trial->getChannelName(0)));
}

TEST(DrawerTopLevel, OverlayBesideColumnsSplitsTheWidth)
{
    TestDrawer d(DataSet().meg(6).pair(0, 1, 10.0).select(5, 5).currentColumn(-1));
    d.displayMode = 2;
    d.ampScale = 1;
    d.showLabel = 0;
    Canvas c(600, 400);
    EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(0, 0, 600, 400), 0), 1);
    EXPECT_EQ(c.at(0, 300), testgdi::kBlack);   // the overlay strip's axis at its left edge
    EXPECT_EQ(c.at(50, 140), testgdi::kBlack);  // partner 1 in the strip
    EXPECT_EQ(d.colDataWidth, 450 / 3 - 70);    // the columns share what is right of 600 div 4
    EXPECT_EQ(c.at(150 + 60 + 20, 20 + 2 * d.rowHeight - 10), testgdi::kBlack);  // partner 1's column trace
    d.displayColumn = -1;  // the strip's width must not divide by zero
    EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(0, 0, 600, 400), 0), 1);
}
