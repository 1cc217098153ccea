// Windows, controls, menus, paint contexts, timers and message boxes: the window half of the
// platform layer, built on the message maps of cxcobject.h and the device contexts of cxcgdi.h.
// Every window is a record behind an HWND with a Qt widget for it; messages are dispatched
// synchronously through the message maps. On a desktop the widgets are real windows and real input
// becomes the same messages; headless (tests, rendering) everything is driven by the harness
// (cxcharness.h): invalidation waits for its paint pump and timers for its virtual clock.
//
// Error contract: an operation on a CWnd that has no window (never created, or destroyed), on a
// stale HWND or with a missing control id does nothing and returns FALSE, 0, null or CB_ERR.
//
// Sections: constants - CWnd - global window calls - live counts. The rest of the window layer comes
// with this header: cxcpaintdc.h (paint contexts), cxccontrols.h, cxcmenu.h, cxcapp.h (message boxes,
// wait cursor, icons), cxcdialog.h (dialogs, data exchange), cxcresource.h (templates, the chain).
#pragma once

#include "afxstr.h"
#include "atltypes.h"
#include "cxcgdi.h"
#include "cxcobject.h"
#include "windows.h"

// ---- constants the window half adds to the base set -------------------------------------------
#ifndef MK_LBUTTON
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008
#endif
#ifndef WM_MOVE
#define WM_MOVE 0x0003
#endif
#ifndef WM_GETTEXT
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#endif
#ifndef BM_GETCHECK
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_CLICK 0x00F5
#endif
#ifndef BST_INDETERMINATE
#define BST_INDETERMINATE 2
#endif
#ifndef CB_GETLBTEXT
#define CB_DELETESTRING 0x0144
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_FINDSTRINGEXACT 0x0158
#endif
#ifndef CB_ERRSPACE
#define CB_ERRSPACE (-2)
#endif
#ifndef CBN_EDITCHANGE
#define CBN_EDITCHANGE 5
#endif
#ifndef SBM_SETPOS
#define SBM_SETPOS 0x00E0
#define SBM_GETPOS 0x00E1
#define SBM_SETRANGE 0x00E2
#define SBM_GETRANGE 0x00E3
#define SBM_SETSCROLLINFO 0x00E9
#define SBM_GETSCROLLINFO 0x00EA
#endif
#ifndef UDM_SETRANGE32
#define UDM_SETRANGE32 (WM_USER + 111)
#define UDM_GETRANGE32 (WM_USER + 112)
#define UDM_SETPOS32 (WM_USER + 113)
#define UDM_GETPOS32 (WM_USER + 114)
#endif
#ifndef EM_SETSEL
#define EM_SETSEL 0x00B1
#endif
#ifndef MF_BYPOSITION
#define MF_BYPOSITION 0x0400
#define MF_ENABLED 0x0000
#define MF_GRAYED 0x0001
#define MF_DISABLED 0x0002
#endif
#ifndef USER_TIMER_MINIMUM
#define USER_TIMER_MINIMUM 0x0000000A
#define USER_TIMER_MAXIMUM 0x7FFFFFFF
#endif
#ifndef SW_MINIMIZE
#define SW_MINIMIZE 6
#define SW_SHOWNA 8
#endif
#ifndef WS_OVERLAPPEDWINDOW
#define WS_OVERLAPPEDWINDOW \
    (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_POPUPWINDOW (WS_POPUP | WS_BORDER | WS_SYSMENU)
#endif
#ifndef SS_SUNKEN
#define SS_SUNKEN 0x00001000L
#endif
#ifndef SS_TYPEMASK
#define SS_TYPEMASK 0x0000001FL
#define SS_LEFTNOWORDWRAP 0x0000000CL
#define SS_NOPREFIX 0x00000080L
#endif
#ifndef BS_TYPEMASK
#define BS_TYPEMASK 0x0000000FL
#define BS_3STATE 0x00000005L
#define BS_AUTO3STATE 0x00000006L
#define BS_CENTER 0x00000300L
#endif
#ifndef CBS_SORT
#define CBS_SORT 0x0100L
#endif

#ifndef ES_LEFT
#define ES_LEFT 0x0000L
#define ES_CENTER 0x0001L
#define ES_RIGHT 0x0002L
#define ES_READONLY 0x0800L
#endif
#ifndef DS_CENTER
#define DS_CENTER 0x0800L
#endif
#ifndef IDI_APPLICATION
#define IDI_APPLICATION MAKEINTRESOURCE(32512)
#endif
#ifndef IDABORT
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#endif
#ifndef MB_YESNOCANCEL
#define MB_YESNOCANCEL 0x0003
#define MB_RETRYCANCEL 0x0005
#endif
#ifndef GET_X_LPARAM
#define GET_X_LPARAM(lp) (static_cast<int>(static_cast<short>(LOWORD(lp))))
#define GET_Y_LPARAM(lp) (static_cast<int>(static_cast<short>(HIWORD(lp))))
#endif

class CDataExchange;
class CMenu;
class CScrollBar;

typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

// ---- CWnd -----------------------------------------------------------------------------------------

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    // Destroys a window that is still attached (as MFC does, without the derived handlers).
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;  // null while no window is attached ("the window exists")

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object attached to a window, or a wrapper of the control's class owned by the window
    // (valid until the window is destroyed); null for a stale or null handle.
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);  // only an attached object, never a wrapper

    // Attaching: this object receives the window's messages from now on. Fails when the window is
    // stale, already has an object, or this object already has a window.
    BOOL Attach(HWND hwnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hwnd) { return Attach(hwnd); }
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow() { return Detach(); }

    // A child control or plain child window. className is one of "STATIC", "BUTTON", "EDIT",
    // "COMBOBOX", "SCROLLBAR", "msctls_updown32", or null for a plain window that paints itself.
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                        UINT id);
    // A top-level window (WS_POPUP/WS_OVERLAPPEDWINDOW) with an optional menu bar, or a child.
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT idOrMenu);
    // Destroys the window, its owned popups and its children (WM_DESTROY to each, parents first);
    // their objects lose their m_hWnd.
    virtual BOOL DestroyWindow();
    // Called after the window is gone; the object may delete itself here.
    virtual void PostNcDestroy() {}

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Default handling of the message being dispatched (DefWindowProc of the current message).
    LRESULT Default();

    BOOL ShowWindow(int cmdShow);  // returns whether the window was visible before
    BOOL IsWindowVisible() const;  // visible and every parent visible
    BOOL SetForegroundWindow();
    void BringWindowToTop();
    BOOL EnableWindow(BOOL enable = TRUE);  // returns whether the window was disabled before
    BOOL IsWindowEnabled() const;
    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    int GetWindowText(LPTSTR buffer, int maxCount) const;
    int GetWindowTextLength() const;
    DWORD GetStyle() const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;

    // Marks (part of) the client area for a later WM_PAINT; nothing is painted here. A dialog's
    // invalidation does not reach its child controls.
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void Invalidate(BOOL erase = TRUE) { InvalidateRect(nullptr, erase); }
    void ValidateRect(LPCRECT rect);
    // Delivers a pending WM_PAINT now.
    void UpdateWindow();

    void GetClientRect(LPRECT rect) const;  // (0, 0, width, height)
    void GetWindowRect(LPRECT rect) const;  // screen coordinates
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    // From this window's client coordinates to `to`'s (the screen when `to` is null).
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
    void MapWindowPoints(CWnd* to, LPRECT rect) const;
    // For a child, rcNormalPosition is in the parent's client coordinates.
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);

    // Timer `id` of this window (0 is refused): a second SetTimer with the same id replaces the
    // first. Periods below 10 ms are raised to 10 ms, as Windows does. Returns id, or 0 on failure.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC proc = nullptr);
    // FALSE when no such timer ran.
    BOOL KillTimer(UINT_PTR id);

    CWnd* SetCapture();  // returns the previous capture window
    static CWnd* GetCapture();

    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* menu);  // the window takes the menu over (and destroys it with itself)
    void DrawMenuBar() {}

    HICON SetIcon(HICON icon, BOOL big);  // returns the previous icon
    HICON GetIcon(BOOL big) const;

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

    // Data exchange with the controls of this window; FALSE when validation failed (the user was
    // told in a message box and no member changed). Child notifications to this window are not
    // dispatched while it runs.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange*) {}

    // Dispatch: the message map first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The window's own default handling (text, icons, paint validation, control messages).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Base handlers: each gives the message its default handling.
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnInitMenu(CMenu* menu);
    afx_msg void OnClose();
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()
};

// Global forms of the window calls the module makes through the API.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL IsWindow(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);

namespace cxc::wnd {
// Live windows and the Qt widgets made for them: destroying a dialog must bring both back down.
struct LiveWindows {
    long windows = 0;  // window records (dialogs, controls, views, frames)
    long dialogs = 0;
    long widgets = 0;  // Qt widgets made for the windows, menus included
    long menus = 0;
};
LiveWindows liveWindows();
}  // namespace cxc::wnd

#include "cxcapp.h"
#include "cxccontrols.h"
#include "cxcdialog.h"
#include "cxcmenu.h"
#include "cxcpaintdc.h"
#include "cxcresource.h"
