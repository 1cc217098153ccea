// Stepping and playing the time selection, and selections at the limits of 64-bit integers.
#include <climits>

#include "dialogs_fixture.h"
#include "dlgmegcxccontourfieldline2dmap.h"
#include "show_table.h"

namespace {

using namespace dlgtest;

class Play : public DialogTest {};

DataSet hundredSamples(long long b, long long e) { return square().pair(0, 1, 0.8).select(b, e); }

}  // namespace

TEST_F(Play, StepsMoveTheSelectionOneSampleAndStopAtTheEnds)
{
    Host h(hundredSamples(0, 9));
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    harness::pumpPaints();
    ASSERT_TRUE(harness::clickButton(dlg, IDC_STEP_FORWARD));
    EXPECT_EQ(h.cls().selectBegin, 1);
    EXPECT_EQ(h.cls().selectEnd, 10);
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_BEGIN)), L"1");
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_END)), L"10");
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    ASSERT_TRUE(harness::clickButton(dlg, IDC_STEP_BACK));
    ASSERT_TRUE(harness::clickButton(dlg, IDC_STEP_BACK));  // would leave the series: refused
    EXPECT_EQ(h.cls().selectBegin, 0);
    EXPECT_EQ(h.cls().selectEnd, 9);
    h.cls().setSelect(90, 99);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_STEP_FORWARD));
    EXPECT_EQ(h.cls().selectBegin, 90);
    EXPECT_EQ(h.cls().selectEnd, 99);
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_BEGIN)), L"90");
}

// Ticks and a stop are pinned by the snapshots; a restart, the wrap and a hidden dialog are not.
TEST_F(Play, PlayRestartedShowsPlayUntilATickWrapsAtTheEndRunsOnHiddenAtTheViewsInterval)
{
    Host h(hundredSamples(0, 10));
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
    harness::advanceTime(100);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
    ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
    EXPECT_TRUE(harness::timerRunning(dlg, 100));
    EXPECT_EQ(str(harness::text(dlg, IDC_PLAY)), L"Play...");
    h.cls().setSelect(95, 99);  // at the end of the series the play wraps to its start
    ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
    ASSERT_TRUE(harness::fireTimer(dlg, 100));
    EXPECT_EQ(h.cls().selectBegin, 0);
    EXPECT_EQ(h.cls().selectEnd, 4);
    ASSERT_TRUE(harness::closeBox(dlg));  // the timer runs on while the dialog is hidden
    EXPECT_FALSE(harness::visible(dlg));
    harness::advanceTime(200);
    EXPECT_EQ(h.cls().selectBegin, 2);
    // The play interval is the view's; other timers get the default handling.
    CDlgEegCxcTopLink2DMap* eeg = h.eegLink();
    ASSERT_NE(eeg, nullptr);
    eeg->mapView.playInterval = 250;
    ASSERT_TRUE(harness::clickButton(eeg, IDC_PLAY));
    ASSERT_EQ(harness::pendingTimers(eeg).size(), 1u);
    EXPECT_EQ(harness::pendingTimers(eeg)[0].periodMs, 250u);
    ASSERT_EQ(eeg->SetTimer(7, 50), 7u);
    const long long begin = h.cls().selectBegin;
    ASSERT_TRUE(harness::fireTimer(eeg, 7));
    EXPECT_EQ(h.cls().selectBegin, begin);
    EXPECT_EQ(str(harness::text(eeg, IDC_PLAY)), L"Play");
}

TEST_F(Play, PatchTickReloadsTheDialogAndDropsUnsavedEdits)
{
    Host h(hundredSamples(20, 40));
    CDlgEegCxcTopWave2DMap* dlg = h.eegWave();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
    // A text the dialog cannot read stays unsaved; the tick replaces it with the stored value.
    ASSERT_TRUE(harness::typeText(dlg, IDC_TIME_SCALE, L"8x"));
    EXPECT_EQ(lastMessage(), L"Please enter a number.");
    harness::pumpPaints();
    ASSERT_TRUE(harness::fireTimer(dlg, 100));
    EXPECT_EQ(h.cls().selectBegin, 21);
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_BEGIN)), L"21");
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_END)), L"41");
    EXPECT_EQ(str(harness::text(dlg, IDC_TIME_SCALE)), L"1");
    EXPECT_EQ(str(harness::text(dlg, IDC_PLAY)), L"Stop...");
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
    EXPECT_EQ(str(harness::text(dlg, IDC_PLAY)), L"Play...");
    EXPECT_FALSE(harness::timerRunning(dlg, 100));
}

