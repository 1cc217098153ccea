// The contour map dialogs: their controls, Animate, and hostile input.
#include <climits>

#include "dialogs_fixture.h"
#include "dlgeegcxccontourfieldline2dmap.h"
#include "dlgmegcxccontourfieldline2dmap.h"
#include "linecore.h"
#include "support.h"

namespace {

using namespace dlgtest;

class ContourDialog : public DialogTest {};

// Both signs over the square: sensors 1 and 3 hold 0.8, 0 and 2 hold -0.5 (row 0).
DataSet field(long long b = 20, long long e = 60, Modality m = Modality::Meg)
{
    return square(m).diagonal(-0.5).pair(0, 1, 0.8).pair(0, 3, 0.8).pair(0, 2, -0.5).pair(1, 2, 0.3).select(b, e);
}

CDlgMegCxcContourFieldLine2DMap* megContour(Host& h, int cls = 0)
{
    return h.open<CDlgMegCxcContourFieldLine2DMap>(0, cxc::ShowKind::Contour, cls);
}
CDlgEegCxcContourFieldLine2DMap* eegContour(Host& h, int cls = 0)
{
    return h.open<CDlgEegCxcContourFieldLine2DMap>(1, cxc::ShowKind::Contour, cls);
}

std::wstring textOf(CWnd* dlg, int id) { return str(harness::text(dlg, id)); }

}  // namespace

TEST_F(ContourDialog, DataWithoutUsableSensorsStillOpensWithSensorsOnly)
{
    // No good MEG channel: the sensor table stays empty, so no grid; one good sensor: no span.
    for (int good : {0, 1}) {
        DataSet d = field();
        for (int k = good; k < 4; ++k) d.flags(k, false, true);
        Host h(d);
        CDlgMegCxcContourFieldLine2DMap* dlg = megContour(h);
        ASSERT_NE(dlg, nullptr) << good;
        EXPECT_EQ(dlg->mapView.grid.points, nullptr);
        harness::pumpPaints();  // the first paint still fills the old background
        for (int type : {IDC_TYPE_FIELD, IDC_TYPE_LINE, IDC_TYPE_BOTH}) {
            ASSERT_TRUE(harness::clickRadio(dlg, type));
            harness::pumpPaints();
            const harness::Image img = mapPicture(&dlg->mapView);
            ASSERT_FALSE(img.isNull());
            EXPECT_GT(countAround(img, kWhite, squareSensor(dlg->mapView, 3), 7), 10);  // the sensor
            EXPECT_EQ(img.pixel(squareSensor(dlg->mapView, 3).x - 20, squareSensor(dlg->mapView, 3).y + 20), kBlack);
        }
        ASSERT_TRUE(harness::menuCommand(dlg, ID_VIEW_REFRESH));
        ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
        ASSERT_TRUE(harness::fireTimer(dlg, 100));
        harness::pumpPaints();
        EXPECT_TRUE(harness::messageBoxes().empty());
    }
}

TEST_F(ContourDialog, TypeRadiosSetTheDisplayType)
{
    Host h(field());
    CDlgEegCxcContourFieldLine2DMap* dlg = eegContour(h);
    ASSERT_NE(dlg, nullptr);
    const int expected[] = {1, 2, 0};
    const int ids[] = {IDC_TYPE_LINE, IDC_TYPE_BOTH, IDC_TYPE_FIELD};
    for (int k = 0; k < 3; ++k) {
        harness::pumpPaints();
        ASSERT_TRUE(harness::clickRadio(dlg, ids[k]));
        EXPECT_EQ(dlg->mapView.contourType, expected[k]);
        EXPECT_EQ(harness::check(dlg, ids[k]), BST_CHECKED);
        EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    }
    EXPECT_EQ(harness::check(dlg, IDC_TYPE_LINE), BST_UNCHECKED);
    EXPECT_EQ(harness::waitCursorDepth(), 0);
}

