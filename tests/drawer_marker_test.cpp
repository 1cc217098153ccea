// The selection marker: its time texts, and edges clamped into the data area.
#include "drawer_fixture.h"

using namespace drawertest;

namespace {

// Latency in ms equals the sample index at 1000 Hz.
DataSet selection(long long b, long long e, long long samples = 1600)
{
    return DataSet().meg(2).samples(samples).select(b, e);
}

}  // namespace

TEST(DrawerMarker, SinglePointDrawsALineAndItsLatency)
{
    TestDrawer d(selection(25, 25, 100).sampleRate(2000));
    Canvas c(200, 100);
    ASSERT_EQ(d.drawSelectLineTime4CCData(&c.dc, CRect(0, 30, 200, 100)), 1);
    EXPECT_EQ(d.selStartX, 25);
    EXPECT_EQ(d.selEndX, 25);
    EXPECT_EQ(c.at(25, 30), kGrey);
    EXPECT_EQ(c.at(25, 99), kGrey);
    EXPECT_EQ(c.at(24, 60), testgdi::kWhite);
    const int cx = extent(d, L"12.5ms(25)").cx;
    EXPECT_TRUE(showsText(c, d, 25 - cx / 2, 0, L"12.5ms(25)"));
    EXPECT_FALSE(showsText(c, d, 25 - cx / 2, 0, L"12.6ms(25)"));
}

// Under a second the range is pinned by the row/column snapshots; from one second it reads in seconds.
TEST(DrawerMarker, RangeFromOneSecondIsWrittenInSeconds)
{
    TestDrawer s(selection(200, 1500));
    s.pxPerSample = 0.25;
    Canvas cs(400, 100);
    ASSERT_EQ(s.drawSelectLineTime4CCData(&cs.dc, CRect(0, 30, 400, 100)), 1);
    const wchar_t* seconds = L"0.2->1.5=1.3s(200->1500=1300)";
    EXPECT_TRUE(showsText(cs, s, static_cast<int>(50 + (325 - extent(s, seconds).cx) * 0.5), 0, seconds));
}

TEST(DrawerMarker, EdgesAreClampedIntoTheDataAreaWhateverTheSelectionAndScale)
{
    TestDrawer d(selection(100, 500));
    d.beginSample = 300;
    Canvas c(300, 100);
    d.drawSelectLineTime4CCData(&c.dc, CRect(10, 30, 210, 100));
    EXPECT_EQ(d.selStartX, 10);   // began before the first sample drawn
    EXPECT_EQ(d.selEndX, 209);    // ends past the area: its last pixel
    d.cls().setSelect(900, 900);  // a single point past the area: its right edge
    d.drawSelectLineTime4CCData(&c.dc, CRect(10, 30, 210, 100));
    EXPECT_EQ(d.selStartX, 210);
    d.cls().setSelect(5, 5);      // before it: its left edge
    d.drawSelectLineTime4CCData(&c.dc, CRect(10, 30, 210, 100));
    EXPECT_EQ(d.selEndX, 10);
    d.beginSample = 0;  // and selections and scales no integer holds stay inside
    d.cls().setSelect(LLONG_MIN, LLONG_MAX);
    ASSERT_EQ(d.drawSelectLineTime4CCData(&c.dc, CRect(10, 30, 210, 100)), 1);
    EXPECT_EQ(d.selStartX, 10);
    EXPECT_EQ(d.selEndX, 209);
    for (double scale : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, 0.0}) {
        d.pxPerSample = scale;
        for (auto [b, e] : {std::pair{LLONG_MIN, LLONG_MAX}, {LLONG_MAX, LLONG_MIN}, {0LL, 7LL}}) {
            d.cls().setSelect(b, e);
            EXPECT_EQ(d.drawSelectLineTime4CCData(&c.dc, CRect(10, 30, 210, 100)), 1);
            EXPECT_GE(d.selStartX, 10) << scale;
            EXPECT_LE(d.selEndX, 210) << scale;
        }
    }
}

TEST(DrawerMarker, MissingCouplingDataDrawNothing)
{
    Canvas c(100, 100);
    for (const DataSet& recipe : {DataSet().meg(2).noCoupling(), DataSet().meg(2).withoutPairArray(0)}) {
        TestDrawer d(recipe);
        EXPECT_EQ(d.drawSelectLineTime4CCData(&c.dc, CRect(0, 0, 100, 100)), 0);
    }
    TestDrawer d(DataSet().meg(2));
    EXPECT_EQ(d.drawSelectLineTime4CCData(nullptr, CRect(0, 0, 100, 100)), 0);
    EXPECT_EQ(c.countNot(testgdi::kWhite), 0);
}

TEST(DrawerMarker, ShowsTheClassThePackageHolds)
{
    // Only Control has data: the marker asks for the class held, whatever cxcClass says.
    TestDrawer d(selection(10, 10, 100).classes(false, true, false));
    d.cxcClass = 0;
    Canvas c(100, 100);
    EXPECT_EQ(d.drawSelectLineTime4CCData(&c.dc, CRect(0, 30, 100, 100)), 1);
    EXPECT_EQ(c.at(10, 50), kGrey);
}
