// Painting of both views beyond the snapshots: missing parts, hostile values, GDI counts.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "maps_fixture.h"
#include "megdrawccdataqz.h"
#include "resource.h"
#include "support.h"

namespace {

using namespace maptest;
using cxc::harness::Image;

constexpr COLORREF kYellow = RGB(255, 255, 0);

// A view as a child window of a plain host, painted through WM_PAINT.
template <class View>
class Shown {
public:
    explicit Shown(std::unique_ptr<CArrayMEDataSetqz> ds, CRect rect = CRect(0, 0, 320, 320)) : data(std::move(ds))
    {
        host.CreateEx(0, nullptr, L"host", WS_POPUP, CRect(0, 0, 400, 400), nullptr, 0);
        view.Create(L"", WS_CHILD | WS_VISIBLE, rect, &host, IDC_MAP_VIEW);
        view.dataSet = data.get();
        host.ShowWindow(SW_SHOW);
    }
    // As the dialogs invalidate: without erasing, so what is not painted keeps its old pixels.
    Image paint(BOOL erase = FALSE)
    {
        view.Invalidate(erase);
        cxc::harness::pumpPaints();
        return cxc::harness::clientSurface(&view);
    }

    std::unique_ptr<CArrayMEDataSetqz> data;
    CWnd host;
    View view;
};

class MapPainting : public MapTest {};

// Missing coupling data is pinned by the hostile-data tests; here no drawer and a vanished data set.
TEST_F(MapPainting, MissingPartsAreSaidClicksRepaintFaultsAreSaidOnceAndNonFiniteValuesPaintSafely)
{
    Shown<CStatMEGCClCntMapqz> meg(square().build());
    Shown<CStatEEGCxcCntMapqz> eeg(square(Modality::Eeg).build());
    const wchar_t* text = L"MEG Wave-CC data drawer has not been initialized!";
    cxctest::expectShowsText(meg.paint(), text, "meg");
    cxctest::expectShowsText(eeg.paint(), text, "eeg");  // the EEG view says MEG too
    EXPECT_EQ(meg.view.memDC, nullptr);

    CMEGDrawCCDataqz drawer;
    Shown<CStatMEGCClCntMapqz> s(square().pair(0, 1, 0.9).build());
    s.view.drawer = &drawer;
    s.paint();
    ASSERT_NE(s.view.memDC, nullptr);
    s.data.reset();  // the host frees the data set and shows the view again without one
    s.view.dataSet = nullptr;
    cxctest::expectShowsText(s.paint(TRUE), L"Please compute channel-channel data first!", "vanished");
    EXPECT_EQ(s.view.trial, nullptr);
    EXPECT_EQ(s.view.session, nullptr);
    EXPECT_EQ(s.view.hitTestSensor(squarePixel(0), 0, 0), 0);
    // The window shows the off-screen picture, a click repaints it, a layer's fault is said once.
    {
        CMEGDrawCCDataqz drawer;
        Shown<CStatMEGCClCntMapqz> s(square().pair(0, 1, 0.9).build());
        s.view.drawer = &drawer;
        const Image img = s.paint();
        ASSERT_NE(s.view.memDC, nullptr);
        EXPECT_EQ(s.view.mapWidth, 320);
        cxctest::expectSameImage(cxctest::picture(img), cxctest::picture(*s.view.memDC, 320, 320), "window");
        EXPECT_EQ(img.pixel(160, 260), kRed);
        EXPECT_TRUE(cxc::testkit::packageOf(*s.data)->hasViewer(&s.view));
        // A click on a sensor repaints the whole view with the new highlight.
        s.view.showLabel = 0;
        EXPECT_EQ(s.paint().pixel(66, 260), kRed);
        EXPECT_FALSE(cxc::harness::needsPaint(&s.view));
        ASSERT_EQ(s.view.hitTestSensor(squarePixel(3), 0, 0), 1);
        EXPECT_TRUE(cxc::harness::needsPaint(&s.view));
        cxc::harness::pumpPaints();
        const Image clicked = cxc::harness::clientSurface(&s.view);
        EXPECT_EQ(clicked.pixel(266, 60), kRed);
        EXPECT_EQ(clicked.pixel(66, 260), kBlack);
        EXPECT_EQ(s.view.clickedText, L"MRP14");  // now written at the top left in the text colour
        EXPECT_GT(cxctest::count(cxctest::picture(clicked), kYellow, 0, 0, 60, 16), 20);
        // An exception in a layer is reported once and the painting goes on.
        cxc::testkit::throwOnce("CMDChannel0SensorInfo::isMEGMeasureChannel");  // first met by the links
        const Image faulty = s.paint();
        EXPECT_EQ(messageCount(L"Draw sensor error !"), 1);
        EXPECT_EQ(faulty.pixel(66, 260), kBlack);  // the sensors after the links were drawn
        EXPECT_EQ(faulty.pixel(160, 260), kWhite);
    }
    // Non-finite and huge values paint safely in every mode and contour type.
    cxc::harness::clearMessageBoxes();
    std::vector<double> wild(100, 0.5);
    wild[1] = kNaN;
    wild[2] = kInf;
    wild[3] = 1e308;
    MegRig r(DataSet().meg(12).series([](int a, int b, long long t) { return (a + b + t) % 3 ? 1e308 : kNaN; })
                 .pair(0, 1, wild).pair(0, 3, kInf).pair(0, 5, -kInf).pair(0, 7, -1e308).pair(2, 3, kInf)
                 .pair(4, 5, -kInf).select(0, 5).build());
    EegRig e(DataSet().eeg(12).pair(0, 1, wild).pair(0, 3, kInf).pair(0, 5, kNaN).build());
    for (int mode : {MapModeTopLink, MapModeTopWave, MapModeContour})
        for (int style = 0; style <= 6; ++style)
            for (double scale : {1.0, kInf, 1e300}) {
                r.view.mapMode = mode;
                r.view.linkStyle = style;
                r.view.polarityView = style % 2;
                r.view.linkThreshold = 0.0;
                r.view.linkRangeMax = style == 6 ? kNaN : 1.0;
                r.view.timeScale = scale;
                r.view.ampScale = scale;
                ASSERT_EQ(r.paint(), 1) << mode << " " << style << " " << scale;
            }
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
    // Every contour type, colour scale, threshold and level count.
    const double thresholds[] = {0.0, kNaN, -1e308, 1e308};
    const int levels[] = {16, 0, -3, 2000000000};
    for (int type : {0, 1, 2})
        for (int scale : {0, 1, 2, -7})
            for (int k = 0; k < 4; ++k) {
                r.view.checkInitTrial();
                e.view.checkInitTrial();
                r.view.rebuildFieldGrid();
                e.view.rebuildFieldGrid();
                r.view.mapMode = e.view.mapMode = MapModeContour;
                r.view.contourType = e.view.contourType = type;
                r.view.colorScale = e.view.colorScale = scale;
                r.view.autofit = e.view.autofit = 0;
                r.view.contourThreshold = e.view.contourThreshold = thresholds[k];
                r.view.contourLevels = e.view.contourLevels = levels[k];
                r.view.radiology = e.view.radiology = k % 2;
                r.view.calcContourLines(thresholds[k], r.view.grid.fieldMaximum, levels[k]);
                ASSERT_EQ(r.paint(), 1);
                ASSERT_EQ(e.paint(), 1);
            }
    // A new view lays its grid at its first paint, also one with NaN and huge values, and traces it.
    MegRig g(square().diagonal(-0.5).pair(0, 1, 1e300).pair(0, 2, kNaN).pair(0, 3, 0.8).currentColumn(-1)
                 .build());
    g.view.mapMode = MapModeContour;
    g.view.contourType = 2;
    g.view.radiusMeanMode = 0;
    ASSERT_EQ(g.paint(), 1);
    EXPECT_NE(g.view.grid.values, nullptr);
    EXPECT_GT(g.view.grid.fieldMaximum, 0.0);
    // Only the MEG twin knows magnitude styles; destroyed views give every GDI object back.
    const auto before = cxc::gdi::liveCounts();
    {
        MegRig meg(square().pair(0, 1, 0.8).build());
        EegRig eeg(square(Modality::Eeg).pair(0, 1, 0.8).build());
        meg.view.linkStyle = eeg.view.linkStyle = 5;
        meg.view.linkThreshold = eeg.view.linkThreshold = 0.5;
        ASSERT_EQ(meg.paint(), 1);
        ASSERT_EQ(eeg.paint(), 1);
        // Entry trunc((0.8 - 0.5) * 1024 / (1.0 - 0.5)) = 614 of ramp1024; the EEG view draws it signed.
        EXPECT_EQ(meg.at(160, 260), meg.view.adrColors.ramp1024[614]);
        EXPECT_EQ(eeg.at(160, 260), kRed);
    }
    const auto after = cxc::gdi::liveCounts();
    EXPECT_EQ(after.total(), before.total());
    EXPECT_EQ(after.refusedDeletes, before.refusedDeletes);
}

TEST_F(MapPainting, ContourModeSwitchesColoursAtTheNextPaintSurfacesAreKeptAndPaintsLeaveNoGdiObjectBehind)
{
    MegRig r(square().currentColumn(-1).build());
    bare(r.view);
    r.view.mapMode = MapModeContour;
    r.view.colorScale = 1;
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.view.backColor, kBlack);
    EXPECT_EQ(r.view.sensorColor, kWhite);
    EXPECT_EQ(r.view.textColor, kWhite);
    EXPECT_EQ(r.at(5, 5), kWhite);  // this paint's background was filled before the switch
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.at(5, 5), kBlack);
    EXPECT_EQ(r.at(66, 260), kWhite);  // white sensor circles on black
    r.view.colorScale = 0;
    ASSERT_EQ(r.paint(), 1);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.at(5, 5), kWhite);
    EXPECT_EQ(r.at(66, 260), kBlack);
    r.view.mapMode = 3;  // another mode draws nothing but the background
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.countAll(kWhite), 320 * 320);
    // A surface is kept until released, and an empty control gets none.
    {
        MegRig r(square().build());
        ASSERT_EQ(r.paint(300, 200), 1);
        ASSERT_EQ(r.view.paintMap(&r.paintDc, CRect(0, 0, 500, 500)), 1);
        EXPECT_EQ(r.view.mapWidth, 300);  // a new window size shows once the surface is released
        EXPECT_EQ(r.view.clientRect, CRect(0, 0, 300, 200));
        const long bitmaps = cxc::gdi::liveCounts().bitmaps;
        for (CRect empty : {CRect(0, 0, 0, 0), CRect(0, 0, 0, 100), CRect(0, 0, 100, 0), CRect(50, 50, 10, 10)}) {
            r.view.releaseSurface();
            EXPECT_EQ(r.view.paintMap(&r.paintDc, empty), 0);
            EXPECT_EQ(r.view.memDC, nullptr);
            EXPECT_EQ(r.view.memBitmap, nullptr);
        }
        EXPECT_EQ(cxc::gdi::liveCounts().bitmaps, bitmaps - 1);
        CMEGDrawCCDataqz drawer;  // a zero-size window paints nothing at all
        Shown<CStatMEGCClCntMapqz> s(square().build(), CRect(0, 0, 0, 0));
        s.view.drawer = &drawer;
        EXPECT_TRUE(s.paint().isNull() || s.paint().width() == 0);
        EXPECT_EQ(s.view.memDC, nullptr);
    }
    // A hundred paints of every mode, clicks and sizes leave no GDI object behind.
    CMEGDrawCCDataqz drawer;
    Shown<CStatMEGCClCntMapqz> s(DataSet().meg(30).series([](int a, int b, long long) { return (a + b) % 2 ? 0.9 : -0.7; })
                                     .select(10, 40).build());
    s.view.drawer = &drawer;
    s.view.linkThreshold = 0.5;
    s.view.linkStyle = 3;
    s.paint();
    const auto before = cxc::gdi::liveCounts();
    for (int k = 0; k < 100; ++k) {
        s.view.mapMode = k % 3;
        s.view.linkStyle = k % 6;
        s.view.contourType = k % 3;
        s.view.colorScale = k % 4;
        s.view.radiology = k % 2;
        s.view.polarityView = k / 3 % 2;
        if (k % 5 == 0) s.view.calcContourLines(s.view.contourThreshold, s.view.grid.fieldMaximum, 8);
        if (k % 7 == 0) s.view.hitTestSensor(CPoint(150 + k, 160), 0, 0);
        if (k % 11 == 0) s.view.MoveWindow(0, 0, 300 + k, 320 - k);
        s.paint();
    }
    const auto after = cxc::gdi::liveCounts();
    EXPECT_EQ(after.pens, before.pens);
    EXPECT_EQ(after.fonts, before.fonts);
    EXPECT_EQ(after.bitmaps, before.bitmaps);
    EXPECT_EQ(after.dcs, before.dcs);
    EXPECT_EQ(after.refusedDeletes, before.refusedDeletes);
}

