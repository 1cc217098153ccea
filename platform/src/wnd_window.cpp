// CWnd: attachment, dispatch, state, geometry, capture, icons and the global window calls.
#include <QWidget>

#include <algorithm>
#include <cwchar>

#include "wnd_internal.h"

using namespace cxc::wnd;

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd) destroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    Window* w = find(hwnd);
    return w ? objectOf(*w) : nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    Window* w = find(hwnd);
    return w ? w->object : nullptr;
}

BOOL CWnd::Attach(HWND hwnd)
{
    Window* w = find(hwnd);
    if (!w || w->object || m_hWnd) return FALSE;
    w->object = this;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    if (Window* w = find(h); w && w->object == this) w->object = nullptr;
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    Window* p = parent ? find(parent->m_hWnd) : nullptr;
    Window* c = p ? childById(*p, static_cast<int>(id)) : nullptr;
    return c ? Attach(c->handle) : FALSE;
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (m_hWnd || !parent || !parent->m_hWnd) return FALSE;
    const Kind kind = kindFromClass(className, style);
    HWND h = createChild(kind, parent->m_hWnd, static_cast<int>(id), windowName, style | WS_CHILD, CRect(rect));
    if (!h) return FALSE;
    return Attach(h);
}

BOOL CWnd::CreateEx(DWORD, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT idOrMenu)
{
    if (m_hWnd) return FALSE;
    if (style & WS_CHILD) return Create(className, windowName, style, rect, parent, idOrMenu);
    HMENU menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(idOrMenu));
    if (menu && !findMenu(menu)) return FALSE;
    const CRect r(rect);
    HWND h = createTopLevel(Kind::TopLevel, parent ? parent->m_hWnd : nullptr, windowName, style, r.TopLeft(),
                            CSize(std::max(0, r.Width()), std::max(0, r.Height())), menu);
    if (!h) return FALSE;
    Attach(h);
    if (style & WS_VISIBLE) ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (!find(m_hWnd)) return FALSE;
    destroyWindow(m_hWnd);
    return TRUE;
}

// ---- dispatch -------------------------------------------------------------------------------------

namespace {
struct MessageScope {
    MessageScope(HWND h, UINT m, WPARAM w, LPARAM l) { core().messages.push_back({h, m, w, l}); }
    ~MessageScope() { core().messages.pop_back(); }
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;
};
}  // namespace

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return send(m_hWnd, message, wParam, lParam); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageScope scope(m_hWnd, message, wParam, lParam);
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *result = 1;
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY) {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        if (hdr && hdr->hwndFrom && OnNotify(wParam, lParam, result)) return TRUE;
        return FALSE;
    }
    return DispatchToMap(message, 0, 0, wParam, lParam, result);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    if (lParam == 0) {
        code = 0;  // a menu command
        if (id == 0) return FALSE;
    } else if (core().lockout && core().lockout == m_hWnd) {
        return TRUE;  // a control notification during UpdateData: dropped
    }
    LRESULT ignored = 0;
    return DispatchToMap(WM_COMMAND, code, id, wParam, lParam, &ignored);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr) return FALSE;
    if (core().lockout && core().lockout == m_hWnd) return TRUE;
    return DispatchToMap(WM_NOTIFY, hdr->code, static_cast<UINT>(hdr->idFrom), hdr->idFrom, lParam, result);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = find(m_hWnd);
    return w ? defProc(*w, message, wParam, lParam) : 0;
}

LRESULT CWnd::Default()
{
    const auto& m = core().messages;
    if (m.empty() || !m_hWnd || m.back().hwnd != m_hWnd) return 0;
    const MessageFrame f = m.back();
    return DefWindowProc(f.message, f.wParam, f.lParam);
}

void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnInitMenu(CMenu*) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }

// ---- state ----------------------------------------------------------------------------------------

BOOL CWnd::ShowWindow(int cmdShow)
{
    Window* w = find(m_hWnd);
    if (!w) return FALSE;
    const BOOL was = w->visible ? TRUE : FALSE;
    if (cmdShow == SW_HIDE) {
        setVisible(*w, false);
        return was;
    }
    setVisible(*w, true);
    if (!w->child && !headless() && w->frame) {
        if (cmdShow == SW_SHOWMINIMIZED || cmdShow == SW_MINIMIZE) w->frame->showMinimized();
        else if (cmdShow == SW_SHOWMAXIMIZED) w->frame->showMaximized();
        else if (cmdShow == SW_SHOWNORMAL || cmdShow == SW_RESTORE) w->frame->showNormal();
    }
    return was;
}

BOOL CWnd::IsWindowVisible() const
{
    const Window* w = find(m_hWnd);
    return w && isVisible(*w) ? TRUE : FALSE;
}

