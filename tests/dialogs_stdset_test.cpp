// The Setting dialog of the MEG link map: its bars, boxes and buttons.
#include <cmath>
#include <limits>

#include "dialogs_fixture.h"

namespace {

using namespace dlgtest;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// lo = -2, hi = 4 over the square (self pairs are left out of the range).
DataSet minusTwoToFour() { return square().pair(0, 1, 4.0).pair(2, 3, -2.0); }

class StdSet : public DialogTest {
protected:
    // The Setting dialog of a link dialog whose own first refresh has not found data yet.
    CDlgMegCxcShowStdSet* openFirst(Host& h)
    {
        link = h.megLink();
        if (!link) return nullptr;
        link->firstRefresh = 1;
        if (!harness::clickButton(link, IDC_SETTING)) return nullptr;
        return link->stdSetDlg;
    }
    CDlgMegCxcTopLink2DMap* link = nullptr;
};

// A range the coupling library does not give: NaN at the top.
class NaNRangeStdSet : public CDlgMegCxcShowStdSet {
protected:
    int readRange(double& lo, double& hi) override
    {
        lo = 0.0;
        hi = kNaN;
        return 1;
    }
};

int barPos(CWnd* dlg, int id) { return harness::scrollInfo(dlg, id).nPos; }
// The last position a bar of range 0..1024 and page 102 can show.
constexpr int kLastPosition = 1024 - 101;

}  // namespace

// Its texts, lists and bars are pinned by the snapshots.
TEST_F(StdSet, SettingOpensOneDialogOnTheLinkDialogsView)
{
    Host h(minusTwoToFour());
    CDlgMegCxcShowStdSet* dlg = openFirst(h);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->view, &link->mapView);
    EXPECT_TRUE(harness::visible(dlg));
    EXPECT_EQ(harness::foreground(), dlg->GetSafeHwnd());
    EXPECT_EQ(harness::bigIcon(dlg), static_cast<UINT>(IDI_ICON_STDSET));
    link->firstRefresh = 0;
    ASSERT_TRUE(harness::clickButton(link, IDC_SETTING));
    EXPECT_EQ(link->stdSetDlg, dlg);
}

TEST_F(StdSet, FirstRefreshTakesHalfOfHiOrHalfTheSpanAboveAPositiveLo)
{
    Host h(minusTwoToFour());
    CDlgMegCxcShowStdSet* dlg = openFirst(h);
    ASSERT_NE(dlg, nullptr);
    EXPECT_DOUBLE_EQ(dlg->highValue, 4.0);
    EXPECT_DOUBLE_EQ(dlg->lowValue, 2.0);
    EXPECT_DOUBLE_EQ(link->mapView.linkRangeMax, 4.0);
    EXPECT_DOUBLE_EQ(link->mapView.linkThreshold, 2.0);
    EXPECT_EQ(dlg->firstRefresh, 0);
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_MIN_TEXT)), L"select low:-2.000->2.000");
    EXPECT_EQ(str(harness::text(dlg, IDC_SELECT_MAX_TEXT)), L"select high:4.000->4.000");
    // s = 4.4 / 1024: low 2 / s = 465.45, high 4 / s = 930.9, which the bar shows at its last position.
    EXPECT_DOUBLE_EQ(CDlgMegCxcShowStdSet::scrollUnit(4.0), 4.4 / 1024);
    EXPECT_EQ(barPos(dlg, IDC_SELECT_MIN_BAR), 465);
    EXPECT_EQ(barPos(dlg, IDC_SELECT_MAX_BAR), kLastPosition);
    // Each bar sets its own value only, and redraws (every kind of scroll: the snapshots).
    harness::pumpPaints();
    ASSERT_TRUE(harness::hscroll(dlg, IDC_SELECT_MIN_BAR, SB_LINEDOWN));
    EXPECT_DOUBLE_EQ(link->mapView.linkRangeMax, 4.0);
    EXPECT_TRUE(harness::needsPaint(&link->mapView));
    ASSERT_TRUE(harness::hscroll(dlg, IDC_SELECT_MAX_BAR, SB_LINEUP));
    EXPECT_DOUBLE_EQ(link->mapView.linkThreshold, 466 * 4.4 / 1024);

    // With a positive lo, half the span above it.
    Host positive(square().diagonal(9.0).series([](int, int, long long) { return 1.0; }).pair(0, 1, 4.0));
    CDlgMegCxcShowStdSet* pos = openFirst(positive);
    ASSERT_NE(pos, nullptr);
    EXPECT_DOUBLE_EQ(pos->highValue, 4.0);
    EXPECT_DOUBLE_EQ(pos->lowValue, 1.5);
    EXPECT_EQ(str(harness::text(pos, IDC_SELECT_MIN_TEXT)), L"select low:1.000->1.500");
}

