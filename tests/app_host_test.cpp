// The interactive host window, driven headless: menus, status line, File menu and window entries.
#include "host.h"
#include "afxdlgs.h"
#include "fieldtrip_fixture.h"
#include "hostwnd.h"
#include "resource.h"

namespace {

using namespace apptest;
using cxc::ShowEntry;

cxc::app::DataSource testData(const DataSet& d, const char* origin = "test data")
{
    return cxc::app::DataSource{d.build(), origin, {}};
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
              (std::vector<std::wstring>{L"&Open Data Folder...", L"Open &FieldTrip File...", L"&Write Demo Data...",
                                         L"&Save Picture...", L"&Record Movie...", L"-", L"&Quit"}));
    const std::vector<std::wstring> maps{L"Link Map (Active)",    L"Link Map (Control)",    L"Link Map (Act-Ctl)", L"-",
                                         L"Patch Map (Active)",   L"Patch Map (Control)",   L"Patch Map (Act-Ctl)", L"-",
                                         L"Contour Map (Active)", L"Contour Map (Control)", L"Contour Map (Act-Ctl)"};
    EXPECT_EQ(items(bar->GetSubMenu(1)), maps);
    EXPECT_EQ(items(bar->GetSubMenu(2)), maps);
    EXPECT_EQ(items(bar->GetSubMenu(3)),
              (std::vector<std::wstring>{L"Row/Column Viewer (Active)", L"Row/Column Viewer (Control)",
                                         L"Row/Column Viewer (Act-Ctl)", L"-", L"Matrix Viewer (Active)",
                                         L"Matrix Viewer (Control)", L"Matrix Viewer (Act-Ctl)"}));
}

TEST_F(CxcmapHost, OpenDataFolderReplacesTheDataAndClosesTheWindowsOfTheOld)
{
    const ShowEntry& e = cxc::showTable().front();
    ASSERT_TRUE(cxc::harness::menuCommand(&host, e.commandId));
    const long before = cxc::wnd::liveWindows().dialogs;
    Scratch scratch;
    const std::string folder = dataFolder(scratch, DataSet().session(L"second").meg(6).samples(20).trials(2));
    cxc::harness::answerNextFolderPicker(cxc::fromUtf8(folder));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kOpenDataFolder));
    EXPECT_LT(cxc::wnd::liveWindows().dialogs, before);
    EXPECT_EQ(cxc::dialogOf(*host.facade(), e), nullptr);
    EXPECT_EQ(host.statusText(),
              L"Session second  |  2 trials  |  6 channels (6 MEG, 0 EEG)  |  20 samples  |  3 classes (Active, Control, Act-Ctl)");
    EXPECT_EQ(cxc::harness::caption(&host), L"cxcmap - " + cxc::fromUtf8(folder));
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
}

TEST_F(CxcmapHost, OpenFieldTripFileReplacesTheDataAndTellsWhatWasLeftOut)
{
    Scratch scratch;
    const std::string file = scratch.str("conn.mat");
    fieldtriptest::writeMat(file, {{"stat", fieldtriptest::connectivity()}});
    host.fieldTrip.freq = std::pair{8.0, 12.0};
    cxc::harness::answerNextFileDialog(cxc::fromUtf8(file));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kOpenFieldTrip));
    EXPECT_EQ(host.statusText(),
              L"Session conn  |  1 trial  |  3 channels (2 MEG, 1 EEG)  |  5 samples  |  1 class (Active)");
    EXPECT_EQ(host.messageText(), L"Loaded " + cxc::fromUtf8(file) + L". " + cxc::fromUtf8(file) +
                                      L": 1 channel without a position in grad or elec left out: X1");
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
}

// Every command reads a FieldTrip file with the band, parameter and variable asked for.
TEST(CxcmapFieldTrip, CommandsReadAMatFileWithItsOptions)
{
    Scratch scratch;
    const std::string file = scratch.str("conn.mat");
    fieldtriptest::writeMat(file, {{"stat", fieldtriptest::connectivity()}});
    const std::string left = ": 1 channel without a position in grad or elec left out: X1\n";
    const Outcome report = cxcmap({"report", "--data", file, "--freq", "8", "12", "--variable", "stat", "--threshold", "0.3"});
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.out.find("Threshold:0.300000 Connection:"), std::string::npos) << report.out;
    EXPECT_EQ(report.err, "cxcmap report: " + file + left);
    const Outcome grid = cxcmap({"grid", "--data", file, "--freq", "8", "12", "--parameter", "cohspctrm", "--out", scratch.str("g.csv")});
    EXPECT_EQ(grid.status, 0) << grid.err;
    const Outcome noBand = cxcmap({"render", "--data", file, "--out", scratch.str("pictures")});
    EXPECT_EQ(noBand.status, 1);
    EXPECT_EQ(noBand.err, "cxcmap render: " + file + ": stat.freq: 4 frequencies (8 .. 30 Hz): name the band to average\n");
}