TEST_F(Play, SelectionsAtTheLimitsOfSixtyFourBitsAreSafeEverywhere)
{
    Host h(hundredSamples(0, 10));
    CDlgMegCxcTopLink2DMap* link = h.megLink();
    CDlgEegCxcTopWave2DMap* wave = h.eegWave();
    auto* contour = h.open<CDlgMegCxcContourFieldLine2DMap>(0, cxc::ShowKind::Contour, 0);
    ASSERT_TRUE(link && wave && contour && harness::clickRadio(contour, IDC_TYPE_BOTH));  // field and lines
    const wchar_t* lo = L"-9223372036854775808";
    const wchar_t* hi = L"9223372036854775807";
    for (CDlgCxcMapCore* dlg : {static_cast<CDlgCxcMapCore*>(link), static_cast<CDlgCxcMapCore*>(wave),
                                static_cast<CDlgCxcMapCore*>(contour)}) {
        ASSERT_TRUE(harness::typeText(dlg, IDC_SELECT_BEGIN, lo));
        ASSERT_TRUE(harness::typeText(dlg, IDC_SELECT_END, hi));
        ASSERT_TRUE(harness::clickButton(dlg, IDC_APPLY));
        EXPECT_EQ(h.cls().selectBegin, LLONG_MIN);
        EXPECT_EQ(h.cls().selectEnd, LLONG_MAX);
        harness::pumpPaints();
        ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
        ASSERT_TRUE(harness::fireTimer(dlg, 100));
        harness::pumpPaints();
        ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
        ASSERT_TRUE(harness::menuCommand(dlg, ID_VIEW_REFRESH));
        ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
        h.cls().setSelect(LLONG_MAX, LLONG_MIN);
        ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
        harness::pumpPaints();
    }
    // The first refresh of a patch dialog widens only a short span, computed without overflow: an
    // inverted extreme selection is short, the widest one is not.
    h.cls(1).setSelect(LLONG_MAX, LLONG_MIN);
    ASSERT_NE(h.megWave(1), nullptr);
    EXPECT_EQ(h.cls(1).selectBegin, 0);
    EXPECT_EQ(h.cls(1).selectEnd, 10);
    h.cls(2).setSelect(LLONG_MIN, LLONG_MAX);
    ASSERT_NE(h.megWave(2), nullptr);
    EXPECT_EQ(h.cls(2).selectBegin, LLONG_MIN);
    EXPECT_EQ(h.cls(2).selectEnd, LLONG_MAX);
}

TEST_F(Play, AFacadeDestroyedWhilePlayingLeavesNoTimerBehind)
{
    auto data = hundredSamples(0, 10).build();
    {
        CMEGShowCCData2DFaceqz face;
        ASSERT_EQ(face.showDlgCxcMegActLink2DMap(data.get(), nullptr), 1);
        ASSERT_EQ(face.showDlgCxcEegActWave2DMap(data.get(), nullptr), 1);
        ASSERT_TRUE(harness::clickButton(face.megLinkAct, IDC_PLAY));
        ASSERT_TRUE(harness::clickButton(face.eegWaveAct, IDC_PLAY));
        ASSERT_TRUE(harness::clickButton(face.megLinkAct, IDC_SETTING));
        harness::advanceTime(100);
    }
    const long long begin = cxc::testkit::classOf(*data, 0)->selectBegin;
    harness::advanceTime(1000);
    EXPECT_EQ(cxc::testkit::classOf(*data, 0)->selectBegin, begin);
    EXPECT_EQ(cxc::wnd::liveWindows().dialogs, 0);
}

TEST_F(Play, EveryPlayingMapDialogWrapsToTheStartWithTheSameWidth)
{
    for (const showtable::Show& s : showtable::kShows) {
        const int modality = showtable::modalityOf(s);
        if (s.cxcClass != 0 || modality < 0) continue;  // the link, patch and contour maps of both modalities
        SCOPED_TRACE(s.name);
        // Wide enough that the first refresh of the patch and contour maps keeps it.
        Host h(square(modality ? Modality::Eeg : Modality::Meg).pair(0, 1, 0.8).select(85, 99));
        ASSERT_EQ((h.face.*s.show)(h.data.get(), nullptr), 1);
        CDialog* dlg = h.face.*s.slot;
        ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
        ASSERT_TRUE(harness::fireTimer(dlg, 100));
        EXPECT_EQ(h.cls().selectBegin, 0);
        EXPECT_EQ(h.cls().selectEnd, 14);
    }
}

// Normalize RMS while playing: the next tick draws what a window that played on normalised data
// from the start draws at that selection.
TEST_F(Play, ATickAfterNormalizeRmsDrawsWhatAFreshWindowDraws)
{
    const DataSet recipe = square().pair(0, 1, 0.8).pair(2, 3, 0.3).select(0, 9);
    Host playing(recipe), fresh(recipe);
    CDlgMegCxcTopLink2DMap* dlg = playing.megLink();
    CDlgMegCxcTopLink2DMap* ref = fresh.megLink();
    ASSERT_TRUE(dlg && ref);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_PLAY));
    harness::advanceTime(300);
    ASSERT_TRUE(harness::menuCommand(dlg, ID_EDIT_NORMALIZE_RMS));
    ASSERT_TRUE(harness::menuCommand(ref, ID_EDIT_NORMALIZE_RMS));
    ASSERT_TRUE(harness::clickButton(ref, IDC_PLAY));
    harness::advanceTime(100);
    for (int k = 0; k < 3; ++k) ASSERT_TRUE(harness::fireTimer(ref, 100));
    harness::pumpPaints();
    EXPECT_EQ(fresh.cls().selectBegin, playing.cls().selectBegin);
    cxctest::expectSameImage(cxctest::picture(mapPicture(&dlg->mapView)),
                             cxctest::picture(mapPicture(&ref->mapView)), "play-after-normalize");
}
