// The facade's map show functions: slots, what each call hands over, failures and a freed data set.
#include <functional>

#include "dialogs_fixture.h"
#include "show_table.h"
#include "support.h"

namespace {

using namespace dlgtest;

class ShowFunctions : public DialogTest {};

using showtable::Kind;
using showtable::Show;

// The map windows of the show table (the viewers have tests of their own).
std::vector<Show> mapShows()
{
    std::vector<Show> out;
    for (const Show& s : showtable::kShows)
        if (s.kind != Kind::RowColumn && s.kind != Kind::Matrix) out.push_back(s);
    return out;
}

UINT templateOf(const Show& s)
{
    const UINT meg[] = {IDD_MEG_TOPLINK_2DMAP, IDD_MEG_TOPWAVE_2DMAP, IDD_MEG_CONTOUR_2DMAP};
    const UINT eeg[] = {IDD_EEG_TOPLINK_2DMAP, IDD_EEG_TOPWAVE_2DMAP, IDD_EEG_CONTOUR_2DMAP};
    return (showtable::modalityOf(s) ? eeg : meg)[static_cast<int>(s.kind)];
}

// The core of a shown dialog and its view's shared fields.
CDlgCxcMapCore* coreOf(CDialog* d) { return dynamic_cast<CDlgCxcMapCore*>(d); }

}  // namespace

TEST_F(ShowFunctions, EachOpensItsOwnDialogOnceAndShowsItInFront)
{
    const long before = CDlgCxcMapCore::liveCount();
    Host h(square().eeg(2));
    CWnd parent;
    for (const Show& c : mapShows()) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ((h.face.*c.show)(h.data.get(), &parent), 1);
        CDialog* dlg = h.face.*c.slot;
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->m_nIDTemplate, templateOf(c));
        EXPECT_TRUE(harness::visible(dlg));
        EXPECT_EQ(harness::foreground(), dlg->GetSafeHwnd());
        EXPECT_EQ(dlg->GetParent(), nullptr);  // the host's window is never the dialog's parent
        CDlgCxcMapCore* core = coreOf(dlg);
        ASSERT_NE(core, nullptr);
        cxc::maps::SensorMapFields& v = core->viewFields();
        EXPECT_EQ(v.mapMode, static_cast<int>(c.kind));  // link 0, patch 1, contour 2
        EXPECT_EQ(v.cxcClass, c.cxcClass);
        EXPECT_EQ(v.dataSet, h.data.get());
        EXPECT_EQ(v.drawer, &h.face);
        EXPECT_EQ(v.parentWnd, &parent);
        EXPECT_NE(v.trial, nullptr);
        EXPECT_EQ(core->dataSet, h.data.get());
        EXPECT_EQ(core->drawer, &h.face);
        EXPECT_EQ(core->parentWnd, &parent);
        EXPECT_EQ(harness::bigIcon(dlg), static_cast<UINT>(IDI_ICON_CXCMAP));
        // Shown again: the same dialog, brought back to the front.
        ASSERT_EQ((h.face.*c.show)(h.data.get(), &parent), 1);
        EXPECT_EQ(h.face.*c.slot, dlg);
    }
    EXPECT_EQ(h.face.dataSet, h.data.get());  // the facade draws from the same data set
    EXPECT_EQ(CDlgCxcMapCore::liveCount(), before + 18);
}

TEST_F(ShowFunctions, ALaterCallSwitchesToTheNewDataSetAndParent)
{
    Host h(square().pair(0, 1, 0.8));
    auto other = square().pair(2, 3, -0.4).build();
    CWnd first, second;
    ASSERT_EQ(h.face.showDlgCxcMegActLink2DMap(h.data.get(), &first), 1);
    auto* dlg = dynamic_cast<CDlgMegCxcTopLink2DMap*>(h.face.megLinkAct);
    ASSERT_NE(dlg, nullptr);
    ASSERT_EQ(h.face.showDlgCxcMegActLink2DMap(other.get(), &second), 1);
    EXPECT_EQ(h.face.megLinkAct, dlg);
    EXPECT_EQ(dlg->dataSet, other.get());
    EXPECT_EQ(dlg->parentWnd, &second);
    EXPECT_EQ(dlg->mapView.dataSet, other.get());
    EXPECT_EQ(dlg->mapView.parentWnd, &second);
    EXPECT_EQ(dlg->mapView.trial, cxc::testkit::trialOf(*other));
    EXPECT_EQ(h.face.dataSet, other.get());
}

TEST_F(ShowFunctions, AFailedCreationDeletesTheDialogAndOnlyTheActiveVariantsSaySo)
{
    Host h(square());
    for (const Show& c : mapShows()) {
        SCOPED_TRACE(c.name);
        harness::clearMessageBoxes();
        const long dialogs = CDlgCxcMapCore::liveCount(), windows = cxc::wnd::liveWindows().windows;
        harness::failNextCreate(templateOf(c));
        EXPECT_EQ((h.face.*c.show)(h.data.get(), nullptr), 0);
        EXPECT_EQ(h.face.*c.slot, nullptr);
        EXPECT_EQ(CDlgCxcMapCore::liveCount(), dialogs);  // the dialog it made is deleted
        EXPECT_EQ(cxc::wnd::liveWindows().windows, windows);
        const bool told = c.cxcClass == 0;
        EXPECT_EQ(messageCount(L"Error creating Dialog!"), told ? 1 : 0);
        EXPECT_EQ(harness::messageBoxes().size(), told ? 1u : 0u);
        // The slot stayed empty, so the next call tries again and succeeds.
        EXPECT_EQ((h.face.*c.show)(h.data.get(), nullptr), 1);
        EXPECT_NE(h.face.*c.slot, nullptr);
    }
}

