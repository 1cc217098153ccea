// Mouse positions back to a sample or a partner, in every layout and under scales that draw nothing.
#include "drawer_fixture.h"

using namespace drawertest;

namespace {

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

TEST(DrawerPicking, OverlayClampsIntoTheDataArea)
{
    Picker p(0);
    p.d.pxPerSample = 2;
    p.d.beginSample = 100;
    EXPECT_EQ(p.pick(10, 50), 100);  // left of the data area: its first sample
    EXPECT_EQ(p.kind, 1);
    EXPECT_EQ(p.pick(60 + 41, 50), 120);
    EXPECT_EQ(p.pick(5000, 50), 100 + 599 / 2);  // beyond the right edge: the last pixel
}

TEST(DrawerPicking, ColumnsPickTimeStrictlyInsideADataAreaAndLabelsElsewhere)
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
}

TEST(DrawerPicking, MissingDataOrUnknownModePicksNothing)
{
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

TEST(DrawerPicking, NoTimeScaleGivesTheFirstSampleDrawn)
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
}

TEST(DrawerPicking, OverlayBesideColumnsMapsFromTheNameEnd)
{
    Picker p(2);
    p.d.pxPerSample = 0.5;
    EXPECT_EQ(p.pick(260 + 80, 10), 40);  // column 1: (x - 260 - 60) / 0.5
    EXPECT_EQ(p.kind, -7);                // the kind is left alone
    EXPECT_EQ(p.pick(260 + 20, 10), 0);   // inside the name's width: clamped to 0
}
