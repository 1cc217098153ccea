// Values, settings and indices no integer or array holds, in every mode: draw what is sound, skip the rest.
#include "drawer_fixture.h"

using namespace drawertest;

namespace {

// Draws every mode and overlay type; true when each top-level call returned 1.
bool drawEverything(TestDrawer& d, Canvas& c)
{
    bool ok = true;
    for (unsigned mode : {0u, 1u, 2u})
        for (int type : {0, 1, 2}) {
            d.displayMode = mode;
            d.overlayType = type;
            c.clear(testgdi::kWhite);
            ok = ok && d.drawWaveCCData(&c.dc, CRect(0, 0, c.w, c.h), 0) == 1;
            int kind = 1;
            d.getSampleID4Mouse(nullptr, CPoint(c.w / 2, c.h / 2), CRect(0, 0, c.w, c.h), kind);
        }
    return ok;
}

std::vector<double> wild()
{
    std::vector<double> s(100, 5.0);
    s[10] = kNaN;
    s[20] = HUGE_VAL;
    s[30] = -HUGE_VAL;
    s[40] = 1e308;
    return s;
}

DataSet wildRow()
{
    return DataSet().megAt2d(L"MZC01", 0, 0).megAt2d(L"MLF11", 1, 0).megAt2d(L"MRP21", 2, 0)
        .pair(0, 1, wild()).pair(0, 2, wild()).select(5, 5).currentColumn(-1);
}

}  // namespace

TEST(DrawerRobust, NaNSampleLeavesAGapInTheTrace)
{
    TestDrawer d(wildRow());
    d.ampScale = 1;
    d.showLabel = d.showValue = 0;
    Canvas c(400, 300);
    d.drawOverlay(&c.dc, CRect(60, 0, 400, 300));
    EXPECT_EQ(c.at(60 + 8, 145), testgdi::kBlack);
    EXPECT_EQ(c.at(60 + 9, 145), testgdi::kWhite);  // the segment to sample 9 ends before it
    EXPECT_EQ(c.at(60 + 10, 145), testgdi::kWhite); // sample 10 is NaN
    EXPECT_EQ(c.at(60 + 11, 145), testgdi::kBlack); // the trace goes on from sample 11
}

TEST(DrawerRobust, NonFiniteAndExtremeValuesScalesAndSettingsDrawWithoutFault)
{
    TestDrawer d(wildRow());
    Canvas c(500, 300);
    for (double amp : {0.005, HUGE_VAL, 1e300, -1e300, kNaN})
        for (double scale : {1.0, 0.25, 1e300, 1e-300}) {
            d.ampScale = amp;
            d.pxPerSample = scale;
            EXPECT_TRUE(drawEverything(d, c)) << amp << " " << scale;
        }
    d.ampScale = 0.005;  // and selections, first samples and margins at the ends of 64 bits
    d.pxPerSample = 1.0;
    d.cls().setSelect(LLONG_MIN, LLONG_MAX);
    for (__int64 begin : {LLONG_MIN, -1LL, LLONG_MAX}) {
        d.beginSample = begin;
        EXPECT_TRUE(drawEverything(d, c)) << begin;
    }
    d.beginSample = 0;
    d.baseLineY = LLONG_MAX;
    d.nameWidth = LLONG_MIN;
    d.topMargin = LLONG_MAX;
    d.colGap = LLONG_MAX;
    d.displayColumn = INT_MAX;
    EXPECT_TRUE(drawEverything(d, c));
}

TEST(DrawerRobust, TimeScalesThatCannotPlaceSamplesDrawNoTraces)
{
    for (double scale : {0.0, -1.0, kNaN, HUGE_VAL, -HUGE_VAL}) {
        TestDrawer d(DataSet().meg(2).pair(0, 1, 10.0).select(5, 5).currentColumn(-1));
        d.ampScale = 1;
        d.pxPerSample = scale;
        d.displayColumn = 1;
        for (unsigned mode : {0u, 1u}) {
            d.displayMode = mode;
            Canvas c(400, 300);
            EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(0, 0, 400, 300), 0), 1);
            const int y = mode == 0 ? 140 : 20 + 2 * d.rowHeight - 10;  // partner 1, 10 above its base line
            EXPECT_EQ(countIn(c, testgdi::kBlack, CRect(61, y, 300, y + 1)), 0) << scale << " mode " << mode;
        }
    }
}

