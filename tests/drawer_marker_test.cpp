// The selection marker, and mouse positions back to a sample or a partner in every layout.
#include "drawer_fixture.h"

using namespace drawertest;

namespace {

// Latency in ms equals the sample index at 1000 Hz.
DataSet selection(long long b, long long e, long long samples = 1600)
{
    return DataSet().meg(2).samples(samples).select(b, e);
}

// Ten partners in 3 columns on 600 x 400: 4 rows of 72 (base lines 92, 164, 236, 308), pitch 200,
// data areas 60..190, 260..390, 460..590.
struct Picker {
    explicit Picker(unsigned mode, const DataSet& recipe = DataSet().meg(10)) : d(recipe)
    {
        d.displayMode = mode;
        d._calculateColumnBlockH(rect);
    }
    __int64 pick(int x, int y)
    {
        kind = -7;
        return d.getSampleID4Mouse(nullptr, CPoint(x, y), rect, kind);
    }
    TestDrawer d;
    CRect rect{0, 0, 600, 400};
    int kind = -7;
};

}  // namespace

// A point's line and latency, and ranges under a second, are pinned by the row/column snapshots.
TEST(DrawerMarker, MarkerTextsClassAndEdgesAndPicksInDataAreasLabelsAndWithoutData)
{
    TestDrawer s(selection(200, 1500));
    s.pxPerSample = 0.25;
    Canvas cs(400, 100);
    ASSERT_EQ(s.drawSelectLineTime4CCData(&cs.dc, CRect(0, 30, 400, 100)), 1);
    const wchar_t* seconds = L"0.2->1.5=1.3s(200->1500=1300)";
    EXPECT_TRUE(showsText(cs, s, static_cast<int>(50 + (325 - extent(s, seconds).cx) * 0.5), 0, seconds));
    // Only Control has data: the marker shows the class held, whatever cxcClass says.
    TestDrawer held(selection(10, 10, 100).classes(false, true, false));
    held.cxcClass = 0;
    Canvas ch(100, 100);
    EXPECT_EQ(held.drawSelectLineTime4CCData(&ch.dc, CRect(0, 30, 100, 100)), 1);
    EXPECT_EQ(ch.at(10, 50), kGrey);
    // Edges are clamped into the data area whatever the selection and scale.
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
    // Picks in every layout, and none without data.
    {
        Picker p(1);
        EXPECT_EQ(p.pick(60, 100), 0);   // on column 0's left edge: the name pick of its first row
        EXPECT_EQ(p.kind, 2);
        EXPECT_EQ(p.pick(190, 100), 4);  // on its right edge: within a name width of column 1's origin
        EXPECT_EQ(p.kind, 2);
        EXPECT_EQ(p.d.cls().curCol, 4);
        EXPECT_EQ(p.pick(225, 250), p.d.rowsPerColumn + 2);  // column 1, between its third and fourth base lines
        EXPECT_EQ(p.kind, 2);
        EXPECT_EQ(p.d.cls().curCol, 6);
        EXPECT_EQ(p.pick(20, 5), 0);  // above column 0's first base line: its first row
        EXPECT_EQ(p.kind, 2);
        EXPECT_EQ(p.pick(599, 399), 0);  // nothing there
        EXPECT_EQ(p.kind, -7);
        p.d.pxPerSample = 2;
        p.d.beginSample = 100;
        EXPECT_EQ(p.pick(60 + 50, 300), 125);
        EXPECT_EQ(p.kind, 1);
        EXPECT_EQ(p.pick(260 + 50, 10), 125);  // column 1
        EXPECT_EQ(p.kind, 1);
        // Without a time scale the first sample drawn; beside the columns x counts from the name's end.
        {
            for (unsigned mode : {0u, 1u}) {
                for (double scale : {0.0, -1.0, std::nan(""), HUGE_VAL}) {
                    Picker p(mode);
                    p.d.beginSample = 40;
                    p.d.pxPerSample = scale;
                    EXPECT_EQ(p.pick(100, 300), 40) << mode << " " << scale;
                    EXPECT_EQ(p.kind, 1);
                }
            }
            Picker tiny(0);
            tiny.d.pxPerSample = 1e-300;
            EXPECT_EQ(tiny.pick(100, 300), LLONG_MAX);
            Picker p(2);
            p.d.pxPerSample = 0.5;
            EXPECT_EQ(p.pick(260 + 80, 10), 40);  // column 1: (x - 260 - 60) / 0.5
            EXPECT_EQ(p.kind, -7);                // the kind is left alone
            EXPECT_EQ(p.pick(260 + 20, 10), 0);   // inside the name's width: clamped to 0
        }
        // Missing coupling data, an unknown mode or a failing companion: no marker and no pick.
        Canvas c(100, 100);
        for (const DataSet& recipe : {DataSet().meg(2).noCoupling(), DataSet().meg(2).withoutPairArray(0)}) {
            TestDrawer d(recipe);
            EXPECT_EQ(d.drawSelectLineTime4CCData(&c.dc, CRect(0, 0, 100, 100)), 0);
        }
        TestDrawer d(DataSet().meg(2));
        EXPECT_EQ(d.drawSelectLineTime4CCData(nullptr, CRect(0, 0, 100, 100)), 0);
        EXPECT_EQ(c.countNot(testgdi::kWhite), 0);
        Picker none(0, DataSet().meg(3).noCoupling());
        EXPECT_EQ(none.pick(100, 100), 0);
        EXPECT_EQ(none.kind, -7);
        Picker odd(7);
        EXPECT_EQ(odd.pick(100, 100), 0);
        EXPECT_EQ(odd.kind, -7);
        Picker faulty(0);
        cxc::testkit::throwOnce("CSnsCohFace::getCoherenceData");
        EXPECT_EQ(faulty.pick(100, 100), 0);
        EXPECT_EQ(faulty.kind, -7);
        cxc::testkit::clearFaults();
    }
}

