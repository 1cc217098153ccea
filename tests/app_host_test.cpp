// The interactive host window, driven headless: menus, status line, the File menu, and each window
// entry opened through the facade with the host as parent.
#include "host.h"
#include "afxdlgs.h"
#include "hostwnd.h"

namespace {

using namespace apptest;
using cxc::ShowEntry;

cxc::app::DataSource testData(const DataSet& d, const char* origin = "test data")
{
    return cxc::app::DataSource{d.build(), origin};
}

DataSet small() { return DataSet().session(L"pilot").meg(4).eeg(3).samples(50).classes(true, false, true); }

class CxcmapHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateHost(testData(small())));
        host.ShowWindow(SW_SHOW);
    }
    void TearDown() override { host.DestroyWindow(); }
    CHostWnd host;
};

std::vector<std::wstring> items(CMenu* popup)
{
    std::vector<std::wstring> texts;
    for (int i = 0; popup && i < popup->GetMenuItemCount(); ++i) {
        CString t;
        popup->GetMenuString(static_cast<UINT>(i), t, MF_BYPOSITION);
        texts.push_back(popup->GetMenuItemID(i) == 0 ? L"-" : t.str());
    }
    return texts;
}

TEST_F(CxcmapHost, MenusNameEveryShowFunction)
{
    CMenu* bar = host.GetMenu();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuItemCount(), 4);
    EXPECT_EQ(items(bar->GetSubMenu(0)),
              (std::vector<std::wstring>{L"&Open Data Folder...", L"&Write Demo Data...", L"-", L"&Quit"}));
    const std::vector<std::wstring> maps{L"Link Map (Active)",    L"Link Map (Control)",    L"Link Map (Act-Ctl)", L"-",
                                         L"Patch Map (Active)",   L"Patch Map (Control)",   L"Patch Map (Act-Ctl)", L"-",
                                         L"Contour Map (Active)", L"Contour Map (Control)", L"Contour Map (Act-Ctl)"};
    EXPECT_EQ(items(bar->GetSubMenu(1)), maps);
    EXPECT_EQ(items(bar->GetSubMenu(2)), maps);
    EXPECT_EQ(items(bar->GetSubMenu(3)),
              (std::vector<std::wstring>{L"Row/Column Viewer (Active)", L"Row/Column Viewer (Control)",
                                         L"Row/Column Viewer (Act-Ctl)", L"-", L"Matrix Viewer (Active)",
                                         L"Matrix Viewer (Control)", L"Matrix Viewer (Act-Ctl)"}));
    // 24 windows, each on its own command, none greyed.
    int entries = 0;
    for (const ShowEntry& e : cxc::showTable()) {
        const UINT state = bar->GetMenuState(e.commandId, MF_BYCOMMAND);
        ASSERT_NE(state, static_cast<UINT>(-1)) << e.name;
        EXPECT_EQ(state & MF_GRAYED, 0u) << e.name;
        ++entries;
    }
    EXPECT_EQ(entries, 24);
}

TEST_F(CxcmapHost, StatusLineCountsWhatIsLoaded)
{
    EXPECT_EQ(host.statusText(),
              L"Session pilot  |  1 trial  |  7 channels (4 MEG, 3 EEG)  |  50 samples  |  2 classes (Active, Act-Ctl)");
    EXPECT_EQ(cxc::harness::caption(&host), L"cxcmap - test data");
}

TEST_F(CxcmapHost, OpenDataFolderReplacesTheData)
{
    Scratch scratch;
    const std::string folder = dataFolder(scratch, DataSet().session(L"second").meg(6).samples(20).trials(2));
    cxc::harness::answerNextFolderPicker(cxc::fromUtf8(folder));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kOpenDataFolder));
    EXPECT_EQ(host.statusText(),
              L"Session second  |  2 trials  |  6 channels (6 MEG, 0 EEG)  |  20 samples  |  3 classes (Active, Control, Act-Ctl)");
    EXPECT_EQ(cxc::harness::caption(&host), L"cxcmap - " + cxc::fromUtf8(folder));
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
}

TEST_F(CxcmapHost, RefusedFolderKeepsTheDataAndSaysWhy)
{
    Scratch scratch;
    CArrayMEDataSetqz* before = host.dataSet();
    cxc::harness::answerNextFolderPicker(cxc::fromUtf8(scratch.str("nowhere")));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kOpenDataFolder));
    ASSERT_EQ(cxc::harness::messageBoxes().size(), 1u);
    EXPECT_EQ(cxc::harness::messageBoxes()[0].text, cxc::fromUtf8(scratch.str("nowhere") + ": folder: no such folder"));
    EXPECT_EQ(host.dataSet(), before);
    EXPECT_EQ(host.statusText().Left(13), L"Session pilot");
}

TEST_F(CxcmapHost, CancelledPickerChangesNothing)
{
    CArrayMEDataSetqz* before = host.dataSet();
    const int pickers = cxc::harness::folderPickerCount();
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kOpenDataFolder));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kWriteDemoData));
    EXPECT_EQ(cxc::harness::folderPickerCount(), pickers + 2);
    EXPECT_EQ(host.dataSet(), before);
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
}

TEST_F(CxcmapHost, WriteDemoDataIntoAChosenFolder)
{
    Scratch scratch;
    cxc::harness::answerNextFolderPicker(cxc::fromUtf8(scratch.str("demo")));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kWriteDemoData));
    auto loaded = cxc::data::loadDataFolder(scratch.str("demo"));
    ASSERT_TRUE(loaded.dataSet) << loaded.error;
    EXPECT_EQ(host.messageText(), L"Wrote the demo data set to " + cxc::fromUtf8(scratch.str("demo")) + L".");
    EXPECT_EQ(host.statusText().Left(13), L"Session pilot") << "writing does not load";
}

TEST_F(CxcmapHost, QuitEndsTheHost)
{
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kQuit));
    EXPECT_EQ(host.GetSafeHwnd(), nullptr);
    EXPECT_EQ(host.facade(), nullptr) << "the module's windows close with the host";
}

TEST_F(CxcmapHost, EachEntryOpensItsWindowWithTheHostAsParent)
{
    for (const ShowEntry& e : cxc::showTable()) {
        ASSERT_TRUE(cxc::harness::menuCommand(&host, e.commandId)) << e.name;
        CDialog* dialog = cxc::dialogOf(*host.facade(), e);
        ASSERT_NE(dialog, nullptr) << e.name;
        EXPECT_TRUE(cxc::harness::visible(dialog)) << e.name;
        EXPECT_EQ(host.messageText(), L"Opened " + cxc::fromUtf8(e.name) + L".");
    }
    // A second choice of the same entry shows the same window again.
    const ShowEntry& e = cxc::showTable().front();
    CDialog* first = cxc::dialogOf(*host.facade(), e);
    ASSERT_TRUE(cxc::harness::menuCommand(&host, e.commandId));
    EXPECT_EQ(cxc::dialogOf(*host.facade(), e), first);
}

TEST_F(CxcmapHost, NewDataClosesTheWindowsOfTheOld)
{
    const ShowEntry& e = cxc::showTable().front();
    ASSERT_TRUE(cxc::harness::menuCommand(&host, e.commandId));
    const long before = cxc::wnd::liveWindows().dialogs;
    Scratch scratch;
    cxc::harness::answerNextFolderPicker(cxc::fromUtf8(dataFolder(scratch, DataSet().meg(5))));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kOpenDataFolder));
    EXPECT_LT(cxc::wnd::liveWindows().dialogs, before);
    EXPECT_EQ(cxc::dialogOf(*host.facade(), e), nullptr);
}

}  // namespace