TEST_F(CxcmapHost, RefusedFolderKeepsTheDataAndSaysWhyACancelledPickerChangesNothing)
{
    Scratch scratch;
    CArrayMEDataSetqz* before = host.dataSet();
    cxc::harness::answerNextFolderPicker(cxc::fromUtf8(scratch.str("nowhere")));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kOpenDataFolder));
    ASSERT_EQ(cxc::harness::messageBoxes().size(), 1u);
    EXPECT_EQ(cxc::harness::messageBoxes()[0].text, cxc::fromUtf8(scratch.str("nowhere") + ": folder: no such folder"));
    EXPECT_EQ(host.dataSet(), before);
    EXPECT_EQ(host.statusText().Left(13), L"Session pilot");
    // A cancelled picker changes nothing either.
    cxc::harness::clearMessageBoxes();
    const int pickers = cxc::harness::folderPickerCount();
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kOpenDataFolder));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kWriteDemoData));
    EXPECT_EQ(cxc::harness::folderPickerCount(), pickers + 2);
    EXPECT_EQ(host.dataSet(), before);
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
}

TEST_F(CxcmapHost, WriteDemoDataIntoAChosenFolderThenQuit)
{
    Scratch scratch;
    cxc::harness::answerNextFolderPicker(cxc::fromUtf8(scratch.str("demo")));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kWriteDemoData));
    auto loaded = cxc::data::loadDataFolder(scratch.str("demo"));
    ASSERT_TRUE(loaded.dataSet) << loaded.error;
    EXPECT_EQ(host.messageText(), L"Wrote the demo data set to " + cxc::fromUtf8(scratch.str("demo")) + L".");
    EXPECT_EQ(host.statusText().Left(13), L"Session pilot") << "writing does not load";
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kQuit));
    EXPECT_EQ(host.GetSafeHwnd(), nullptr);
    EXPECT_EQ(host.facade(), nullptr) << "the module's windows close with the host";
}

TEST_F(CxcmapHost, SavePictureWritesTheFrontmostWindowInTheFormatOfItsName)
{
    const std::vector<const ShowEntry*> windows{&cxc::showTable().front(), &cxc::showTable().back()};
    const auto lastMessage = [] {
        const std::vector<std::wstring> m = messages();
        return m.empty() ? std::wstring() : m.back();
    };
    Scratch scratch;
    // Without a window: a message box says what to do, and no file dialog opens.
    cxc::harness::answerNextFileDialog(cxc::fromUtf8(scratch.str("never.png")));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kSavePicture));
    EXPECT_EQ(lastMessage(), L"Open a window first: Save Picture saves the frontmost coupling window.");
    cxc::harness::answerNextFileDialog(nullptr);
    ASSERT_TRUE(cxc::harness::menuCommand(&host, windows.front()->commandId));
    ASSERT_TRUE(cxc::harness::menuCommand(&host, windows.back()->commandId));
    const ShowEntry* front = nullptr;
    EXPECT_EQ(host.frontWindow(&front), cxc::dialogOf(*host.facade(), *windows.back())) << "the last opened";
    cxc::dialogOf(*host.facade(), *windows.front())->SetForegroundWindow();
    EXPECT_EQ(host.frontWindow(&front), cxc::dialogOf(*host.facade(), *windows.front())) << "the foreground one";
    host.SetForegroundWindow();  // as choosing the host's menu does
    EXPECT_EQ(host.frontWindow(&front), cxc::dialogOf(*host.facade(), *windows.front())) << "still the foreground one";
    const struct {
        const char* name;  // chosen in the file dialog
        const char* file;  // written, starting with `start`; null: refused
        const char* start;
    } cases[] = {
        {"a.png", "a.png", "\x89PNG"}, {"b.SVG", "b.SVG", "<?xml"}, {"c.pdf", "c.pdf", "%PDF"},
        {"d", "d.png", "\x89PNG"},  // the dialog's default extension
        {"e.gif", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cxc::harness::clearMessageBoxes();
        cxc::harness::answerNextFileDialog(cxc::fromUtf8(scratch.str(c.name)));
        ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kSavePicture));
        if (!c.file) {
            EXPECT_EQ(lastMessage(), cxc::fromUtf8(scratch.str(c.name) + ": the name must end in .png, .svg or .pdf").str());
            continue;
        }
        EXPECT_TRUE(cxc::harness::messageBoxes().empty());
        EXPECT_EQ(readFile(scratch.path(c.file)).rfind(c.start, 0), 0u);
        EXPECT_EQ(host.messageText(), L"Saved " + cxc::fromUtf8(front->name) + L" to " + cxc::fromUtf8(scratch.str(c.file)) + L".");
    }
    EXPECT_EQ(scratch.list(), (std::vector<std::string>{"a.png", "b.SVG", "c.pdf", "d.png"}));
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

}  // namespace