BOOL CWnd::SetForegroundWindow()
{
    Window* w = find(m_hWnd);
    if (!w) return FALSE;
    Window* top = topLevelOf(*w);
    if (!top) return FALSE;
    bringToForeground(top->handle);
    if (!headless() && top->frame && top->visible) {
        top->frame->raise();
        top->frame->activateWindow();
    }
    return TRUE;
}

void CWnd::BringWindowToTop()
{
    Window* w = find(m_hWnd);
    if (w && !headless() && w->frame) w->frame->raise();
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    Window* w = find(m_hWnd);
    if (!w) return FALSE;
    const BOOL wasDisabled = w->enabled ? FALSE : TRUE;
    w->enabled = enable != FALSE;
    syncWidget(*w);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    const Window* w = find(m_hWnd);
    return w && w->enabled ? TRUE : FALSE;
}

void CWnd::SetWindowText(LPCTSTR text) { send(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L"")); }

void CWnd::GetWindowText(CString& text) const
{
    const Window* w = find(m_hWnd);
    text = w ? CString(w->text) : CString();
}

int CWnd::GetWindowText(LPTSTR buffer, int maxCount) const
{
    if (!buffer || maxCount <= 0) return 0;
    return static_cast<int>(send(m_hWnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int CWnd::GetWindowTextLength() const { return static_cast<int>(send(m_hWnd, WM_GETTEXTLENGTH)); }

DWORD CWnd::GetStyle() const
{
    const Window* w = find(m_hWnd);
    if (!w) return 0;
    return w->style | (w->visible ? WS_VISIBLE : 0) | (w->enabled ? 0 : WS_DISABLED);
}

int CWnd::GetDlgCtrlID() const
{
    const Window* w = find(m_hWnd);
    return w && w->child ? w->id : 0;
}

CWnd* CWnd::GetParent() const
{
    const Window* w = find(m_hWnd);
    return w ? FromHandle(w->parent) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const
{
    const Window* w = find(m_hWnd);
    Window* c = w ? childById(*w, id) : nullptr;
    return c ? objectOf(*c) : nullptr;
}

void CWnd::SetDlgItemText(int id, LPCTSTR text)
{
    if (CWnd* c = GetDlgItem(id)) c->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    CWnd* c = GetDlgItem(id);
    if (!c) {
        text.Empty();
        return 0;
    }
    c->GetWindowText(text);
    return text.GetLength();
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    if (CWnd* c = GetDlgItem(id)) c->SendMessage(BM_SETCHECK, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    CWnd* c = GetDlgItem(id);
    return c ? static_cast<UINT>(c->SendMessage(BM_GETCHECK)) : 0;
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) { return messageBox(text, caption, type); }

// ---- paint ----------------------------------------------------------------------------------------

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase)
{
    if (Window* w = find(m_hWnd)) invalidate(*w, rect, erase != FALSE);
}

void CWnd::ValidateRect(LPCRECT)
{
    // The update region is kept as one box, so validating any part validates it all.
    if (Window* w = find(m_hWnd)) {
        w->invalid = false;
        w->erase = false;
        w->update.SetRectEmpty();
    }
}

void CWnd::UpdateWindow()
{
    Window* w = find(m_hWnd);
    if (w && w->invalid && isVisible(*w)) deliverPaint(m_hWnd);
}

// ---- geometry ---------------------------------------------------------------------------------------

void CWnd::GetClientRect(LPRECT rect) const
{
    if (!rect) return;
    const Window* w = find(m_hWnd);
    *rect = w ? CRect(0, 0, w->clientSize.cx, w->clientSize.cy) : CRect();
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    if (!rect) return;
    const Window* w = find(m_hWnd);
    if (!w) {
        *rect = CRect();
        return;
    }
    CRect r = w->rect;
    if (w->child) {
        if (const Window* p = find(w->parent)) {
            const CPoint o = clientScreenOrigin(*p);
            r.OffsetRect(o.x, o.y);
        }
    }
    *rect = r;
}

void CWnd::ClientToScreen(LPPOINT point) const
{
    const Window* w = find(m_hWnd);
    if (!w || !point) return;
    const CPoint o = clientScreenOrigin(*w);
    point->x = offsetCoord(point->x, o.x);
    point->y = offsetCoord(point->y, o.y);
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    if (!rect) return;
    ClientToScreen(reinterpret_cast<LPPOINT>(&rect->left));
    ClientToScreen(reinterpret_cast<LPPOINT>(&rect->right));
}

void CWnd::ScreenToClient(LPPOINT point) const
{
    const Window* w = find(m_hWnd);
    if (!w || !point) return;
    const CPoint o = clientScreenOrigin(*w);
    point->x = offsetCoord(point->x, -static_cast<long long>(o.x));
    point->y = offsetCoord(point->y, -static_cast<long long>(o.y));
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    if (!rect) return;
    ScreenToClient(reinterpret_cast<LPPOINT>(&rect->left));
    ScreenToClient(reinterpret_cast<LPPOINT>(&rect->right));
}

void CWnd::MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const
{
    const Window* from = find(m_hWnd);
    if (!points) return;
    const CPoint a = from ? clientScreenOrigin(*from) : CPoint();
    const Window* dest = to ? find(to->m_hWnd) : nullptr;
    const CPoint b = dest ? clientScreenOrigin(*dest) : CPoint();
    const long long dx = static_cast<long long>(a.x) - b.x;
    const long long dy = static_cast<long long>(a.y) - b.y;
    for (UINT i = 0; i < count; ++i) {
        points[i].x = offsetCoord(points[i].x, dx);
        points[i].y = offsetCoord(points[i].y, dy);
    }
}

void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const
{
    if (rect) MapWindowPoints(to, reinterpret_cast<LPPOINT>(rect), 2);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const
{
    const Window* w = find(m_hWnd);
    if (!w || !placement) return FALSE;
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->flags = 0;
    placement->showCmd = SW_SHOWNORMAL;
    if (!w->child && !headless() && w->frame) {
        if (w->frame->isMinimized()) placement->showCmd = SW_SHOWMINIMIZED;
        else if (w->frame->isMaximized()) placement->showCmd = SW_SHOWMAXIMIZED;
    }
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    placement->rcNormalPosition = w->rect;
    return TRUE;
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement)
{
    Window* w = find(m_hWnd);
    if (!w || !placement) return FALSE;
    const HWND h = m_hWnd;
    if (w->child) setChildRect(*w, CRect(placement->rcNormalPosition));
    else setTopLevelRect(*w, CRect(placement->rcNormalPosition));
    if (!(w = find(h))) return TRUE;
    // As on Windows, the show command applies too: SW_HIDE hides, the others show.
    ShowWindow(static_cast<int>(placement->showCmd));
    return TRUE;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
    Window* w = find(m_hWnd);
    if (!w) return;
    const CRect r(x, y, static_cast<int>(std::clamp<long long>(static_cast<long long>(x) + width, INT_MIN, INT_MAX)),
                  static_cast<int>(std::clamp<long long>(static_cast<long long>(y) + height, INT_MIN, INT_MAX)));
    if (w->child) setChildRect(*w, r);
    else setTopLevelRect(*w, r);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    if (rect) MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

// ---- timers, capture, menu, icons ---------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC proc)
{
    Window* w = find(m_hWnd);
    return w ? setTimer(*w, id, elapseMs, proc) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    Window* w = find(m_hWnd);
    return w && killTimer(*w, id) ? TRUE : FALSE;
}

CWnd* CWnd::SetCapture()
{
    Window* w = find(m_hWnd);
    if (!w) return nullptr;
    CWnd* previous = FromHandle(core().capture);
    core().capture = m_hWnd;
    return previous;
}

CWnd* CWnd::GetCapture() { return FromHandle(core().capture); }

BOOL ReleaseCapture()
{
    core().capture = nullptr;
    return TRUE;
}

HWND GetCapture() { return find(core().capture) ? core().capture : nullptr; }

CMenu* CWnd::GetMenu() const
{
    const Window* w = find(m_hWnd);
    return w && !w->child ? CMenu::FromHandle(w->menu) : nullptr;
}

BOOL CWnd::SetMenu(CMenu* menu)
{
    Window* w = find(m_hWnd);
    if (!w || w->child) return FALSE;
    HMENU h = menu ? menu->m_hMenu : nullptr;
    Menu* m = findMenu(h);
    if (h && !m) return FALSE;
    if (w->menu && w->menu != h) destroyMenu(w->menu);
    w->menu = h;
    if (m) m->window = m_hWnd;  // the window owns it now: a CMenu still naming it no longer destroys it
    buildMenuBar(*w);
    layoutFrame(*w);
    return TRUE;
}

HICON CWnd::SetIcon(HICON icon, BOOL big)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL big) const
{
    const Window* w = find(m_hWnd);
    if (!w) return nullptr;
    return big ? w->bigIcon : w->smallIcon;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    Window* w = find(hwnd);
    if (!w) return FALSE;
    invalidate(*w, rect, erase != FALSE);
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd)
{
    Window* w = find(hwnd);
    if (!w) return FALSE;
    if (w->invalid && isVisible(*w)) deliverPaint(hwnd);
    return TRUE;
}

namespace cxc::wnd {
CPoint clientScreenOrigin(const Window& w)
{
    CPoint o(w.rect.left + w.clientOffset.x, w.rect.top + w.clientOffset.y);
    if (w.child) {
        if (const Window* p = find(w.parent)) {
            const CPoint po = clientScreenOrigin(*p);
            o.Offset(po.x, po.y);
        }
    }
    return o;
}
}  // namespace cxc::wnd