TEST(DrawerRobust, RowWalksStopAtTheColumnCount)
{
    // 5 rows of 3 elements, the last row current: a walk over the row count would pass its end.
    TestDrawer d(DataSet().meg(5).cols({0, 1, 2}).currentRow(4).select(5, 5).currentColumn(-1));
    d.displayMode = 1;
    d.displayColumn = 1;
    Canvas c(400, 400);
    EXPECT_TRUE(drawEverything(d, c));
    d.displayMode = 1;
    c.clear(testgdi::kWhite);
    d.drawWaveCCData(&c.dc, CRect(0, 0, 400, 400), 0);
    EXPECT_EQ(d.rowsPerColumn, 3);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(c.at(100, 20 + (r + 1) * d.rowHeight), testgdi::kBlack) << r;
    EXPECT_EQ(c.at(100, 20 + 4 * d.rowHeight), testgdi::kWhite);
}

TEST(DrawerRobust, CurrentRowOutsideTheArrayDrawsNoTraces)
{
    for (long long row : {-1LL, 2LL, LLONG_MAX}) {
        TestDrawer d(DataSet().meg(2).pair(0, 1, 10.0).currentRow(row).select(5, 5));
        d.ampScale = 1;
        Canvas c(400, 300);
        EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(0, 0, 400, 300), 0), 1);
        EXPECT_EQ(c.at(100, 140), testgdi::kWhite) << row;
        EXPECT_EQ(c.at(100, 150), testgdi::kBlack) << row;  // the axes are drawn all the same
        EXPECT_EQ(d.drawOverlay_All_normal(&c.dc, CRect(60, 0, 400, 300)), 0);
    }
}

TEST(DrawerRobust, PartnersOutsideTheChannelTableOrNullAreSkipped)
{
    TestDrawer d(DataSet().megAt2d(L"MZC01", 0, 0).megAt2d(L"MLF11", 1, 0).megAt2d(L"MLF12", 2, 0)
                     .megAt2d(L"MLF13", 3, 0).pair(0, 1, 10.0).pair(0, 2, 20.0).pair(0, 3, 30.0)
                     .pairChannels(0, 1, 0, 99).pairChannels(0, 2, 0, -5).nullChannel(3)
                     .select(5, 5).currentColumn(-1));
    d.ampScale = 1;
    d.overlayType = 2;
    Canvas c(400, 300);
    EXPECT_TRUE(drawEverything(d, c));
    d.displayMode = 0;
    c.clear(testgdi::kWhite);
    d.drawWaveCCData(&c.dc, CRect(0, 0, 400, 300), 0);
    for (int v : {10, 20, 30}) EXPECT_EQ(c.at(100, 37 - v), testgdi::kWhite) << v;
    d.displayMode = 1;
    d.displayColumn = 1;
    c.clear(testgdi::kWhite);
    d.drawWaveCCData(&c.dc, CRect(0, 0, 400, 300), 0);
    EXPECT_TRUE(showsText(c, d, 0, 20 + d.rowHeight, L"MZC01"));
    EXPECT_EQ(countIn(c, testgdi::kBlack, CRect(0, 20 + 2 * d.rowHeight, 60, 300)), 0);  // no other name
}

TEST(DrawerRobust, ElementsWithoutSeriesAreSkippedNamesAndValuesStay)
{
    TestDrawer d(DataSet().meg(3).pair(0, 1, 10.0).pair(0, 2, 20.0).nullSeries(0, 1).select(5, 5).currentColumn(-1));
    d.ampScale = 1;
    Canvas c(400, 300);
    EXPECT_TRUE(drawEverything(d, c));
    d.displayMode = 0;
    d.overlayType = 0;
    c.clear(testgdi::kWhite);
    d.drawWaveCCData(&c.dc, CRect(0, 0, 400, 300), 0);
    EXPECT_EQ(c.at(100, 140), testgdi::kWhite);
    EXPECT_EQ(c.at(100, 130), testgdi::kBlack);
    d.displayColumn = 1;
    c.clear(testgdi::kWhite);
    d._calculateColumnBlockH(CRect(0, 0, 400, 300));
    d._drawColumnChannelName(&c.dc, CRect(0, 0, 400, 300));
    d._drawColumnDataValues(&c.dc, CRect(0, 0, 400, 300));
    const int x = 60 + d.colDataWidth - 40 + 6;
    EXPECT_TRUE(showsText(c, d, 0, 20 + 2 * d.rowHeight, d.trial->getChannelName(1)));
    EXPECT_TRUE(showsText(c, d, x, 20 + 2 * d.rowHeight, L"0fT"));
}

TEST(DrawerRobust, BaseLinesWithoutPairArrayAndNoRowsPerColumn)
{
    TestDrawer d(DataSet().meg(3).withoutPairArray(0));
    d.rowsPerColumn = 0;
    d.displayMode = 1;
    Canvas c(600, 300);
    EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(0, 0, 600, 300), 0), 1);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(c.at(80 + 170 * k, 40), kGrey) << k;  // default geometry: one row per column
    d.displayColumn = 0;
    int kind = 1;
    EXPECT_EQ(d.getSampleID4Mouse(nullptr, CPoint(10, 10), CRect(0, 0, 400, 300), kind), 0);
}
