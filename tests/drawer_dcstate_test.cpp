// Every drawing operation gives the DC back as it found it and frees what it made, also when a
// companion call throws halfway; the overlay leaves axisPen selected.
#include <functional>
#include <string>

#include "drawer_fixture.h"

using namespace drawertest;

namespace {

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

TEST(DrawerDcState, EveryOperationRestoresTheDcAndLeaksNothing)
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
}

TEST(DrawerDcState, ACompanionThatThrowsHalfwayLeavesTheDcWhole)
{
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