// Its picture is pinned for every window by the hostile-data walk.
TEST_F(ShowFunctions, AnEmptyDataSetOpensWithoutATrialAndEveryControlStopsQuietly)
{
    Host h(std::make_unique<CArrayMEDataSetqz>());
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->mapView.trial, nullptr);
    EXPECT_EQ(dlg->trial, nullptr);
    EXPECT_EQ(harness::comboItems(dlg, IDC_ROW_COMBO).size(), 0u);
    EXPECT_EQ(str(harness::caption(dlg)), L"Active Selection: Waveform CxC Map 2D");
    EXPECT_TRUE(harness::messageBoxes().empty());
    // Fit Top only reads the controls.
    ASSERT_TRUE(harness::typeText(dlg, IDC_TOP_PERCENT, L"80"));
    harness::pumpPaints();
    ASSERT_TRUE(harness::clickButton(dlg, IDC_FIT_TOP));
    EXPECT_DOUBLE_EQ(dlg->topPercent, 80.0);
    EXPECT_DOUBLE_EQ(dlg->mapView.linkThreshold, 0.5);
    EXPECT_FALSE(harness::needsPaint(&dlg->mapView));
    // The Setting dialog stops quietly.
    ASSERT_TRUE(harness::clickButton(dlg, IDC_SETTING));
    CDlgMegCxcShowStdSet* set = dlg->stdSetDlg;
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->refreshStdSet(), 0);
    ASSERT_TRUE(harness::hscroll(set, IDC_SELECT_MIN_BAR, SB_LINEDOWN));
    ASSERT_TRUE(harness::selectCombo(set, IDC_CLASS_COMBO, 1));
    EXPECT_EQ(lastMessage(), L"No Cxc Data for this class!?");
    EXPECT_EQ(dlg->mapView.cxcClass, 0);
    EXPECT_DOUBLE_EQ(dlg->mapView.linkThreshold, 0.5);
    EXPECT_EQ(str(harness::text(set, IDC_SELECT_MIN_TEXT)), L"");  // the empty text of its first exchange
    // An unknown class is captioned so.
    CDlgEegCxcTopLink2DMap* eeg = h.eegLink();
    ASSERT_NE(eeg, nullptr);
    eeg->mapView.cxcClass = 7;
    ASSERT_TRUE(harness::clickButton(eeg, IDC_UPDATE));
    EXPECT_EQ(str(harness::caption(eeg)), L"Unknown Waveform CxC Map 2D");
    EXPECT_EQ(str(eeg->titleText), L"Unknown Waveform CxC Map 2D");
    // A tick changes nothing and the timer runs on.
    CDlgEegCxcTopWave2DMap* wave = h.eegWave();
    ASSERT_NE(wave, nullptr);
    for (CDlgCxcMapCore* d : {static_cast<CDlgCxcMapCore*>(dlg), static_cast<CDlgCxcMapCore*>(wave)}) {
        ASSERT_TRUE(harness::clickButton(d, IDC_PLAY));
        harness::advanceTime(500);
        EXPECT_TRUE(harness::timerRunning(d, 100));
        EXPECT_EQ(str(harness::text(d, IDC_PLAY)), L"Play");
        EXPECT_EQ(d->viewFields().playing, 1);
    }
}

TEST_F(ShowFunctions, AFreedDataSetIsNeverReadAgain)
{
    auto a = square().pair(0, 1, 0.8).build();
    CMEGShowCCData2DFaceqz face;
    ASSERT_EQ(face.showDlgCxcMegActLink2DMap(a.get(), nullptr), 1);
    ASSERT_EQ(face.showDlgCxcEegActWave2DMap(a.get(), nullptr), 1);
    auto* link = dynamic_cast<CDlgMegCxcTopLink2DMap*>(face.megLinkAct);
    auto* wave = dynamic_cast<CDlgEegCxcTopWave2DMap*>(face.eegWaveAct);
    harness::pumpPaints();
    a.reset();  // the host frees the data set, then shows the windows without one
    ASSERT_EQ(face.showDlgCxcMegActLink2DMap(nullptr, nullptr), 1);
    ASSERT_EQ(face.showDlgCxcEegActWave2DMap(nullptr, nullptr), 1);
    EXPECT_EQ(link->session, nullptr);
    EXPECT_EQ(link->trial, nullptr);
    EXPECT_EQ(link->mapView.session, nullptr);
    EXPECT_EQ(link->mapView.trial, nullptr);
    EXPECT_EQ(wave->mapView.trial, nullptr);
    // Every handler that reads data finds none.
    EXPECT_TRUE(harness::clickButton(link, IDC_APPLY));
    EXPECT_TRUE(harness::clickButton(link, IDC_UPDATE));
    EXPECT_TRUE(harness::clickButton(link, IDC_STEP_FORWARD));
    EXPECT_TRUE(harness::clickButton(link, IDC_GT_SW));
    EXPECT_TRUE(harness::clickButton(wave, IDC_RESET));
    // Erased first: a paint that only writes a message leaves the old map around it otherwise.
    link->mapView.Invalidate(TRUE);
    wave->mapView.Invalidate(TRUE);
    harness::pumpPaints();
    cxctest::expectShowsText(mapPicture(&link->mapView), L"Please compute channel-channel data first!", "link");
    cxctest::expectShowsText(mapPicture(&wave->mapView), L"Please compute channel-channel data first!", "wave");
}
