// Values no integer or array holds draw what is sound; every operation gives the DC back whole.
#include <functional>
#include <string>

#include "drawer_fixture.h"

using namespace drawertest;

namespace {

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

DataSet regions()
{
    return DataSet()
        .megAt2d(L"MZC01", 0, 0).megAt2d(L"MLF11", 1, 0).megAt2d(L"MLP21", 2, 0)
        .megAt2d(L"MRC31", 3, 0).megAt2d(L"MRO41", 4, 0)
        .pair(0, 1, 10.0).pair(0, 2, 2000.0).pair(0, 3, 30.0).pair(0, 4, 40.0)
        .select(10, 30).currentColumn(2);
}

struct Op {
    const char* name;
    std::function<int(TestDrawer&, CDC*, CRect)> run;
    bool leavesAxisPen;
};

const Op kOps[] = {
    {"marker", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawSelectLineTime4CCData(dc, r); }, false},
    {"overlay all", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawOverlay_All(dc, r); }, true},
    {"overlay fast", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawOverlay_All_fast(dc, r); }, true},
    {"overlay normal", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawOverlay_All_normal(dc, r); }, true},
    {"overlay info", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawOverlay_AllInfo(dc, r); }, true},
    {"two sides", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawOverlay_LeftRight(dc, r); }, true},
    {"two sides info", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawOverlay_LeftRightInfo(dc, r, 50, 150); }, true},
    {"regions", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawOverlay_LftRitFrtBck(dc, r); }, true},
    {"regions info",
     [](TestDrawer& d, CDC* dc, CRect r) { return d.drawOverlay_LftRitFrtBckInfo(dc, r, 20, 70, 120, 170); }, true},
    {"base lines", [](TestDrawer& d, CDC* dc, CRect r) { return d._drawColumnChannelBaseLine(dc, r); }, false},
    {"names", [](TestDrawer& d, CDC* dc, CRect r) { return d._drawColumnChannelName(dc, r); }, false},
    {"values", [](TestDrawer& d, CDC* dc, CRect r) { return d._drawColumnDataValues(dc, r); }, false},
    {"column traces", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawColumnTime(dc, r); }, false},
    {"column strokes", [](TestDrawer& d, CDC* dc, CRect r) { return d.drawColumnTimeX(dc, r); }, false},
    {"columns", [](TestDrawer& d, CDC* dc, CRect r) { d.displayMode = 1; return d.drawWaveCCData(dc, r, 0); }, false},
    {"overlay mode", [](TestDrawer& d, CDC* dc, CRect r) { d.displayMode = 0; return d.drawWaveCCData(dc, r, 0); }, true},
    {"beside", [](TestDrawer& d, CDC* dc, CRect r) { d.displayMode = 2; return d.drawWaveCCData(dc, r, 0); }, true},
};

// A DC set up unlike anything the drawer uses.
struct Prepared {
    Prepared()
    {
        LOGFONTW lf{};
        lf.lfHeight = 9;
        font.CreateFontIndirect(&lf);
        c.dc.SelectObject(&pen);
        c.dc.SelectObject(&font);
        c.dc.SetTextColor(RGB(1, 2, 3));
        c.dc.SetBkColor(RGB(4, 5, 6));
        c.dc.SetBkMode(TRANSPARENT);
    }
    void expectUnchanged(CPen& expectedPen, const std::string& what)
    {
        EXPECT_EQ(c.dc.GetCurrentPen()->GetSafeHandle(), expectedPen.GetSafeHandle()) << what;
        EXPECT_EQ(c.dc.GetCurrentFont()->GetSafeHandle(), font.GetSafeHandle()) << what;
        EXPECT_EQ(c.dc.GetTextColor(), RGB(1, 2, 3)) << what;
        EXPECT_EQ(c.dc.GetBkColor(), RGB(4, 5, 6)) << what;
        EXPECT_EQ(c.dc.GetBkMode(), TRANSPARENT) << what;
    }
    CPen pen{PS_DOT, 1, RGB(7, 8, 9)};
    CFont font;
    Canvas c{400, 300};
};

}  // namespace

TEST(DrawerRobust, NaNSampleLeavesAGapAndNonFiniteOrExtremeValuesScalesAndSettingsDrawWithoutFault)
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
    // Non-finite and extreme values, scales and settings draw without fault.
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
}

TEST(DrawerRobust, UnplaceableTimeScalesAndRowsOutsideTheArrayDrawNoTracesRowWalksStopAtTheColumnCount)
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
    // Nor do current rows outside the pair array.
    for (long long row : {-1LL, 2LL, LLONG_MAX}) {
        TestDrawer d(DataSet().meg(2).pair(0, 1, 10.0).currentRow(row).select(5, 5));
        d.ampScale = 1;
        Canvas c(400, 300);
        EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(0, 0, 400, 300), 0), 1);
        EXPECT_EQ(c.at(100, 140), testgdi::kWhite) << row;
        EXPECT_EQ(c.at(100, 150), testgdi::kBlack) << row;  // the axes are drawn all the same
        EXPECT_EQ(d.drawOverlay_All_normal(&c.dc, CRect(60, 0, 400, 300)), 0);
    }
    // Row walks stop at the column count; no pair array keeps the default geometry.
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
    // Without a pair array and rows per column the base lines take the default geometry.
    TestDrawer none(DataSet().meg(3).withoutPairArray(0));
    none.rowsPerColumn = 0;
    none.displayMode = 1;
    Canvas wide(600, 300);
    EXPECT_EQ(none.drawWaveCCData(&wide.dc, CRect(0, 0, 600, 300), 0), 1);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(wide.at(80 + 170 * k, 40), kGrey) << k;  // one row per column
    none.displayColumn = 0;
    int kind = 1;
    EXPECT_EQ(none.getSampleID4Mouse(nullptr, CPoint(10, 10), CRect(0, 0, 400, 300), kind), 0);
}