TEST_F(ContourDialog, ThresholdAboveTheMaximumIsStoredAsTheMaximumAndTheBoxesRedrawWithoutRecomputing)
{
    Host h(field());
    CDlgMegCxcContourFieldLine2DMap* dlg = megContour(h);
    ASSERT_NE(dlg, nullptr);
    dlg->mapView.grid.fieldMaximum = 200.0;
    ASSERT_TRUE(harness::typeText(dlg, IDC_CONTOUR_THRESHOLD, L"-500"));
    EXPECT_EQ(dlg->mapView.contourThreshold, 200.0);  // the magnitude is compared, +200 stored
    EXPECT_EQ(dlg->threshold, 200.0);
    ASSERT_TRUE(harness::typeText(dlg, IDC_CONTOUR_THRESHOLD, L"-150"));
    EXPECT_EQ(dlg->mapView.contourThreshold, -150.0);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
    EXPECT_EQ(textOf(dlg, IDC_CONTOUR_THRESHOLD), L"-150");
    EXPECT_EQ(textOf(dlg, IDC_FIELD_MAXIMUM), L"200");
    h.cls().valueMax = 77.0;  // the link and patch commands of the menu are not this dialog's
    EXPECT_TRUE(harness::menuCommand(dlg, ID_EDIT_CHECK_DATA_RANGE));
    EXPECT_EQ(h.cls().valueMax, 77.0);
    // The colour scale box redraws without recomputing (its items and pictures: the snapshots).
    harness::pumpPaints();
    dlg->mapView.grid.values[0][0] = 12345.0;  // a recomputation would overwrite it
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_COLOR_SCALE, 2));
    EXPECT_EQ(dlg->mapView.colorScale, 2);
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    EXPECT_EQ(dlg->mapView.grid.values[0][0], 12345.0);
    // The same value typed again draws nothing new.
    harness::pumpPaints();
    ASSERT_TRUE(harness::typeText(dlg, IDC_CONTOUR_LEVELS, L"8"));
    EXPECT_EQ(dlg->mapView.contourLevels, 8);
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    harness::pumpPaints();
    ASSERT_TRUE(harness::typeText(dlg, IDC_CONTOUR_LEVELS, L"08"));  // another text, the same number
    EXPECT_FALSE(harness::needsPaint(&dlg->mapView));
    ASSERT_TRUE(harness::typeText(dlg, IDC_CONTOUR_THRESHOLD, L"0.1"));
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    harness::pumpPaints();
    ASSERT_TRUE(harness::typeText(dlg, IDC_CONTOUR_THRESHOLD, L"0.10"));
    EXPECT_FALSE(harness::needsPaint(&dlg->mapView));
    EXPECT_DOUBLE_EQ(dlg->mapView.contourThreshold, 0.1);
    // Before any grid the maximum is 0, and so is every threshold stored.
    Host empty(field());
    CDlgEegCxcContourFieldLine2DMap* eeg = eegContour(empty);
    ASSERT_NE(eeg, nullptr);
    eeg->mapView.grid.fieldMaximum = 0.0;
    ASSERT_TRUE(harness::typeText(eeg, IDC_CONTOUR_THRESHOLD, L"50"));
    EXPECT_EQ(eeg->mapView.contourThreshold, 0.0);
}

TEST_F(ContourDialog, LatencyLabelsFollowTheSelection)
{
    // 1000 Hz from latency 0: sample n lies at n ms.
    Host h(field(20, 60));
    CDlgMegCxcContourFieldLine2DMap* dlg = megContour(h);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_BEGIN), L"20.000ms");
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_END), L"60.000ms");
    ASSERT_TRUE(harness::typeText(dlg, IDC_SELECT_BEGIN, L"25"));
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_BEGIN), L"25.000ms");
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_END), L"60.000ms");
    EXPECT_EQ(h.cls().selectBegin, 20);  // typing shows the latency; Apply stores
    ASSERT_TRUE(harness::clickButton(dlg, IDC_APPLY));
    EXPECT_EQ(h.cls().selectBegin, 25);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_RESET));
    EXPECT_EQ(h.cls().selectEnd, 30);
    EXPECT_EQ(textOf(dlg, IDC_SELECT_END), L"30");
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_BEGIN), L"0.000ms");
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_END), L"30.000ms");
}