TEST_F(StdSet, AnEmptyOrNaNRangeIsAnErrorAndNothingIsStored)
{
    Host h(minusTwoToFour());
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    NaNRangeStdSet set;
    ASSERT_TRUE(set.Create(IDD_MEG_SHOW_STDSET));
    set.firstRefresh = 1;
    set.view = &dlg->mapView;
    EXPECT_EQ(set.refreshStdSet(), 0);
    EXPECT_EQ(lastMessage(), L"Cxc data range error!");
    EXPECT_EQ(set.firstRefresh, 1);
    EXPECT_DOUBLE_EQ(dlg->mapView.linkRangeMax, 4.0);
    EXPECT_DOUBLE_EQ(dlg->mapView.linkThreshold, 2.0);
    EXPECT_DOUBLE_EQ(set.highValue, 0.0);

    Host empty(square());  // every pair 0: lo = hi = 0
    CDlgMegCxcShowStdSet* zero = openFirst(empty);
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(messageCount(L"Cxc data range error!"), 2);
    EXPECT_EQ(zero->firstRefresh, 1);
    EXPECT_DOUBLE_EQ(zero->lowValue, 0.0);
    EXPECT_DOUBLE_EQ(link->mapView.linkRangeMax, 0.0);  // as the link dialog's refresh found it
}

TEST_F(StdSet, ThresholdsBeyondTheBarStopAtItsEndAndNaNLeavesThePosition)
{
    Host h(minusTwoToFour());
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    dlg->mapView.linkThreshold = 1e30;
    dlg->mapView.linkRangeMax = kNaN;
    ASSERT_TRUE(harness::clickButton(dlg, IDC_SETTING));
    ASSERT_NE(dlg->stdSetDlg, nullptr);
    EXPECT_EQ(barPos(dlg->stdSetDlg, IDC_SELECT_MIN_BAR), kLastPosition);
    EXPECT_EQ(barPos(dlg->stdSetDlg, IDC_SELECT_MAX_BAR), 512);
    dlg->mapView.linkThreshold = -1e30;  // the magnitude counts
    ASSERT_TRUE(harness::clickButton(dlg->stdSetDlg, IDC_STDSET_UPDATE));
    EXPECT_EQ(barPos(dlg->stdSetDlg, IDC_SELECT_MIN_BAR), kLastPosition);
}

TEST_F(StdSet, ColourScaleAndPolarityGoToTheViewExitStoresAndHidesApplyStoresRefreshRedraws)
{
    Host h(minusTwoToFour());
    CDlgMegCxcShowStdSet* dlg = openFirst(h);
    ASSERT_NE(dlg, nullptr);
    const int ids[] = {IDC_SCALE_1, IDC_SCALE_2, IDC_SCALE_256, IDC_SCALE_512, IDC_SCALE_768, IDC_SCALE_1024};
    for (int style = 0; style < 6; ++style) {
        harness::pumpPaints();
        ASSERT_TRUE(harness::clickRadio(dlg, ids[style]));
        EXPECT_EQ(link->mapView.linkStyle, style);
        EXPECT_TRUE(harness::needsPaint(&link->mapView));
    }
    ASSERT_TRUE(harness::clickCheck(dlg, IDC_POLARITY_VIEW));
    EXPECT_EQ(link->mapView.polarityView, 1);
    // Stored with them: the chosen values.
    EXPECT_DOUBLE_EQ(link->mapView.linkThreshold, 2.0);
    EXPECT_DOUBLE_EQ(link->mapView.linkRangeMax, 4.0);
    // Exit stores and hides, Apply stores, Refresh redraws.
    link->mapView.linkThreshold = 0.1;
    link->mapView.cxcClass = 2;
    harness::pumpPaints();
    ASSERT_TRUE(harness::clickButton(dlg, IDC_STDSET_APPLY));
    EXPECT_DOUBLE_EQ(link->mapView.linkThreshold, 2.0);
    EXPECT_EQ(link->mapView.cxcClass, 0);
    EXPECT_FALSE(harness::needsPaint(&link->mapView));
    ASSERT_TRUE(harness::clickButton(dlg, IDC_STDSET_REFRESH));
    EXPECT_TRUE(harness::needsPaint(&link->mapView));
    link->mapView.linkRangeMax = 9.0;
    ASSERT_TRUE(harness::clickButton(dlg, IDOK));
    EXPECT_DOUBLE_EQ(link->mapView.linkRangeMax, 4.0);
    EXPECT_FALSE(harness::visible(dlg));
    // Shown again by the next click, with the view's values once the link dialog has found data.
    link->firstRefresh = 0;
    link->mapView.linkThreshold = 3.0;
    ASSERT_TRUE(harness::clickButton(link, IDC_SETTING));
    EXPECT_TRUE(harness::visible(dlg));
    EXPECT_DOUBLE_EQ(dlg->lowValue, 3.0);
}

