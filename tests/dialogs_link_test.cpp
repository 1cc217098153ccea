// The link map dialogs driven as a user drives them: buttons, lists, boxes, report and menu.
#include <cmath>
#include <vector>

#include "dialogs_fixture.h"

namespace {

using namespace dlgtest;

// The square with two links: 0-1 at 0.8, 2-3 at -0.4 (the largest magnitude is 0.8).
DataSet twoLinks(Modality m = Modality::Meg) { return square(m).pair(0, 1, 0.8).pair(2, 3, -0.4); }

class LinkDialog : public DialogTest {};

}  // namespace

TEST_F(LinkDialog, AClassWithoutDataKeepsTheDefaultsUntilDataAppear)
{
    Host h(twoLinks().classes(true, false, false));
    CDlgMegCxcTopLink2DMap* dlg = h.megLink(1);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->refreshDialog(), 0);
    EXPECT_EQ(dlg->firstRefresh, 1);
    EXPECT_DOUBLE_EQ(dlg->mapView.linkThreshold, 0.5);
    EXPECT_EQ(harness::comboItems(dlg, IDC_ROW_COMBO).size(), 0u);
    // The template's caption stays: the refresh stopped before naming the class.
    EXPECT_EQ(str(harness::caption(dlg)), L"MEG Waveform CxC TopLink 2D Map");
}

TEST_F(LinkDialog, UpdateRereadsTheSelectionAndLowersOnlyAThresholdNoLinkCanReachApplyStoresIt)
{
    Host h(twoLinks());
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    h.cls().setSelect(7, 30);
    ASSERT_TRUE(harness::typeText(dlg, IDC_LINK_THRESHOLD, L"2"));
    harness::pumpPaints();
    ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
    EXPECT_DOUBLE_EQ(dlg->mapView.linkThreshold, 0.4);
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_BEGIN)), L"7");
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_END)), L"30");
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    ASSERT_TRUE(harness::typeText(dlg, IDC_LINK_THRESHOLD, L"0.8"));  // exactly the largest: stays
    ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
    EXPECT_DOUBLE_EQ(dlg->mapView.linkThreshold, 0.8);
    // Apply stores the display values and the selection the dialog shows.
    ASSERT_TRUE(harness::typeText(dlg, IDC_SENSOR_SIZE, L"9"));
    ASSERT_TRUE(harness::typeText(dlg, IDC_SELECT_BEGIN, L"12"));
    ASSERT_TRUE(harness::typeText(dlg, IDC_SELECT_END, L"40"));
    ASSERT_TRUE(harness::clickCheck(dlg, IDC_SHOW_LABEL_CHECK));
    // Changed behind the dialog's back; Apply writes what the dialog shows.
    dlg->mapView.sensorRadius = 2;
    dlg->mapView.showLabel = 1;
    h.cls().setSelect(3, 4);
    harness::pumpPaints();
    ASSERT_TRUE(harness::clickButton(dlg, IDC_APPLY));
    EXPECT_EQ(dlg->mapView.sensorRadius, 9);
    EXPECT_EQ(dlg->mapView.showLabel, 0);
    EXPECT_EQ(h.cls().selectBegin, 12);
    EXPECT_EQ(h.cls().selectEnd, 40);
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
}

// Fit Top takes the typed share of the largest coupling m = 0.8, within 0 .. m; as in MFC a number
// the range check refused stays stored, and Fit Top clamps it too.
TEST_F(LinkDialog, FitTopTakesTheShareOfTheLargestCouplingWithinZeroAndIt)
{
    Host h(twoLinks());
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    const struct {
        const wchar_t* typed;
        bool refused;
        double kept, threshold;
    } cases[] = {{L"100", false, 100.0, 0.8},        {L"0", false, 0.0, 0.0},
                 {L"25", false, 25.0, 0.25 * 0.8},    {L"100.9", false, 100.9, 0.8},  // both pass the check
                 {L"-0.9", false, -0.9, 0.0},         {L"1e300", true, 1e300, 0.8},
                 {L"101", true, 101.0, 0.8},          {L"-1", true, -1.0, 0.0},
                 {L"4294967396", true, 4294967396.0, 0.8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kept);
        harness::clearMessageBoxes();
        ASSERT_TRUE(harness::typeText(dlg, IDC_TOP_PERCENT, c.typed));
        EXPECT_EQ(lastMessage(), c.refused ? L"Please enter an integer between 0 and 100." : L"");
        EXPECT_DOUBLE_EQ(dlg->topPercent, c.kept);
        harness::pumpPaints();
        ASSERT_TRUE(harness::clickButton(dlg, IDC_FIT_TOP));
        EXPECT_EQ(dlg->mapView.linkThreshold, c.threshold);  // exact: 100 % gives m itself
        EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    }
    harness::clearMessageBoxes();
    ASSERT_TRUE(harness::typeText(dlg, IDC_TOP_PERCENT, L"nan"));
    EXPECT_EQ(harness::messageBoxes().size(), 1u);  // not a number at all: the member keeps its value
    EXPECT_DOUBLE_EQ(dlg->topPercent, 4294967396.0);
}