TEST_F(ContourDialog, WithoutCouplingDataTheLabelsKeepTheirTexts)
{
    // The template's "0 ms" and "1 ms" give way to the dialog's own texts when it initialises.
    Host h(field().noCoupling());
    CDlgMegCxcContourFieldLine2DMap* dlg = megContour(h);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_BEGIN), L"0ms");
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_END), L"1ms");
    ASSERT_TRUE(harness::typeText(dlg, IDC_SELECT_BEGIN, L"7"));
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_BEGIN), L"0ms");
    EXPECT_EQ(str(harness::caption(dlg)), L"MEG Waveform CxC Contour Map 2D");  // the refresh stopped early
}

TEST_F(ContourDialog, AShortSelectionOpensAtTheFirstTenSamplesOnce)
{
    Host h(field(3, 12));
    CDlgEegCxcContourFieldLine2DMap* dlg = eegContour(h);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(h.cls().selectBegin, 0);
    EXPECT_EQ(h.cls().selectEnd, 10);
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_END), L"10.000ms");  // the labels name the widened selection
    h.cls().setSelect(40, 42);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
    EXPECT_EQ(textOf(dlg, IDC_SELECT_BEGIN), L"40");
    EXPECT_EQ(textOf(dlg, IDC_LATENCY_END), L"42.000ms");
    Host ten(field(5, 15));  // 10 apart: kept
    ASSERT_NE(megContour(ten), nullptr);
    EXPECT_EQ(ten.cls().selectBegin, 5);
    EXPECT_EQ(ten.cls().selectEnd, 15);
}

// What a tick draws is pinned by the snapshots; a new row shows after Refresh, a typed threshold
// reaches the lines at the next tick.
TEST_F(ContourDialog, ANewRowShowsAfterRefreshAndANewThresholdAtTheNextTick)
{
    Host h(field(0, 10));
    CDlgMegCxcContourFieldLine2DMap* dlg = megContour(h);
    ASSERT_NE(dlg, nullptr);
    auto& v = dlg->mapView;
    ASSERT_TRUE(harness::clickRadio(dlg, IDC_TYPE_LINE));
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_ROW_COMBO, 1));
    EXPECT_EQ(h.cls().curRow, 1);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
    ASSERT_TRUE(harness::fireTimer(dlg, 100));
    EXPECT_TRUE(cxc::maps::holdsContourLines(v.contour));
    EXPECT_EQ(v.grid.gridRow, 0);
    ASSERT_TRUE(harness::menuCommand(dlg, ID_VIEW_REFRESH));
    EXPECT_EQ(v.grid.gridRow, 1);
    EXPECT_TRUE(harness::needsPaint(&v));
    EXPECT_EQ(harness::waitCursorDepth(), 0);
    harness::pumpPaints();
    ASSERT_TRUE(harness::clickCheck(dlg, IDC_AUTOFIT));  // autofit off at once, so the typed value stays
    EXPECT_EQ(v.autofit, 0);
    ASSERT_TRUE(harness::typeText(dlg, IDC_CONTOUR_THRESHOLD, L"0.05"));
    harness::pumpPaints();
    EXPECT_NE(v.contour.threshold, 0.05);
    ASSERT_TRUE(harness::fireTimer(dlg, 100));
    EXPECT_DOUBLE_EQ(v.contour.threshold, 0.05);
}

// The threshold box changed under the tick's own exchange: its notification, which stores the
// dialog, must not write the new begin with the old end into the class data.
TEST_F(ContourDialog, ATickStoresItsWholeStepThoughTheThresholdBoxChangesUnderIt)
{
    std::vector<double> rising(100);
    for (int t = 0; t < 100; ++t) rising[static_cast<size_t>(t)] = 0.01 * t;
    Host h(square().pair(0, 1, rising).pair(0, 2, -0.3).select(10, 20));
    CDlgEegCxcContourFieldLine2DMap* dlg = eegContour(h);
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
    ASSERT_TRUE(harness::fireTimer(dlg, 100));
    EXPECT_EQ(h.cls().selectBegin, 11);
    EXPECT_EQ(h.cls().selectEnd, 21);
    EXPECT_EQ(textOf(dlg, IDC_SELECT_END), L"21");
}

