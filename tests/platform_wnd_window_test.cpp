// Windows and dialogs: message maps, lifetime, visibility, placement, mouse, menus, icons, message boxes.
#include <climits>
#include <string>
#include <vector>

#include "wnd_fixture.h"

namespace {

using wndtest::dlu;
using wndtest::str;
using wndtest::WndTest;

std::vector<std::string> g_trace;

class BaseWnd : public CWnd {
protected:
    afx_msg void OnShared() { g_trace.push_back("base 200"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_COMMAND(200, &BaseWnd::OnShared)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
protected:
    afx_msg void OnShared() { g_trace.push_back("derived 200"); }
    afx_msg void OnDelta(NMHDR* hdr, LRESULT* result)
    {
        auto* nm = reinterpret_cast<NMUPDOWN*>(hdr);
        g_trace.push_back("delta " + std::to_string(nm->iDelta) + " from " + std::to_string(hdr->idFrom));
        *result = 1;
    }
    afx_msg void OnClicked() { g_trace.push_back("clicked 7"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_COMMAND(200, &DerivedWnd::OnShared)
    ON_NOTIFY(UDN_DELTAPOS, 7, &DerivedWnd::OnDelta)
    ON_BN_CLICKED(7, &DerivedWnd::OnClicked)
END_MESSAGE_MAP()

class MessageMaps : public WndTest {
protected:
    void SetUp() override
    {
        g_trace.clear();
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"maps", WS_POPUP | WS_CAPTION, CRect(0, 0, 200, 100), nullptr, 0));
    }
    DerivedWnd wnd;
};

TEST_F(MessageMaps, DerivedEntriesWinNotifiesMatchTheirCodeAndIdAndUnmappedCommandsDoNothing)
{
    wnd.SendMessage(WM_COMMAND, 200, 0);  // the derived entry wins over the base entry
    // A notify entry matches code and id and sets the result; a control notification needs its own code.
    NMUPDOWN nm{};
    nm.hdr = {reinterpret_cast<HWND>(wnd.m_hWnd), 7, UDN_DELTAPOS};
    nm.iDelta = -1;
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&nm)), 1);
    nm.hdr.idFrom = 8;
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 8, reinterpret_cast<LPARAM>(&nm)), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7, EN_CHANGE), reinterpret_cast<LPARAM>(wnd.m_hWnd));  // not its BN_CLICKED
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(wnd.m_hWnd));
    EXPECT_EQ(wnd.SendMessage(WM_COMMAND, 999, 0), 0);  // a command nobody maps does nothing
    EXPECT_EQ(g_trace, (std::vector<std::string>{"derived 200", "delta -1 from 7", "clicked 7"}));
}

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
    std::vector<std::string> trace;

    MapForm() { view.trace = &trace; }
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_MAP_VIEW, view); }
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

