// The patch map dialogs: the first refresh, the scale steps, Reset, the edits, and a late trial.
#include <cfloat>

#include "dialogs_fixture.h"

namespace {

using namespace dlgtest;

class WaveDialog : public DialogTest {};

DataSet patches(long long b, long long e) { return square().pair(0, 1, 0.8).pair(0, 3, -0.5).select(b, e); }

}  // namespace

TEST_F(WaveDialog, UpDownArrowsDoubleAndHalveTheScalesAndTheMenuHasNoGraphCommands)
{
    Host h(patches(0, 50));
    CDlgMegCxcTopWave2DMap* dlg = h.megWave();
    ASSERT_NE(dlg, nullptr);
    harness::pumpPaints();
    ASSERT_TRUE(harness::upDown(dlg, IDC_TIME_SCALE_SPIN, -1));
    ASSERT_TRUE(harness::upDown(dlg, IDC_TIME_SCALE_SPIN, -1));
    EXPECT_DOUBLE_EQ(dlg->mapView.timeScale, 4.0);
    EXPECT_EQ(str(harness::text(dlg, IDC_TIME_SCALE)), L"4");
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    ASSERT_TRUE(harness::upDown(dlg, IDC_TIME_SCALE_SPIN, +1));
    EXPECT_DOUBLE_EQ(dlg->mapView.timeScale, 2.0);
    ASSERT_TRUE(harness::upDown(dlg, IDC_TIME_SCALE_SPIN, 3));  // not an arrow step: unchanged
    EXPECT_DOUBLE_EQ(dlg->mapView.timeScale, 2.0);
    // The amplitude arrows: up (vertical) doubles.
    ASSERT_TRUE(harness::clickUpDownArrow(dlg, IDC_AMP_SCALE_SPIN, true));
    EXPECT_DOUBLE_EQ(dlg->mapView.ampScale, 0.002);
    ASSERT_TRUE(harness::clickUpDownArrow(dlg, IDC_AMP_SCALE_SPIN, false));
    ASSERT_TRUE(harness::clickUpDownArrow(dlg, IDC_AMP_SCALE_SPIN, false));
    EXPECT_DOUBLE_EQ(dlg->mapView.ampScale, 0.0005);
    EXPECT_EQ(str(harness::text(dlg, IDC_AMP_SCALE)), L"0.0005");
    EXPECT_TRUE(harness::messageBoxes().empty());
    // The menu has no graph commands here; the pens are set all the same.
    const int before = CDlgMegCxcTopLink2DMap::graphInfo.showCount;
    ASSERT_TRUE(harness::menuCommand(dlg, ID_EDIT_GT_THRESHOLD));
    ASSERT_TRUE(harness::menuCommand(dlg, ID_VIEW_REFRESH));
    EXPECT_EQ(CDlgMegCxcTopLink2DMap::graphInfo.showCount, before);
    LOGPEN choice{PS_SOLID, {1, 0}, RGB(1, 2, 3)};
    CPenSetupqz::queueChoice(choice);
    ASSERT_TRUE(harness::menuCommand(dlg, ID_EDIT_SETUP_BLUE_PEN));
    LOGPEN now{};
    ASSERT_TRUE(dlg->mapView.linkPenBlue.GetLogPen(&now));
    EXPECT_EQ(now.lopnColor, RGB(1, 2, 3));
}