// Typed extremes are played in the other dialogs' test.
TEST_F(ContourDialog, AnInvertedExtremeSelectionAndShrunkDataAreSafe)
{
    Host h(field(0, 10));
    h.cls(1).setSelect(LLONG_MAX, LLONG_MIN);  // inverted: short, so widened at the first refresh
    ASSERT_NE(megContour(h, 1), nullptr);
    EXPECT_EQ(h.cls(1).selectBegin, 0);
    EXPECT_EQ(h.cls(1).selectEnd, 10);
    harness::pumpPaints();

    // Class data that shrank under a running animation: the weights still name row 3.
    Host shrunk(field(0, 10).currentRow(3));
    CDlgMegCxcContourFieldLine2DMap* anim = megContour(shrunk);
    ASSERT_NE(anim, nullptr);
    ASSERT_EQ(shrunk.cls().allocatePairs(2, 2, 100), 1);
    ASSERT_TRUE(harness::clickButton(anim, IDC_PLAY));
    ASSERT_TRUE(harness::fireTimer(anim, 100));
    ASSERT_TRUE(harness::clickRadio(anim, IDC_TYPE_BOTH));
    ASSERT_TRUE(harness::fireTimer(anim, 100));
    harness::pumpPaints();
    ASSERT_TRUE(harness::menuCommand(anim, ID_VIEW_REFRESH));
    harness::pumpPaints();
}

namespace {

// Row 0 holds one value everywhere (no grid can be scaled); row 1 holds both signs.
DataSet flatFirstRow()
{
    return square().diagonal(0.2).series([](int a, int b, long long) { return a == 0 || b == 0 ? 0.2 : 0.0; })
        .pair(1, 2, 0.9).pair(1, 3, -0.4).select(0, 20);
}

}  // namespace

TEST_F(ContourDialog, RefreshShowsTheNewGridSoTheNextStoreKeepsItsThreshold)
{
    Host h(flatFirstRow());
    CDlgMegCxcContourFieldLine2DMap* dlg = megContour(h);
    ASSERT_NE(dlg, nullptr);
    auto& v = dlg->mapView;
    EXPECT_EQ(v.grid.fieldMaximum, 0.0);  // row 0 gave no grid
    EXPECT_EQ(textOf(dlg, IDC_CONTOUR_THRESHOLD), L"100");
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_ROW_COMBO, 1));
    ASSERT_TRUE(harness::menuCommand(dlg, ID_VIEW_REFRESH));
    const double maximum = v.grid.fieldMaximum;
    ASSERT_GT(maximum, 0.0);
    EXPECT_DOUBLE_EQ(v.contourThreshold, maximum / 16);
    EXPECT_DOUBLE_EQ(dlg->fieldMaximum, maximum);
    EXPECT_DOUBLE_EQ(dlg->threshold, maximum / 16);
    // A display type chosen next stores the boxes: the threshold stays the grid's, so the field
    // keeps its colours instead of taking the weakest everywhere (a zero step).
    ASSERT_TRUE(harness::clickRadio(dlg, IDC_TYPE_BOTH));
    EXPECT_DOUBLE_EQ(v.contourThreshold, maximum / 16);
    harness::pumpPaints();
    v.Invalidate(FALSE);
    harness::pumpPaints();
    const auto& strongest = v.megColors.rgbqPos512[511];
    const CPoint s2 = squareSensor(v, 2);  // sensor 2 holds the largest value of row 1
    EXPECT_EQ(mapPicture(&v).pixel(s2.x, s2.y), RGB(strongest.rgbRed, strongest.rgbGreen, strongest.rgbBlue));
}