template <class View>
void patchesOnly(View& v, double timeScale, double ampScale)
{
    bare(v);
    v.showSensor = 0;
    v.mapMode = MapModeTopWave;
    v.timeScale = timeScale;
    v.ampScale = ampScale;
}

class Patches : public MapTest {};

// Selections, rows, series and channels that leave less or nothing to draw: the curves that stay.
TEST_F(Patches, WhatCannotBeReadIsNotDrawnHugeValuesAreSafeAndLayersGiveTheDcBack)
{
    auto s = [] { return square().currentColumn(-1); };
    const struct {
        const char* what;
        DataSet data;
        int drawn, inked;  // what drawPatches says, and the pixels of the curves
    } cases[] = {
        {"one sample: a move only", s().select(40, 40), 1, 0},
        {"no samples", s().samples(0), 0, 0},
        {"selection past the series", s().select(500, 600), 0, 0},
        {"reversed selection", s().select(60, 50), 0, 0},
        {"row -1", s().currentRow(-1).select(0, 10), 0, 0},
        {"row past the array", s().currentRow(4).select(0, 10), 0, 0},
        {"a missing series", s().select(0, 10).nullSeries(0, 1), 1, 30},
        {"channel 9999, a null channel", s().select(0, 10).pairChannels(0, 1, 0, 9999).nullChannel(2), 1, 20},
        {"5 rows of 3", s().megAt2d(L"MZC01", 50, 50).rows({0, 1, 2, 3, 4}).cols({0, 1, 2}).currentRow(4)
             .select(0, 10), 1, 30},
        {"end past the series: up to the last sample", s().select(90, 500), 1, 4 * 9},
    };
    for (const auto& c : cases) {
        MegRig r(c.data.build());
        patchesOnly(r.view, 1.0, 0.0);
        ASSERT_EQ(r.paint(), 1) << c.what;  // painting goes on
        EXPECT_EQ(r.count(kBlack, 31, 31, 289, 289), c.inked) << c.what;  // inside the overlay's corner marks
        EXPECT_EQ(r.view.drawPatches(r.view.memDC, 60, 60, 320, 320, 0, 0), c.drawn) << c.what;
    }
    // Infinite and huge samples saturate far off (a NaN sample's gap: the snapshots "edge").
    {
        std::vector<double> s(100, 0.0);
        s[20] = kInf;
        s[21] = 1e308;
        s[22] = -kInf;
        MegRig r(square().pair(0, 1, s).select(15, 30).currentColumn(-1).build());
        patchesOnly(r.view, 1.0, 1.0);
        ASSERT_EQ(r.paint(), 1);
        for (double scale : {kInf, 1e300, kNaN}) {
            r.view.timeScale = scale;
            r.view.ampScale = scale;
            ASSERT_EQ(r.paint(), 1);
        }
    }
    // Each layer gives the DC its pen and background mode back and frees its own pens, also when a
    // companion throws halfway (said once); links and patches refuse an unknown channel type.
    {
        using View = CStatMEGCClCntMapqz;
        const struct {
            const char* what;
            const char* fault;  // none: drawn whole
            std::function<int(View&, CDC&, int)> draw;  // with that channel type
            int result;
        } cases[] = {
            {"links", "CWavChnlChnlData::getSelectDataMean",
             [](View& v, CDC& dc, int type) { return v.drawLinks(&dc, 60, 60, 320, 320, 0, type); }, 1},
            {"sensors", "CMDChannel0SensorInfo::isMEGMeasureChannel",
             [](View& v, CDC& dc, int type) { return v.drawSensors(&dc, 0, type); }, 0},
            {"labels", "CMDChannel0SensorInfo::isMEGMeasureChannel",
             [](View& v, CDC& dc, int type) { return v.drawSensorLabels(&dc, 0, type); }, 0},
            {"patches", nullptr,
             [](View& v, CDC& dc, int type) { return v.drawPatches(&dc, 60, 60, 320, 320, 0, type); }, 1},
        };
        for (const auto& c : cases) {
            MegRig r(square().pair(0, 1, 0.8).select(0, 10).build());
            r.view.linkStyle = 4;  // a pen of its own for each link
            ASSERT_EQ(r.paint(), 1);
            CDC& dc = *r.view.memDC;
            const HGDIOBJ pen = dc.GetCurrentPen()->GetSafeHandle();
            const long pens = cxc::gdi::liveCounts().pens;
            cxc::harness::clearMessageBoxes();
            if (c.fault) cxc::testkit::throwOnce(c.fault);
            EXPECT_EQ(c.draw(r.view, dc, 0), c.result) << c.what;
            EXPECT_EQ(messageCount(L"Draw sensor error !"), c.fault ? 1 : 0) << c.what;
            EXPECT_EQ(dc.GetCurrentPen()->GetSafeHandle(), pen) << c.what;
            EXPECT_EQ(cxc::gdi::liveCounts().pens, pens) << c.what;
            EXPECT_EQ(dc.GetBkMode(), OPAQUE) << c.what;
            if (std::string(c.what) != "links" && std::string(c.what) != "patches") continue;
            EXPECT_EQ(c.draw(r.view, dc, 5), 0) << c.what;
            EXPECT_EQ(lastMessage(), L"Contourmap Channel Type Error!?") << c.what;
        }
    }
}

}  // namespace
