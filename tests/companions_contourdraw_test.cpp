// Drawing traced contour lines with the map views' pixel mapping and pens.
#include <gtest/gtest.h>

#include "contourlines.h"
#include "datagrid.h"
#include "gdi_canvas.h"

using testgdi::Canvas;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// One vertical segment at x = 0.5 from y = 0 to 1 at +1, and its mirror image at -1 at x = 2.5.
void traceTwo(CContourLineMapqz& c, CDataGridRect& g)
{
    g.initDataGridRect(4, 2);
    const double v[2][4] = {{0, 2, -2, 0}, {0, 2, -2, 0}};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 2; ++j) {
            g.points[i][j] = GridPoint{static_cast<double>(i), static_cast<double>(j)};
            g.values[i][j] = v[j][i];
        }
    c.initLevelAbs(1.0, 1.0, 1);
    c.dataGrid2ContourLinePro(&g);
}

}  // namespace

TEST(ContourDraw, SegmentsMappedLikeTheSensorsWithOnePenPerSign)
{
    CDataGridRect g;
    CContourLineMapqz c;
    traceTwo(c, g);
    ASSERT_EQ(c.segCount, 4);  // +1 crosses twice (0.5 and 1.5), -1 twice (1.5 and 2.5)
    Canvas canvas(100, 100);
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    CPen* before = canvas.dc.GetCurrentPen();
    EXPECT_EQ(c.drawMap(&canvas.dc, 10, 10, 10.0, 10.0, 100, 100, false, false, &red, &blue), 1);
    EXPECT_EQ(canvas.dc.GetCurrentPen()->GetSafeHandle(), before->GetSafeHandle());
    // x = 0.5 -> 15; y from 0 -> 90 up to 1 -> 80 (the end pixel left out).
    EXPECT_EQ(canvas.at(15, 90), kRed);
    EXPECT_EQ(canvas.at(15, 81), kRed);
    EXPECT_EQ(canvas.at(15, 80), testgdi::kWhite);
    EXPECT_EQ(canvas.at(35, 85), kBlue);  // x = 2.5 at -1
}

TEST(ContourDraw, MirroredAboutTheWidth)
{
    CDataGridRect g;
    CContourLineMapqz c;
    traceTwo(c, g);
    Canvas canvas(100, 100);
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    c.drawMap(&canvas.dc, 10, 10, 10.0, 10.0, 100, 100, true, false, &red, &blue);
    EXPECT_EQ(canvas.at(85, 85), kRed);
    EXPECT_EQ(canvas.at(65, 85), kBlue);
    EXPECT_EQ(canvas.at(15, 85), testgdi::kWhite);
}

TEST(ContourDraw, NothingWithoutLinesOrDc)
{
    CContourLineMapqz c;
    Canvas canvas(20, 20);
    CPen red(PS_SOLID, 1, kRed);
    EXPECT_EQ(c.drawMap(&canvas.dc, 0, 0, 1, 1, 20, 20, false, false, &red, &red), 0);
    CDataGridRect g;
    traceTwo(c, g);
    EXPECT_EQ(c.drawMap(nullptr, 0, 0, 1, 1, 20, 20, false, false, &red, &red), 0);
    // Scales that overflow any coordinate are drawn far outside, never undefined.
    EXPECT_EQ(c.drawMap(&canvas.dc, 0, 0, 1e300, -1e300, 20, 20, true, false, &red, &red), 1);
    EXPECT_EQ(canvas.count(kRed), 0);
}

TEST(ContourDraw, LevelLabelsOnlyWhenAsked)
{
    CDataGridRect g;
    CContourLineMapqz c;
    traceTwo(c, g);
    Canvas plain(100, 100), labelled(100, 100);
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    c.drawMap(&plain.dc, 10, 10, 10.0, 10.0, 100, 100, false, false, &red, &blue);
    c.drawMap(&labelled.dc, 10, 10, 10.0, 10.0, 100, 100, false, true, &red, &blue);
    EXPECT_GT(labelled.countNot(testgdi::kWhite), plain.countNot(testgdi::kWhite));
    EXPECT_EQ(labelled.dc.GetBkMode(), plain.dc.GetBkMode());
}