TEST_F(LinkDialog, ChannelListsFollowTheLatestDataAndIgnoreRowsBeyondIt)
{
    // Two rows of five columns: the lists show five entries, of which only two name rows.
    Host h(DataSet().meg(5).rows({0, 1}).cols({0, 1, 2, 3, 4}).pair(0, 3, 0.6));
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    const std::vector<CString> five = harness::comboItems(dlg, IDC_COLUMN_COMBO);
    ASSERT_EQ(five.size(), 5u);
    ASSERT_EQ(harness::comboItems(dlg, IDC_ROW_COMBO).size(), 5u);
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_ROW_COMBO, 3));
    EXPECT_EQ(h.cls().curRow, 0);
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_ROW_COMBO, 1));
    EXPECT_EQ(h.cls().curRow, 1);
    harness::pumpPaints();
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_COLUMN_COMBO, 4));
    EXPECT_EQ(h.cls().curCol, 4);
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    EXPECT_EQ(h.cls(1).curCol, 0);  // the other classes keep theirs
    harness::pumpPaints();
    EXPECT_FALSE(harness::clientSurface(&dlg->mapView).isNull());
    EXPECT_TRUE(harness::messageBoxes().empty());
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_ROW_COMBO, 0));
    ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));  // the same names again
    EXPECT_EQ(harness::comboItems(dlg, IDC_COLUMN_COMBO), five);
    EXPECT_EQ(harness::comboSel(dlg, IDC_COLUMN_COMBO), 4);
    EXPECT_EQ(harness::comboSel(dlg, IDC_ROW_COMBO), 0);

    // Another data set with the last two channels as columns, in reverse.
    auto other = DataSet().meg(5).rows({0, 1}).cols({4, 3}).pair(0, 3, 0.6).build();
    ASSERT_EQ(h.face.showDlgCxcMegActLink2DMap(other.get(), nullptr), 1);
    const std::vector<CString> two = harness::comboItems(dlg, IDC_ROW_COMBO);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(str(two[0]), str(five[4]));
    EXPECT_EQ(str(two[1]), str(five[3]));
    EXPECT_EQ(harness::comboItems(dlg, IDC_COLUMN_COMBO), two);
    EXPECT_EQ(harness::comboSel(dlg, IDC_COLUMN_COMBO), 0);  // the new data's own current column

    ASSERT_EQ(h.face.showDlgCxcMegActLink2DMap(nullptr, nullptr), 1);
    EXPECT_TRUE(harness::comboItems(dlg, IDC_ROW_COMBO).empty());
    EXPECT_TRUE(harness::comboItems(dlg, IDC_COLUMN_COMBO).empty());
}

