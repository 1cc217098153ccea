// Windows and dialogs: lifetime, visibility, placement, mouse routing, menus, icons, message boxes.
#include <climits>
#include <string>
#include <vector>

#include "wnd_fixture.h"

namespace {

using wndtest::dlu;
using wndtest::str;
using wndtest::WndTest;

class TestView : public CStatic {
public:
    std::vector<std::string>* trace = nullptr;
    int sizes = 0;
protected:
    afx_msg void OnSize(UINT, int cx, int cy)
    {
        ++sizes;
        if (trace) trace->push_back("view size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestView, CStatic)
    ON_WM_SIZE()
END_MESSAGE_MAP()

// The MEG link map template with a view, the menu handlers and the mouse.
class MapForm : public CDialog {
public:
    TestView view;
    CButton play;
    std::vector<std::string> trace;

    MapForm() { view.trace = &trace; }
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_MAP_VIEW, view);
        DDX_Control(dx, IDC_PLAY, play);
    }
    BOOL OnInitDialog() override
    {
        trace.push_back(std::string("init, view bound: ") + (CDialog::OnInitDialog() && view.m_hWnd ? "yes" : "no"));
        return TRUE;
    }

protected:
    void note(const char* what, CPoint p)
    {
        trace.push_back(std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    afx_msg void OnLButtonDown(UINT flags, CPoint p) { note((flags & MK_LBUTTON) ? "down+" : "down", p); }
    afx_msg void OnMouseMove(UINT, CPoint p) { note("move", p); }
    afx_msg void OnLButtonUp(UINT, CPoint p) { note("up", p); }
    afx_msg void OnSize(UINT, int cx, int cy)
    {
        trace.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy) + (view.m_hWnd ? " view" : " no view"));
    }
    afx_msg void OnInitMenu(CMenu*) { trace.push_back("initmenu"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(MapForm, CDialog)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SIZE()
    ON_WM_INITMENU()
END_MESSAGE_MAP()

class Windows : public WndTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create(IDD_MEG_TOPLINK_2DMAP));
    }
    MapForm form;
};

TEST_F(Windows, SizeArrivesBeforeInitDialogWhichBindsTheViewAndCaptionsComeFromTheTemplate)
{
    const CSize client(MulDiv(450, 6, 4), MulDiv(395, 13, 8));
    ASSERT_GE(form.trace.size(), 2u);
    EXPECT_EQ(form.trace[0], "size " + std::to_string(client.cx) + "x" + std::to_string(client.cy) + " no view");
    EXPECT_EQ(form.trace[1], "init, view bound: yes");
    CRect r;
    form.GetClientRect(&r);
    EXPECT_EQ(r, CRect(0, 0, client.cx, client.cy));
    // Captions and texts come from the template and change on request.
    EXPECT_EQ(str(cxc::harness::caption(&form)), L"MEG Waveform CxC TopLink 2D Map");
    form.SetWindowText(L"Active Selection: Waveform CxC Map 2D");
    EXPECT_EQ(str(cxc::harness::caption(&form)), L"Active Selection: Waveform CxC Map 2D");
    form.play.SetWindowText(L"Stop...");
    EXPECT_EQ(str(cxc::harness::text(&form, IDC_PLAY)), L"Stop...");
}

TEST_F(WndTest, DestroyingADialogDestroysItsWindowAndEveryControl)
{
    const auto before = cxc::wnd::liveWindows();
    {
        MapForm dlg;
        ASSERT_TRUE(dlg.Create(IDD_MEG_TOPLINK_2DMAP));
        const auto open = cxc::wnd::liveWindows();
        EXPECT_EQ(open.windows - before.windows, 1 + 28);  // the dialog and its 28 controls
        EXPECT_EQ(open.dialogs - before.dialogs, 1);
        EXPECT_GT(open.widgets, before.widgets + 28);
        EXPECT_EQ(open.menus - before.menus, 3);  // the bar and its two popups
        const HWND view = dlg.view.m_hWnd;
        ASSERT_TRUE(dlg.DestroyWindow());
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_EQ(dlg.view.m_hWnd, nullptr);  // the member object lives on without its window
        EXPECT_FALSE(IsWindow(view));
        EXPECT_EQ(CWnd::FromHandle(view), nullptr);  // a stale handle finds nothing and takes nothing
        EXPECT_EQ(::SendMessage(view, WM_USER, 4, 2), 0);
        const auto closed = cxc::wnd::liveWindows();
        EXPECT_EQ(closed.windows, before.windows);
        EXPECT_EQ(closed.widgets, before.widgets);
        EXPECT_EQ(closed.menus, before.menus);
    }
    {
        MapForm dlg;
        ASSERT_TRUE(dlg.Create(IDD_MEG_TOPLINK_2DMAP));
    }  // the destructor destroys the window
    const auto after = cxc::wnd::liveWindows();
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_EQ(after.dialogs, before.dialogs);
    EXPECT_EQ(after.widgets, before.widgets);
}

TEST_F(Windows, DialogStaysHiddenUntilShownAndTheCloseBoxHidesIt)
{
    EXPECT_FALSE(form.IsWindowVisible());
    EXPECT_FALSE(cxc::harness::visible(&form, IDC_MAP_VIEW));  // a child of a hidden dialog is hidden
    EXPECT_FALSE(form.ShowWindow(SW_SHOWNORMAL));
    EXPECT_TRUE(form.IsWindowVisible());
    EXPECT_TRUE(cxc::harness::visible(&form, IDC_MAP_VIEW));
    EXPECT_TRUE(form.ShowWindow(SW_SHOWNORMAL));
    ASSERT_TRUE(cxc::harness::closeBox(&form));  // the close box is IDCANCEL, which only hides
    EXPECT_FALSE(form.IsWindowVisible());
    EXPECT_TRUE(IsWindow(form.m_hWnd));
}

// Where placements put a view is in the snapshots (every map window is resized there).
TEST_F(Windows, APlacementSendsTheViewItsSizeOnlyWhenItChangesAndResizingTheDialogIsClamped)
{
    WINDOWPLACEMENT wp{};
    ASSERT_TRUE(form.view.GetWindowPlacement(&wp));
    form.trace.clear();
    wp.rcNormalPosition.right = 500;
    wp.rcNormalPosition.bottom = 400;
    ASSERT_TRUE(form.view.SetWindowPlacement(&wp));
    const CRect placed = cxc::harness::controlRect(&form, IDC_MAP_VIEW);
    EXPECT_EQ(form.trace, std::vector<std::string>{"view size " + std::to_string(placed.Width()) + "x" +
                                                   std::to_string(placed.Height())});
    ASSERT_TRUE(form.view.SetWindowPlacement(&wp));  // the same size again: no WM_SIZE
    EXPECT_EQ(form.view.sizes, 1);
    form.trace.clear();
    ASSERT_TRUE(cxc::harness::resize(&form, 800, 700));
    EXPECT_EQ(form.trace, std::vector<std::string>{"size 800x700 view"});
    ASSERT_TRUE(cxc::harness::resize(&form, -5, 100000));  // clamped, never negative or huge
    EXPECT_EQ(cxc::harness::clientRect(&form), CRect(0, 0, 0, 32767));
}

// Ordinary points mapped to the view and clicks on it are pinned by the row/column viewer's drag test.
TEST_F(Windows, ExtremePointsStopAtTheLimitsOtherControlsKeepTheirMouseAndTheCaptureTakesAll)
{
    const CRect v = dlu(5, 56, 438, 332);
    CPoint far[2] = {CPoint(INT_MAX, INT_MIN), CPoint(-3, 4)};
    form.view.MapWindowPoints(&form, far, 2);
    EXPECT_EQ(far[0], CPoint(INT_MAX, INT_MIN + v.top));
    EXPECT_EQ(far[1], CPoint(v.left - 3, v.top + 4));
    // The mouse over another control is that control's, not the dialog's.
    const CRect play = dlu(363, 3, 38, 14);
    form.trace.clear();
    cxc::harness::mouseDown(&form, CPoint(play.left + 2, play.top + 2));
    cxc::harness::mouseUp(&form, CPoint(play.left + 2, play.top + 2));
    EXPECT_TRUE(form.trace.empty());
    cxc::harness::mouseDown(&form, CPoint(2, 2));  // the dialog's own background
    EXPECT_EQ(form.trace, std::vector<std::string>{"down+ 2,2"});
    // The capture sends the mouse to the capturing window wherever it is.
    EXPECT_EQ(form.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), &form);
    EXPECT_EQ(cxc::harness::capture(), &form);
    form.trace.clear();
    cxc::harness::mouseMove(&form, CPoint(play.left + 2, play.top + 2));
    cxc::harness::mouseMove(&form, CPoint(-40, 5000));
    EXPECT_EQ(form.trace, (std::vector<std::string>{"move " + std::to_string(play.left + 2) + "," + std::to_string(play.top + 2),
                                                    "move -40,5000"}));
    form.trace.clear();
    cxc::harness::clickInControl(&form, IDC_MAP_VIEW, CPoint(INT_MAX, 0));  // the capture maps it on
    EXPECT_EQ(form.trace.size(), 2u);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    form.SetCapture();
    form.DestroyWindow();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);  // a destroyed window holds no capture
}