TEST(DrawerRobust, PartnersOutsideTheChannelTableNullOrWithoutSeriesAreSkipped)
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
    // Elements without a series draw no trace; their names and values stay.
    TestDrawer e(DataSet().meg(3).pair(0, 1, 10.0).pair(0, 2, 20.0).nullSeries(0, 1).select(5, 5).currentColumn(-1));
    e.ampScale = 1;
    EXPECT_TRUE(drawEverything(e, c));
    e.displayMode = 0;
    e.overlayType = 0;
    c.clear(testgdi::kWhite);
    e.drawWaveCCData(&c.dc, CRect(0, 0, 400, 300), 0);
    EXPECT_EQ(c.at(100, 140), testgdi::kWhite);
    EXPECT_EQ(c.at(100, 130), testgdi::kBlack);
    e.displayColumn = 1;
    c.clear(testgdi::kWhite);
    e._calculateColumnBlockH(CRect(0, 0, 400, 300));
    e._drawColumnChannelName(&c.dc, CRect(0, 0, 400, 300));
    e._drawColumnDataValues(&c.dc, CRect(0, 0, 400, 300));
    const int x = 60 + e.colDataWidth - 40 + 6;
    EXPECT_TRUE(showsText(c, e, 0, 20 + 2 * e.rowHeight, e.trial->getChannelName(1)));
    EXPECT_TRUE(showsText(c, e, x, 20 + 2 * e.rowHeight, L"0fT"));
    e.valueWidth = 30;  // a value column narrower than 37 pixels is widened to 40, a wider one kept
    e._drawColumnDataValues(&c.dc, CRect(0, 0, 400, 300));
    EXPECT_EQ(e.valueWidth, 40);
    e.valueWidth = 37;
    e._drawColumnDataValues(&c.dc, CRect(0, 0, 400, 300));
    EXPECT_EQ(e.valueWidth, 37);
}

TEST(DrawerDcState, EveryOperationRestoresTheDcAndLeaksNothingAlsoWhenACompanionThrowsHalfway)
{
    for (unsigned overlay : {0u, 1u, 2u}) {
        for (const Op& op : kOps) {
            TestDrawer d(regions());
            d.overlayType = static_cast<int>(overlay);
            d.displayColumn = 2;
            d._calculateColumnBlockH(CRect(0, 0, 400, 300));
            Prepared p;
            const auto before = cxc::gdi::liveCounts();
            const std::string what = std::string(op.name) + " / overlay " + std::to_string(overlay);
            EXPECT_EQ(op.run(d, &p.c.dc, CRect(60, 0, 400, 300)), 1) << what;
            EXPECT_GT(p.c.countNot(testgdi::kWhite), 0) << what;
            p.expectUnchanged(op.leavesAxisPen ? d.axisPen : p.pen, what);
            const auto after = cxc::gdi::liveCounts();
            EXPECT_EQ(after.pens, before.pens) << what;
            EXPECT_EQ(after.fonts, before.fonts) << what;
            EXPECT_EQ(after.refusedDeletes, before.refusedDeletes) << what;
            EXPECT_EQ(op.run(d, nullptr, CRect(60, 0, 400, 300)), op.name == std::string("columns") ||
                                                                       op.name == std::string("overlay mode") ||
                                                                       op.name == std::string("beside"))
                << what;
        }
    }
    // A companion that throws halfway leaves the DC whole.
    const struct {
        const char* call;
        int op;  // index into kOps
    } cases[] = {
        {"CSnsCohData::getValueSelect", 11},
        {"CMEGData8Show::getChnlName_PhycVirt", 10},
        {"CMEGData2Process::isShowChnl4Alltrials", 7},
        {"CMEGData2Process::isShowChnl4Alltrials", 5},
        {"CSnsCohData00Time::getSelect", 0},
    };
    for (const auto& k : cases) {
        TestDrawer d(regions());
        Prepared p;
        const auto before = cxc::gdi::liveCounts();
        cxc::testkit::throwOnce(k.call);
        EXPECT_ANY_THROW(kOps[k.op].run(d, &p.c.dc, CRect(60, 0, 400, 300))) << k.call;
        p.expectUnchanged(kOps[k.op].leavesAxisPen ? d.axisPen : p.pen, k.call);
        EXPECT_EQ(cxc::gdi::liveCounts().pens, before.pens) << k.call;
        EXPECT_EQ(cxc::gdi::liveCounts().refusedDeletes, before.refusedDeletes) << k.call;
        // At the top level the failing layer ends quietly and the others draw.
        cxc::testkit::throwOnce(k.call);
        d.displayMode = k.op >= 9 ? 1 : 0;
        d.overlayType = k.op == 7 ? 2 : 1;
        EXPECT_EQ(d.drawWaveCCData(&p.c.dc, CRect(0, 0, 400, 300), 0), 1) << k.call;
        p.expectUnchanged(d.displayMode == 0 ? d.axisPen : p.pen, k.call);
        cxc::testkit::clearFaults();
    }
}