TEST_F(CxcmapHost, RecordMovieWritesTheFrontWindowAndACancelLeavesNothing)
{
    Scratch scratch;
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kRecordMovie));  // nothing plays yet
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(host.recordDialog(), nullptr);
    ASSERT_EQ(host.openWindow(*cxc::findShow("showDlgCxcMegActLink2DMap")), 1);
    ASSERT_TRUE(cxc::harness::menuCommand(&host, CHostWnd::kRecordMovie));
    CRecordMovieDlg* dialog = host.recordDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(cxc::harness::visible(dialog));
    cxc::harness::typeText(dialog, CRecordMovieDlg::kTicksId, L"4");
    for (const bool cancel : {true, false}) {
        const std::string file = scratch.str(cancel ? "cancelled.gif" : "movie.gif");
        cxc::harness::typeText(dialog, CRecordMovieDlg::kFileId, cxc::fromUtf8(file));
        ASSERT_TRUE(cxc::harness::clickButton(dialog, IDOK));
        cxc::harness::advanceTime(25);  // a frame per tick of the dialog's timer, every 10 ms
        EXPECT_EQ(str(cxc::harness::text(dialog, CRecordMovieDlg::kProgressId)), L"Frame 2 of 4");
        if (cancel) {
            ASSERT_TRUE(cxc::harness::clickButton(dialog, IDCANCEL));
        }
        cxc::harness::advanceTime(100);
        EXPECT_EQ(str(cxc::harness::text(dialog, CRecordMovieDlg::kProgressId)),
                  cancel ? L"Cancelled; nothing was written." : L"Wrote " + cxc::fromUtf8(file).str() + L".");
        EXPECT_EQ(fs::exists(file), !cancel);
    }
    EXPECT_EQ(scratch.list().size(), 1u);  // movie.gif alone, no temporary file
}

// A new row/column viewer or patch map gets scales that fit its data, typed into its edits and in
// force; without that, the module's own defaults stay.
TEST(CxcmapHostScales, ViewerAndPatchMapOpenWithScalesThatFitTheData)
{
    struct Case {
        const char* window;
        bool fit;
    };
    for (const Case c : {Case{"showDlgCxcRowColumnAct", true}, {"showDlgCxcMegActWave2DMap", true},
                         {"showDlgCxcRowColumnAct", false}, {"showDlgCxcMegActWave2DMap", false}}) {
        SCOPED_TRACE(std::string(c.window) + (c.fit ? " fitted" : " raw"));
        CHostWnd host;
        ASSERT_TRUE(host.CreateHost(testData(small().pair(0, 1, 0.5).pair(0, 2, -0.25).pair(1, 2, 4.0))));
        host.fitScales = c.fit;
        const ShowEntry* entry = cxc::findShow(c.window);
        ASSERT_TRUE(host.openWindow(*entry));
        CDialog* dialog = cxc::dialogOf(*host.facade(), *entry);
        const double amp = std::stod(cxc::toUtf8(cxc::harness::text(dialog, IDC_AMP_SCALE)));
        const double time = std::stod(cxc::toUtf8(cxc::harness::text(dialog, IDC_TIME_SCALE)));
        const bool viewer = entry->kind == cxc::ShowKind::RowColumn;
        if (!c.fit) {
            EXPECT_EQ(amp, viewer ? 0.005 : 0.001);
            EXPECT_EQ(time, 1.0);
        } else if (viewer) {
            // Row 0's largest |value| (0.5, not the 4.0 of another row) takes 80 % of the room above
            // the base line, and the 50 samples most of the width right of the names.
            EXPECT_EQ(host.facade()->ampScale, amp);
            EXPECT_NEAR(amp * 0.5, 0.8 * static_cast<double>(host.facade()->baseLineY), 0.5);
            CRect r;
            dialog->GetDlgItem(entry->viewId)->GetClientRect(&r);
            EXPECT_NEAR(time * 50, 0.8 * static_cast<double>(r.Width() - host.facade()->nameWidth), 0.5);
        } else {
            EXPECT_GT(amp, 10.0);  // a 0.5 peak is several pixels high
            EXPECT_GT(time, 1.0);
        }
        host.DestroyWindow();
    }
}