TEST_F(StdSet, ClassChoiceSwitchesTheMapsClassOnlyWhenItHasData)
{
    Host h(minusTwoToFour().classes(true, true, false));
    CDlgMegCxcShowStdSet* dlg = openFirst(h);
    ASSERT_NE(dlg, nullptr);
    harness::pumpPaints();
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_CLASS_COMBO, 1));
    EXPECT_EQ(link->mapView.cxcClass, 1);
    EXPECT_EQ(dlg->classIndex, 1);
    EXPECT_FALSE(harness::needsPaint(&link->mapView));  // shown at the next paint
    EXPECT_TRUE(harness::messageBoxes().empty());
    ASSERT_TRUE(harness::selectCombo(dlg, IDC_CLASS_COMBO, 2));
    EXPECT_EQ(lastMessage(), L"No Cxc Data for this class!?");
    EXPECT_EQ(link->mapView.cxcClass, 1);
    EXPECT_EQ(dlg->classIndex, 1);
    EXPECT_EQ(harness::comboSel(dlg, IDC_CLASS_COMBO), 1);
    // The link dialog names the class at its next refresh.
    ASSERT_TRUE(harness::clickButton(link, IDC_UPDATE));
    EXPECT_EQ(str(harness::caption(link)), L"Control Selection: Waveform CxC Map 2D");
}

TEST_F(StdSet, ADialogThatCannotBeMadeIsToldAndTriedAgainThenFollowsTheLatestDataSet)
{
    Host h(minusTwoToFour());
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    const auto windows = cxc::wnd::liveWindows().windows;
    harness::failNextCreate(IDD_MEG_SHOW_STDSET);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_SETTING));
    EXPECT_EQ(messageCount(L"Error creating Dialog!"), 1);
    EXPECT_EQ(harness::messageBoxes().size(), 1u);
    EXPECT_EQ(dlg->stdSetDlg, nullptr);
    EXPECT_EQ(cxc::wnd::liveWindows().windows, windows);
    ASSERT_TRUE(harness::clickButton(dlg, IDC_SETTING));
    ASSERT_NE(dlg->stdSetDlg, nullptr);
    EXPECT_TRUE(harness::visible(dlg->stdSetDlg));
    EXPECT_EQ(harness::messageBoxes().size(), 1u);
    // The host frees the data set the Setting dialog was opened on and shows the link map on another:
    // Update reads the new one (under the sanitizers: and nothing freed).
    CDlgMegCxcShowStdSet* set = dlg->stdSetDlg;
    h.data = square().pair(0, 1, 8.0).pair(2, 3, -1.0).build();
    ASSERT_EQ(h.megLink(), dlg);
    ASSERT_TRUE(harness::clickButton(set, IDC_STDSET_UPDATE));
    EXPECT_EQ(str(harness::text(set, IDC_SELECT_MIN_TEXT)), L"select low:-1.000->2.000");
    EXPECT_EQ(str(harness::text(set, IDC_SELECT_MAX_TEXT)), L"select high:4.000->8.000");
}