TEST_F(WaveDialog, ScaleStepsNeverLeaveTheFiniteNumbersAndEditsStoreAtOnce)
{
    EXPECT_EQ(CDlgCxcWaveMapCore::stepScale(DBL_MAX, -1), DBL_MAX);
    EXPECT_EQ(CDlgCxcWaveMapCore::stepScale(DBL_TRUE_MIN, +1), DBL_TRUE_MIN);
    EXPECT_EQ(CDlgCxcWaveMapCore::stepScale(-3.0, -1), -6.0);
    EXPECT_EQ(CDlgCxcWaveMapCore::stepScale(0.0, -1), 0.0);
    Host h(patches(0, 50));
    CDlgEegCxcTopWave2DMap* dlg = h.eegWave();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(harness::typeText(dlg, IDC_TIME_SCALE, L"1.5e308"));
    ASSERT_TRUE(harness::upDown(dlg, IDC_TIME_SCALE_SPIN, -1));
    EXPECT_DOUBLE_EQ(dlg->mapView.timeScale, 1.5e308);
    ASSERT_TRUE(harness::typeText(dlg, IDC_SELECT_BEGIN, L"1"));  // the edits still read back
    EXPECT_TRUE(harness::messageBoxes().empty());
    harness::pumpPaints();
    // Edits and boxes store at once; Update does not redraw.
    ASSERT_TRUE(harness::typeText(dlg, IDC_AMP_SCALE, L"40"));
    EXPECT_DOUBLE_EQ(dlg->mapView.ampScale, 40.0);
    ASSERT_TRUE(harness::typeText(dlg, IDC_SELECT_BEGIN, L"4"));
    EXPECT_EQ(h.cls().selectBegin, 4);
    ASSERT_TRUE(harness::clickCheck(dlg, IDC_AUTOFIT));
    EXPECT_EQ(dlg->mapView.autofit, 0);
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    harness::pumpPaints();
    dlg->mapView.sensorRadius = 11;
    ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
    EXPECT_EQ(str(harness::text(dlg, IDC_SENSOR_SIZE)), L"11");
    EXPECT_FALSE(harness::needsPaint(&dlg->mapView));
}

TEST_F(WaveDialog, ResetSetsZeroToThirtyEvenBeyondTheSeries)
{
    Host h(patches(40, 90).samples(20));
    CDlgMegCxcTopWave2DMap* dlg = h.megWave();
    ASSERT_NE(dlg, nullptr);
    harness::pumpPaints();
    ASSERT_TRUE(harness::clickButton(dlg, IDC_RESET));
    EXPECT_EQ(h.cls().selectBegin, 0);
    EXPECT_EQ(h.cls().selectEnd, 30);
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_END)), L"30");
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    harness::pumpPaints();
    EXPECT_TRUE(harness::messageBoxes().empty());
}

TEST_F(WaveDialog, ATrialThatAppearsLaterIsFoundByTheViewToo)
{
    Host h(std::make_unique<CArrayMEDataSetqz>());
    CDlgMegCxcTopWave2DMap* dlg = h.megWave();
    ASSERT_NE(dlg, nullptr);
    ASSERT_EQ(dlg->mapView.trial, nullptr);
    // The host adds a session with a trial to the same data set.
    auto session = std::make_unique<CMEGDataqz>();
    session->addTrial(patches(0, 50).buildTrial());
    h.data->addSession(std::move(session));
    CMDTrialqz* trial = cxc::testkit::trialOf(*h.data);
    // The dialog's lookup brings the view along: its trial and its sensor plane.
    ASSERT_EQ(dlg->refreshSessionTrial(), 1);
    EXPECT_EQ(dlg->trial, trial);
    EXPECT_EQ(dlg->mapView.trial, trial);
    EXPECT_TRUE(trial->isMegSnsr2dPlaneDone());
    ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
    ASSERT_EQ(harness::comboItems(dlg, IDC_ROW_COMBO).size(), 4u);
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_ROW_COMBO, 1));
    EXPECT_EQ(h.cls().curRow, 1);
    harness::pumpPaints();
    // The sensors are drawn: sensor 3 is a black circle on the white map.
    const harness::Image img = mapPicture(&dlg->mapView);
    const CPoint s3 = squareSensor(dlg->mapView, 3);
    EXPECT_GT(countAround(img, kBlack, s3, dlg->mapView.sensorRadius + 1), 10);
    EXPECT_TRUE(harness::messageBoxes().empty());
}
