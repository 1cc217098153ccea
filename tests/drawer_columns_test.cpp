// The column layout on 600 x 400: 10 partners in 3 columns give 4 rows of 72 (pitch 200: names 60,
// data 130 less values 40, gap 10).
#include "drawer_fixture.h"

using namespace drawertest;

namespace {

// Row 0 of ten channels; partner k is a constant series of value(k) (default 5 k, ampScale 1).
DataSet tenPartners()
{
    DataSet s = DataSet().meg(10).currentColumn(-1);
    for (int k = 1; k < 10; ++k) s.pair(0, k, 5.0 * k);
    return s;
}

struct Columns {
    explicit Columns(const DataSet& recipe) : d(recipe)
    {
        d.displayMode = 1;
        d.ampScale = 1.0;
    }
    int layout() { return d._calculateColumnBlockH(rect); }
    int baseY(int row) const { return 20 + (row + 1) * 72; }
    int dataLeft(int col) const { return col * 200 + 60; }
    CString name(int k) { return d.trial->getChannelName(k); }
    TestDrawer d;
    Canvas c{600, 400};
    CRect rect{0, 0, 600, 400};
};

}  // namespace

TEST(DrawerColumns, TenPartnersInThreeColumnsGiveFourRowsOf72)
{
    Columns o(tenPartners());
    ASSERT_EQ(o.layout(), 1);
    EXPECT_EQ(o.d.rowsPerColumn, 4);
    EXPECT_EQ(o.d.rowHeight, 72);  // (400 - 20 - 20) div 5
    EXPECT_EQ(o.d.colDataWidth, 130);
    Columns nine(DataSet().meg(9));
    nine.layout();
    EXPECT_EQ(nine.d.rowsPerColumn, 3);
    EXPECT_EQ(nine.d.rowHeight, 90);
}

TEST(DrawerColumns, ColumnCountBelowOneIsRaisedOnlyWithData)
{
    Columns none(DataSet().meg(4).withoutPairArray(0));
    none.d.displayColumn = 0;
    EXPECT_EQ(none.layout(), 0);
    EXPECT_EQ(none.d.displayColumn, 0);
    EXPECT_EQ(none.d.rowHeight, 20);  // the geometry stays as it was
    Columns o(DataSet().meg(4));
    o.d.displayColumn = 0;
    EXPECT_EQ(o.layout(), 1);
    EXPECT_EQ(o.d.displayColumn, 1);
    EXPECT_EQ(o.d.rowsPerColumn, 4);
}

// Where base lines end and names stand is pinned by the columns snapshots.
TEST(DrawerColumns, WithoutValuesBaseLinesRunToTheEndAndBaseLinesAndNamesCanBeSwitchedOff)
{
    Columns o(tenPartners());
    o.layout();
    o.d.showValue = 0;
    ASSERT_EQ(o.d._drawColumnChannelBaseLine(&o.c.dc, o.rect), 1);
    EXPECT_EQ(o.c.at(o.dataLeft(2) + 129, o.baseY(1)), kGrey);
    o.d.showBaseLine = 0;
    EXPECT_EQ(o.d._drawColumnChannelBaseLine(&o.c.dc, o.rect), 0);
    o.c.clear(testgdi::kWhite);
    o.d.showLabel = 0;  // names switched off draw nothing
    EXPECT_EQ(o.d._drawColumnChannelName(&o.c.dc, o.rect), 0);
    EXPECT_EQ(o.c.count(testgdi::kBlack), 0);
}

TEST(DrawerColumns, AnEmptyNameTakesNoRow)
{
    Columns o(DataSet().meg(2).other(L"").meg(2));
    o.d.displayColumn = 1;
    o.layout();
    o.d._drawColumnChannelName(&o.c.dc, o.rect);
    const int rowHeight = o.d.rowHeight;
    EXPECT_TRUE(showsText(o.c, o.d, 0, 20 + 2 * rowHeight, o.name(1)));
    EXPECT_TRUE(showsText(o.c, o.d, 0, 20 + 3 * rowHeight, o.name(3)));  // moved up by one row
    EXPECT_EQ(countIn(o.c, testgdi::kBlack, CRect(0, 20 + 5 * rowHeight, 60, 400)), 0);
}

TEST(DrawerColumns, ValuesInFemtoOrPicotesla)
{
    Columns o(DataSet().meg(4).pair(0, 1, -1500.0).pair(0, 2, 999.6).pair(0, 3, 12.4).currentColumn(2));
    o.d.displayColumn = 1;
    o.d.valueWidth = 30;
    o.layout();
    ASSERT_EQ(o.d._drawColumnDataValues(&o.c.dc, o.rect), 1);
    EXPECT_EQ(o.d.valueWidth, 40);
    const int x = 60 + o.d.colDataWidth - 40 + 6;
    const int h = o.d.rowHeight;
    EXPECT_TRUE(showsText(o.c, o.d, x, 20 + 2 * h, L"-1.50pT"));
    EXPECT_TRUE(showsText(o.c, o.d, x, 20 + 3 * h, L"1000fT", testgdi::kRed));
    EXPECT_TRUE(showsText(o.c, o.d, x, 20 + 4 * h, L"12fT"));
    o.d.valueWidth = 37;
    o.d._drawColumnDataValues(&o.c.dc, o.rect);
    EXPECT_EQ(o.d.valueWidth, 37);
}

TEST(DrawerColumns, TracesRunFromEachBaseLineUnclamped)
{
    Columns o(tenPartners().pair(0, 9, 100.0).currentColumn(6));
    o.layout();
    ASSERT_EQ(o.d.drawColumnTime(&o.c.dc, o.rect), 1);
    EXPECT_EQ(o.c.at(o.dataLeft(0) + 50, o.baseY(1) - 5), testgdi::kBlack);   // element 1
    EXPECT_EQ(o.c.at(o.dataLeft(1) + 50, o.baseY(2) - 30), testgdi::kRed);    // element 6, highlighted
    EXPECT_EQ(o.c.at(o.dataLeft(2) + 50, o.baseY(1) - 100), testgdi::kBlack); // over the row above
    EXPECT_EQ(o.c.at(o.dataLeft(2) + 90, o.baseY(1) - 100), testgdi::kWhite); // stops at the values
    EXPECT_EQ(o.c.at(o.dataLeft(2) + 89, o.baseY(1) - 100), testgdi::kBlack);
}

TEST(DrawerColumns, DecimatedTraceBelowHalfAPixelPerSample)
{
    std::vector<double> zigzag(400);
    for (size_t s = 0; s < zigzag.size(); ++s) zigzag[s] = s % 4 == 1 ? 30.0 : 0.0;
    Columns o(DataSet().meg(2).samples(400).diagonal(0.0).pair(0, 1, zigzag).currentColumn(-1));
    o.d.pxPerSample = 0.25;  // step 4: one stroke from 0 to 30 per pixel
    o.d.displayColumn = 1;   // two rows of 120: element 1 on the base line at 260
    o.layout();
    ASSERT_EQ(o.d.drawColumnTimeX(&o.c.dc, o.rect), 1);
    const int y0 = 260;
    for (int x = 61; x < 160; ++x) {  // strokes at 60 + (s + 4) / 4 for s = 0, 4, .. 392
        EXPECT_EQ(o.c.at(x, y0 - 29), testgdi::kBlack) << x;
        EXPECT_EQ(o.c.at(x, y0 - 1), testgdi::kBlack) << x;
    }
    EXPECT_EQ(o.c.at(160, y0 - 29), testgdi::kWhite);
}