// Every operation on a window object that never got a window is a harmless no-op or failure.
TEST_F(WndTest, EveryOperationOnANeverCreatedWindowIsHarmlessAndDestroyingADialogDestroysEveryControl)
{
    CDialog dlg;
    CComboBox combo;
    CScrollBar bar;
    CRect r(1, 2, 3, 4);
    dlg.GetClientRect(&r);
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_FALSE(dlg.ShowWindow(SW_SHOW));
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.SetTimer(100, 100), 0u);
    EXPECT_FALSE(dlg.KillTimer(100));
    EXPECT_EQ(dlg.SendMessage(WM_USER), 0);
    EXPECT_EQ(dlg.GetDlgItem(IDC_MAP_VIEW), nullptr);
    EXPECT_EQ(dlg.GetMenu(), nullptr);
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    dlg.SetWindowText(L"x");
    CString text(L"old");
    dlg.GetWindowText(text);
    EXPECT_TRUE(text.IsEmpty());
    dlg.InvalidateRect(nullptr);
    dlg.UpdateWindow();
    WINDOWPLACEMENT wp{};
    EXPECT_FALSE(dlg.GetWindowPlacement(&wp));
    EXPECT_FALSE(dlg.SetWindowPlacement(&wp));
    EXPECT_FALSE(dlg.DestroyWindow());
    EXPECT_EQ(combo.AddString(L"a"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.GetCount(), CB_ERR);
    EXPECT_EQ(bar.GetScrollPos(), 0);
    int lo = 7, hi = 7;
    bar.GetScrollRange(&lo, &hi);
    EXPECT_EQ(std::pair(lo, hi), std::pair(0, 0));
    CPaintDC dc(&dlg);  // paints nothing, and does not fail
    EXPECT_EQ(dc.m_hDC, nullptr);
    auto live = [] {
        const auto l = cxc::wnd::liveWindows();
        return std::vector<long>{l.windows, l.dialogs, l.widgets, l.menus};
    };
    const auto before = live();
    {
        MapForm made;
        ASSERT_TRUE(made.Create(IDD_MEG_TOPLINK_2DMAP));
        const auto open = live();
        // The dialog and its 28 controls, one dialog, a widget at least for each, the bar and its two popups.
        EXPECT_EQ(open[0] - before[0], 1 + 28);
        EXPECT_EQ(open[1] - before[1], 1);
        EXPECT_GT(open[2], before[2] + 28);
        EXPECT_EQ(open[3] - before[3], 3);
        const HWND view = made.view.m_hWnd;
        ASSERT_TRUE(made.DestroyWindow());
        EXPECT_EQ(made.m_hWnd, nullptr);
        EXPECT_EQ(made.view.m_hWnd, nullptr);  // the member object lives on without its window
        EXPECT_FALSE(IsWindow(view));
        EXPECT_EQ(CWnd::FromHandle(view), nullptr);  // a stale handle finds nothing and takes nothing
        EXPECT_EQ(::SendMessage(view, WM_USER, 4, 2), 0);
        EXPECT_EQ(live(), before);
    }
    {
        MapForm made;
        ASSERT_TRUE(made.Create(IDD_MEG_TOPLINK_2DMAP));
    }  // the destructor destroys the window
    EXPECT_EQ(live(), before);
}

TEST_F(Windows, SizeArrivesBeforeInitDialogWhichBindsTheViewItStaysHiddenUntilShownAndTheCloseBoxHidesIt)
{
    const CSize client(MulDiv(450, 6, 4), MulDiv(395, 13, 8));
    ASSERT_GE(form.trace.size(), 2u);
    EXPECT_EQ(form.trace[0], "size " + std::to_string(client.cx) + "x" + std::to_string(client.cy) + " no view");
    EXPECT_EQ(form.trace[1], "init, view bound: yes");
    CRect r;
    form.GetClientRect(&r);
    EXPECT_EQ(r, CRect(0, 0, client.cx, client.cy));
    EXPECT_EQ(str(cxc::harness::caption(&form)), L"MEG Waveform CxC TopLink 2D Map");  // the template's
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
TEST_F(Windows, PlacementsSizeTheViewOnlyOnChangeResizingAndExtremePointsAreClampedAndTheCaptureTakesAll)
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
    // Ordinary points mapped to the view and clicks on it are pinned by the row/column viewer's drag test.
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
TEST_F(Windows, UnmappedAndUnknownMenuCommandsIconsForegroundMessageBoxesAndATopLevelWindowClosingByDestroyingItself)
{
    form.trace.clear();
    EXPECT_TRUE(cxc::harness::menuCommand(&form, ID_VIEW_REFRESH));
    EXPECT_EQ(form.trace, std::vector<std::string>{"initmenu"});
    EXPECT_FALSE(cxc::harness::menuCommand(&form, 4711));
    EXPECT_EQ(form.GetMenu()->CheckMenuItem(4711, MF_BYCOMMAND | MF_CHECKED), static_cast<UINT>(-1));
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
    const auto& log = cxc::harness::messageBoxes();
    ASSERT_EQ(log.size(), 2u);
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