// InitMenu before the command and its check marks are pinned by the link dialog's menu test.
TEST_F(Windows, AMenuCommandNobodyMapsDoesNothingAndAnUnknownOneIsRefused)
{
    form.trace.clear();
    EXPECT_TRUE(cxc::harness::menuCommand(&form, ID_VIEW_REFRESH));
    EXPECT_EQ(form.trace, std::vector<std::string>{"initmenu"});
    EXPECT_FALSE(cxc::harness::menuCommand(&form, 4711));
    EXPECT_EQ(form.GetMenu()->CheckMenuItem(4711, MF_BYCOMMAND | MF_CHECKED), static_cast<UINT>(-1));
}

TEST_F(Windows, IconsForegroundMessageBoxesAndATopLevelWindowClosingByDestroyingItself)
{
    HICON icon = AfxGetApp()->LoadIcon(IDI_ICON_CXCMAP);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(form.SetIcon(icon, TRUE), nullptr);
    EXPECT_EQ(form.SetIcon(AfxGetApp()->LoadIcon(IDI_ICON_STDSET), TRUE), icon);
    EXPECT_EQ(cxc::harness::smallIcon(&form), 0u);
    EXPECT_EQ(AfxGetApp()->LoadIcon(4711), nullptr);
    EXPECT_EQ(AfxGetApp()->LoadIcon(IDI_ICON_CXCMAP), icon);  // icons are shared
    // The foreground window is the top-level ancestor.
    EXPECT_EQ(cxc::harness::foreground(), nullptr);
    form.view.SetForegroundWindow();
    EXPECT_EQ(cxc::harness::foreground(), form.m_hWnd);
    // Message boxes are logged and answered without blocking.
    EXPECT_EQ(AfxMessageBox(L"Cxc data range error!"), IDOK);
    EXPECT_EQ(AfxMessageBox(L"Show mode error!?", MB_ICONSTOP), IDOK);
    cxc::harness::setMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(AfxMessageBox(L"Sure?", MB_OKCANCEL), IDCANCEL);
    const auto& log = cxc::harness::messageBoxes();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].text, L"Cxc data range error!");
    EXPECT_EQ(log[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(log[1].type, static_cast<UINT>(MB_ICONSTOP));
    cxc::harness::clearMessageBoxes();
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
    // A plain top-level window closes by destroying itself.
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, L"host", WS_OVERLAPPEDWINDOW, CRect(10, 20, 310, 220), nullptr, 0));
    EXPECT_EQ(cxc::harness::windowRect(&host).TopLeft(), CPoint(10, 20));
    ASSERT_TRUE(cxc::harness::closeBox(&host));
    EXPECT_EQ(host.m_hWnd, nullptr);
}

}  // namespace
