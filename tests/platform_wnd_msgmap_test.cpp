// Message maps: which handler a message reaches, and windows that never got one.
#include <string>
#include <vector>

#include "wnd_fixture.h"

namespace {

using wndtest::WndTest;

std::vector<std::string> g_trace;

class BaseWnd : public CWnd {
protected:
    afx_msg void OnTimer(UINT_PTR id) { g_trace.push_back("base timer " + std::to_string(id)); }
    afx_msg void OnBase100() { g_trace.push_back("base 100"); }
    afx_msg void OnShared() { g_trace.push_back("base 200"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_WM_TIMER()
    ON_COMMAND(100, &BaseWnd::OnBase100)
    ON_COMMAND(200, &BaseWnd::OnShared)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
public:
    LRESULT lastDeltaResult = 0;
protected:
    afx_msg void OnShared() { g_trace.push_back("derived 200"); }
    afx_msg void OnSize(UINT type, int cx, int cy)
    {
        g_trace.push_back("size " + std::to_string(type) + " " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    afx_msg LRESULT OnAnswer(WPARAM w, LPARAM l) { return static_cast<LRESULT>(w) * 10 + l; }
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
    ON_WM_SIZE()
    ON_MESSAGE(WM_USER + 1, &DerivedWnd::OnAnswer)
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

TEST_F(MessageMaps, EachMessageReachesItsHandlerDerivedMapsFirst)
{
    wnd.SendMessage(WM_COMMAND, 200, 0);  // the derived entry wins over the base entry
    wnd.SendMessage(WM_COMMAND, 100, 0);  // the base map serves what the derived map leaves out
    wnd.SendMessage(WM_TIMER, 42, 0);
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 480));
    EXPECT_EQ(g_trace, (std::vector<std::string>{"derived 200", "base 100", "base timer 42", "size 0 640x480"}));
    // SendMessage runs the handler at once and returns its result.
    EXPECT_EQ(wnd.SendMessage(WM_USER + 1, 4, 2), 42);
    EXPECT_EQ(::SendMessage(wnd.m_hWnd, WM_USER + 1, 1, 0), 10);

    // A notify entry matches code and id and sets the result; a control notification needs its own code.
    g_trace.clear();
    NMUPDOWN nm{};
    nm.hdr = {reinterpret_cast<HWND>(wnd.m_hWnd), 7, UDN_DELTAPOS};
    nm.iDelta = -1;
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&nm)), 1);
    nm.hdr.idFrom = 8;
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 8, reinterpret_cast<LPARAM>(&nm)), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7, EN_CHANGE), reinterpret_cast<LPARAM>(wnd.m_hWnd));  // not its BN_CLICKED
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(wnd.m_hWnd));
    EXPECT_EQ(g_trace, (std::vector<std::string>{"delta -1 from 7", "clicked 7"}));

    // A command nobody maps does nothing.
    g_trace.clear();
    EXPECT_EQ(wnd.SendMessage(WM_COMMAND, 999, 0), 0);
    EXPECT_TRUE(g_trace.empty());
}

// Every operation on a window object that never got a window is a harmless no-op or failure.
TEST_F(WndTest, NeverCreatedWindowMakesEveryOperationHarmless)
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
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 0);
    CPaintDC dc(&dlg);  // paints nothing, and does not fail
    EXPECT_EQ(dc.m_hDC, nullptr);
}

}  // namespace