TEST_F(LinkDialog, MenuTogglesEegCheckMarksPensAndBoxesGoStraightIntoTheView)
{
    Host h(twoLinks());
    CDlgMegCxcTopLink2DMap* meg = h.megLink();
    CDlgEegCxcTopLink2DMap* eeg = h.eegLink();
    ASSERT_TRUE(meg && eeg);
    harness::pumpPaints();
    ASSERT_TRUE(harness::menuCommand(meg, ID_EDIT_GT_THRESHOLD));
    ASSERT_TRUE(harness::menuCommand(meg, ID_EDIT_GT_PRECISE));
    ASSERT_TRUE(harness::menuCommand(meg, ID_EDIT_GT_ACTIVE_ONLY));  // not the MEG dialog's
    EXPECT_EQ(meg->gtThreshold, 0);
    EXPECT_EQ(meg->gtPrecise, 0);
    EXPECT_EQ(meg->gtActiveOnly, 0);
    // The MEG dialog never marks its menu.
    ASSERT_TRUE(harness::menuCommand(meg, ID_EDIT_GT_THRESHOLD));
    EXPECT_EQ(harness::menuChecked(meg, ID_EDIT_GT_THRESHOLD), 0);
    EXPECT_FALSE(harness::needsPaint(&meg->mapView));

    ASSERT_TRUE(harness::menuCommand(eeg, ID_EDIT_GT_ACTIVE_ONLY));
    EXPECT_EQ(eeg->gtActiveOnly, 1);
    ASSERT_TRUE(harness::menuCommand(eeg, ID_EDIT_GT_PRECISE));
    EXPECT_EQ(eeg->gtPrecise, 0);
    // Marks are set when the menu opens, so they show the state of the last command.
    ASSERT_TRUE(harness::menuCommand(eeg, ID_VIEW_SHOW_INFORMATION));
    EXPECT_EQ(harness::menuChecked(eeg, ID_EDIT_GT_THRESHOLD), 1);
    EXPECT_EQ(harness::menuChecked(eeg, ID_EDIT_GT_PRECISE), 0);
    EXPECT_EQ(harness::menuChecked(eeg, ID_EDIT_GT_ACTIVE_ONLY), 1);
    // Pen commands replace the view's pens without redrawing.
    harness::pumpPaints();
    const UINT ids[] = {ID_EDIT_SETUP_BLACK_PEN, ID_EDIT_SETUP_RED_PEN, ID_EDIT_SETUP_BLUE_PEN};
    CPen* pens[] = {&eeg->mapView.linkPenBlack, &eeg->mapView.linkPenRed, &eeg->mapView.linkPenBlue};
    for (int i = 0; i < 3; ++i) {
        LOGPEN choice{PS_DASH, {1, 0}, RGB(10, 20 * i, 30)};
        CPenSetupqz::queueChoice(choice);
        ASSERT_TRUE(harness::menuCommand(eeg, ids[i]));
        LOGPEN now{};
        ASSERT_TRUE(pens[i]->GetLogPen(&now));
        EXPECT_EQ(now.lopnColor, RGB(10, 20 * i, 30));
        EXPECT_EQ(now.lopnStyle, static_cast<UINT>(PS_DASH));
    }
    EXPECT_FALSE(harness::needsPaint(&eeg->mapView));
    // Cancelled: the pen stays.
    ASSERT_TRUE(harness::menuCommand(eeg, ID_EDIT_SETUP_RED_PEN));
    LOGPEN now{};
    ASSERT_TRUE(eeg->mapView.linkPenRed.GetLogPen(&now));
    EXPECT_EQ(now.lopnColor, RGB(10, 20, 30));
    // Display boxes, edits and link settings go straight into the view.
    ASSERT_TRUE(harness::clickCheck(eeg, IDC_SHOW_SENSOR_CHECK));
    EXPECT_EQ(eeg->mapView.showSensor, 0);
    ASSERT_TRUE(harness::typeText(eeg, IDC_SELECT_END, L"50"));
    EXPECT_EQ(h.cls().selectEnd, 50);
    ASSERT_TRUE(harness::clickCheck(meg, IDC_SHOW_LINK));
    EXPECT_EQ(meg->mapView.showLink, 0);
    ASSERT_TRUE(harness::typeText(meg, IDC_MAX_LINK, L"5"));
    EXPECT_EQ(meg->mapView.maxLink, 5);
    ASSERT_TRUE(harness::typeText(meg, IDC_LINK_THRESHOLD, L"0.25"));
    EXPECT_DOUBLE_EQ(meg->mapView.linkThreshold, 0.25);
}

TEST_F(LinkDialog, GraphReportNormaliseAndCheckRangeWorkOnTheClassData)
{
    Host h(square().pair(0, 1, 0.5).pair(2, 3, -2.0).caption(L"demo: Active"));
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    // The graph report's text is pinned by the host's report tests; its window is captioned as the view.
    ASSERT_TRUE(harness::clickButton(dlg, IDC_GT_SW));
    EXPECT_EQ(str(CDlgMegCxcTopLink2DMap::graphInfo.lastCaption), L"demo: Active");
    ASSERT_TRUE(harness::menuCommand(dlg, ID_EDIT_CHECK_DATA_RANGE));
    EXPECT_DOUBLE_EQ(h.cls().valueMin, -2.0);
    EXPECT_DOUBLE_EQ(h.cls().valueMax, 0.5);
    ASSERT_TRUE(harness::menuCommand(dlg, ID_EDIT_NORMALIZE_RMS));
    // Constant series divided by their RMS: every pair becomes +-1.
    EXPECT_DOUBLE_EQ(h.cls().getValueSelect(-1, -1, 0, 1), 1.0);
    EXPECT_DOUBLE_EQ(h.cls().getValueSelect(-1, -1, 2, 3), -1.0);
    EXPECT_DOUBLE_EQ(h.cls(1).getValueSelect(-1, -1, 2, 3), -2.0);  // only the dialog's class
    EXPECT_EQ(harness::waitCursorDepth(), 0);
}
