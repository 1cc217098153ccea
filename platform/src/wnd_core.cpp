// The window records: handles, creation, destruction, message sending and each window kind's
// default handling.
#include <QApplication>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <cwctype>

#include "cxcplatform.h"
#include "wnd_internal.h"

namespace cxc::wnd {

Core& core()
{
    // Never destroyed: windows left at exit must not be torn down after Qt is gone.
    static Core* c = new Core;
    return *c;
}

bool headless() { return cxc::platform::isHeadless() || !QApplication::instance(); }
bool haveApplication() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

Window* find(HWND hwnd)
{
    if (!hwnd) return nullptr;
    auto& m = core().windows;
    auto it = m.find(key(hwnd));
    return it == m.end() ? nullptr : it->second.get();
}

Window& newWindow(Kind kind)
{
    Core& c = core();
    auto w = std::make_unique<Window>();
    c.nextHandle += 4;
    w->handle = reinterpret_cast<HWND>(c.nextHandle);
    w->kind = kind;
    Window& ref = *w;
    c.windows.emplace(key(ref.handle), std::move(w));
    if (kind == Kind::Dialog) ++c.dialogs;
    return ref;
}

Window* childById(const Window& parent, int id)
{
    for (HWND h : parent.children) {
        Window* c = find(h);
        if (c && c->id == id) return c;
    }
    return nullptr;
}

Window* topLevelOf(Window& w)
{
    Window* t = &w;
    while (t && t->child) t = find(t->parent);
    return t;
}

std::unique_ptr<CWnd> makeWrapper(Kind kind)
{
    switch (kind) {
    case Kind::Static: return std::make_unique<CStatic>();
    case Kind::PushButton:
    case Kind::CheckBox:
    case Kind::RadioButton:
    case Kind::GroupBox: return std::make_unique<CButton>();
    case Kind::Edit: return std::make_unique<CEdit>();
    case Kind::ComboBox: return std::make_unique<CComboBox>();
    case Kind::ScrollBar: return std::make_unique<CScrollBar>();
    case Kind::UpDown: return std::make_unique<CSpinButtonCtrl>();
    default: return std::make_unique<CWnd>();
    }
}

CWnd* objectOf(Window& w)
{
    if (w.object) return w.object;
    if (!w.wrapper) {
        w.wrapper = makeWrapper(w.kind);
        w.wrapper->m_hWnd = w.handle;
    }
    return w.wrapper.get();
}

bool isVisible(const Window& w)
{
    const Window* p = &w;
    while (p) {
        if (!p->visible) return false;
        if (!p->child) return true;
        p = find(p->parent);
    }
    return false;
}

bool isEnabledForInput(const Window& w)
{
    const Window* p = &w;
    while (p) {
        if (!p->enabled) return false;
        if (!p->child) return true;
        p = find(p->parent);
    }
    return false;
}

bool isTransparentToMouse(const Window& w)
{
    return (w.kind == Kind::Static && !(w.style & SS_NOTIFY)) || w.kind == Kind::GroupBox;
}

Kind kindFromItem(res::ItemClass cls, DWORD style)
{
    switch (cls) {
    case res::ItemClass::Button:
        switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return Kind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return Kind::RadioButton;
        case BS_GROUPBOX: return Kind::GroupBox;
        default: return Kind::PushButton;
        }
    case res::ItemClass::Edit: return Kind::Edit;
    case res::ItemClass::Static: return Kind::Static;
    case res::ItemClass::ComboBox: return Kind::ComboBox;
    case res::ItemClass::ScrollBar: return Kind::ScrollBar;
    case res::ItemClass::UpDown: return Kind::UpDown;
    }
    return Kind::Window;
}

Kind kindFromClass(const wchar_t* className, DWORD style)
{
    if (!className) return Kind::Window;
    std::wstring n(className);
    for (auto& ch : n) ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
    if (n == L"static") return Kind::Static;
    if (n == L"button") return kindFromItem(res::ItemClass::Button, style);
    if (n == L"edit") return Kind::Edit;
    if (n == L"combobox") return Kind::ComboBox;
    if (n == L"scrollbar") return Kind::ScrollBar;
    if (n == L"msctls_updown32") return Kind::UpDown;
    return Kind::Window;
}

// ---- creation -----------------------------------------------------------------------------------

namespace {
int clampCoord(long v) { return static_cast<int>(std::clamp<long>(v, -kMaxCoord - 1, kMaxCoord)); }

CRect sanitize(CRect r)
{
    r.left = clampCoord(r.left);
    r.top = clampCoord(r.top);
    r.right = clampCoord(std::max(r.right, r.left));
    r.bottom = clampCoord(std::max(r.bottom, r.top));
    return r;
}
}  // namespace

HWND createChild(Kind kind, HWND parent, int id, const wchar_t* text, DWORD style, CRect rect, int droppedHeight)
{
    Window* p = find(parent);
    if (!p || p->destroying || !haveApplication()) return nullptr;
    Window& w = newWindow(kind);
    w.child = true;
    w.parent = parent;
    w.id = id;
    w.style = style;
    w.text = text ? text : L"";
    w.visible = (style & WS_VISIBLE) != 0;
    w.enabled = (style & WS_DISABLED) == 0;
    w.droppedHeight = droppedHeight;
    if (kind == Kind::RadioButton || kind == Kind::CheckBox) w.check = BST_UNCHECKED;
    if (kind == Kind::ScrollBar) {
        w.scroll.cbSize = sizeof(SCROLLINFO);
        w.scroll.nMin = 0;
        w.scroll.nMax = 100;  // Windows' default range of a scroll bar control
    }
    rect = sanitize(rect);
    if (kind == Kind::ComboBox) rect.bottom = rect.top + std::min(kComboHeight, kMaxCoord);
    w.rect = rect;
    const int inset = ((style & WS_BORDER) && (kind == Kind::Static || kind == Kind::Window)) ? 1 : 0;
    w.clientOffset = CPoint(inset, inset);
    w.clientSize = CSize(std::max(0, rect.Width() - 2 * inset), std::max(0, rect.Height() - 2 * inset));
    p->children.push_back(w.handle);
    buildChildWidget(w, p->widget);
    invalidate(w, nullptr, true);
    return w.handle;
}

HWND createTopLevel(Kind kind, HWND owner, const wchar_t* caption, DWORD style, CPoint origin, CSize client,
                    HMENU menu)
{
    if (!haveApplication()) return nullptr;
    Window* o = find(owner);
    if (o) o = topLevelOf(*o);
    if (o && o->destroying) return nullptr;
    Window& w = newWindow(kind);
    w.child = false;
    w.parent = o ? o->handle : nullptr;
    w.style = style;
    w.text = caption ? caption : L"";
    w.visible = false;
    w.enabled = (style & WS_DISABLED) == 0;
    w.clientSize = CSize(std::clamp<int>(client.cx, 0, kMaxCoord), std::clamp<int>(client.cy, 0, kMaxCoord));
    w.rect = CRect(clampCoord(origin.x), clampCoord(origin.y), 0, 0);
    w.menu = menu;
    if (Menu* m = findMenu(menu)) m->window = w.handle;
    if (o) o->owned.push_back(w.handle);
    core().topLevels.push_back(w.handle);
    buildFrameWidget(w, o ? o->frame.data() : nullptr);
    layoutFrame(w);
    invalidate(w, nullptr, true);
    return w.handle;
}

void countWidget(QWidget* widget)
{
    if (!widget) return;
    ++core().widgets;
    QObject::connect(widget, &QObject::destroyed, [] { --core().widgets; });
}

// ---- destruction --------------------------------------------------------------------------------

namespace {
void eraseHandle(std::vector<HWND>& v, HWND h) { v.erase(std::remove(v.begin(), v.end(), h), v.end()); }
}  // namespace

void bringToForeground(HWND hwnd)
{
    Core& c = core();
    c.foreground = hwnd;
    eraseHandle(c.foregroundOrder, hwnd);
    c.foregroundOrder.insert(c.foregroundOrder.begin(), hwnd);
}

void disposeWidget(QWidget* widget)
{
    if (!widget) return;
    if (headless()) {
        delete widget;
    } else {
        // A widget may be deleted from inside its own signal (a button whose click closes the
        // window): Qt deletes it once control is back in the event loop.
        widget->hide();
        widget->deleteLater();
    }
}

void destroyWindow(HWND hwnd)
{
    Window* w = find(hwnd);
    if (!w || w->destroying) return;
    w->destroying = true;
    Core& c = core();

    for (HWND o : std::vector<HWND>(w->owned)) destroyWindow(o);
    send(hwnd, WM_DESTROY);
    w = find(hwnd);
    if (!w) return;
    for (HWND ch : std::vector<HWND>(w->children)) destroyWindow(ch);
    w = find(hwnd);
    if (!w) return;

    killAllTimers(*w);
    if (c.capture == hwnd) c.capture = nullptr;
    if (c.foreground == hwnd) c.foreground = nullptr;
    eraseHandle(c.foregroundOrder, hwnd);
    if (c.lockout == hwnd) c.lockout = nullptr;
    if (Window* p = find(w->parent)) {
        eraseHandle(p->children, hwnd);
        eraseHandle(p->owned, hwnd);
    }
    eraseHandle(c.topLevels, hwnd);

    CWnd* object = w->object;
    w->object = nullptr;
    if (object) object->m_hWnd = nullptr;
    if (w->wrapper) w->wrapper->m_hWnd = nullptr;

    HMENU menu = w->menu;
    w->menu = nullptr;
    QWidget* top = w->child ? w->widget.data() : w->frame.data();
    if (w->kind == Kind::Dialog) --c.dialogs;

    std::unique_ptr<Window> record = std::move(c.windows[key(hwnd)]);
    c.windows.erase(key(hwnd));
    if (menu) destroyMenu(menu);
    disposeWidget(top);
    record.reset();
    if (object) object->PostNcDestroy();
}

// ---- messages -----------------------------------------------------------------------------------

LRESULT send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = find(hwnd);
    if (!w) return 0;
    if (w->object) return w->object->WindowProc(message, wParam, lParam);
    return defProc(*w, message, wParam, lParam);
}

void notifyParent(HWND control, UINT code)
{
    Window* w = find(control);
    if (!w || !w->child) return;
    send(w->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(w->id), static_cast<WORD>(code)),
         reinterpret_cast<LPARAM>(control));
}

void reportEscapedException()
{
    messageBox(L"An internal application error has occurred.", nullptr, MB_ICONSTOP);
}

namespace {
LRESULT comboProc(Window& w, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int count = static_cast<int>(w.items.size());
    auto text = [&](LPARAM l) { return std::wstring(reinterpret_cast<const wchar_t*>(l) ? reinterpret_cast<const wchar_t*>(l) : L""); };
    switch (message) {
    case CB_ADDSTRING: {
        std::wstring t = text(lParam);
        int at = count;
        if (w.style & CBS_SORT) {  // case-insensitive order
            auto lower = [](std::wstring s) {
                for (auto& ch : s) ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
                return s;
            };
            const std::wstring lt = lower(t);
            at = 0;
            while (at < count && lower(w.items[static_cast<size_t>(at)]) <= lt) ++at;
        }
        w.items.insert(w.items.begin() + at, t);
        if (w.curSel >= at) ++w.curSel;
        syncWidget(w);
        return at;
    }
    case CB_INSERTSTRING: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at == -1) at = count;
        if (at < 0 || at > count) return CB_ERR;
        w.items.insert(w.items.begin() + at, text(lParam));
        if (w.curSel >= at) ++w.curSel;
        syncWidget(w);
        return at;
    }
    case CB_DELETESTRING: {
        const auto at = static_cast<long long>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return CB_ERR;
        w.items.erase(w.items.begin() + at);
        if (w.curSel == at) w.curSel = -1;
        else if (w.curSel > at) --w.curSel;
        syncWidget(w);
        return static_cast<LRESULT>(w.items.size());
    }
    case CB_RESETCONTENT:
        w.items.clear();
        w.curSel = -1;
        w.text.clear();
        syncWidget(w);
        return 0;
    case CB_SETCURSEL: selectComboCore(w, static_cast<int>(std::clamp<INT_PTR>(static_cast<INT_PTR>(wParam), -1, count)));
        return w.curSel >= 0 ? w.curSel : CB_ERR;
    case CB_GETCURSEL: return w.curSel >= 0 ? w.curSel : CB_ERR;
    case CB_GETCOUNT: return count;
    case CB_GETLBTEXTLEN:
    case CB_GETLBTEXT: {
        const auto at = static_cast<long long>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return CB_ERR;
        const std::wstring& t = w.items[static_cast<size_t>(at)];
        if (message == CB_GETLBTEXT) {
            auto* out = reinterpret_cast<wchar_t*>(lParam);
            if (!out) return CB_ERR;
            std::copy(t.begin(), t.end(), out);
            out[t.size()] = L'\0';
        }
        return static_cast<LRESULT>(t.size());
    }
    case CB_FINDSTRINGEXACT: {
        if (count == 0) return CB_ERR;
        std::wstring t = text(lParam);
        auto same = [](const std::wstring& a, const std::wstring& b) {
            if (a.size() != b.size()) return false;
            for (size_t i = 0; i < a.size(); ++i)
                if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) return false;
            return true;
        };
        long long start = static_cast<long long>(static_cast<INT_PTR>(wParam));
        if (start < -1 || start >= count) start = -1;
        for (int n = 1; n <= count; ++n) {
            const int i = static_cast<int>((start + n) % count);
            if (same(w.items[static_cast<size_t>(i)], t)) return i;
        }
        return CB_ERR;
    }
    default: return 0;
    }
}

LRESULT scrollProc(Window& w, UINT message, WPARAM wParam, LPARAM lParam)
{
    SCROLLINFO& s = w.scroll;
    switch (message) {
    case SBM_SETSCROLLINFO: {
        auto* in = reinterpret_cast<const SCROLLINFO*>(lParam);
        if (!in) return s.nPos;
        if (in->fMask & SIF_RANGE) {
            s.nMin = in->nMin;
            s.nMax = std::max(in->nMax, in->nMin);
        }
        if (in->fMask & SIF_PAGE) s.nPage = in->nPage;
        // The page never exceeds the range: nMax - nMin + 1, in 64 bits as the ends may be extreme.
        const long long span = static_cast<long long>(s.nMax) - s.nMin + 1;
        if (static_cast<long long>(s.nPage) > span) s.nPage = static_cast<UINT>(span);
        if (in->fMask & SIF_POS) s.nPos = in->nPos;
        s.nPos = clampScrollPos(s, s.nPos);
        syncWidget(w);
        return s.nPos;
    }
    case SBM_GETSCROLLINFO: {
        auto* out = reinterpret_cast<SCROLLINFO*>(lParam);
        if (!out) return FALSE;
        const UINT mask = out->fMask;
        if (mask & SIF_RANGE) {
            out->nMin = s.nMin;
            out->nMax = s.nMax;
        }
        if (mask & SIF_PAGE) out->nPage = s.nPage;
        if (mask & SIF_POS) out->nPos = s.nPos;
        if (mask & SIF_TRACKPOS) out->nTrackPos = s.nTrackPos;
        return TRUE;
    }
    case SBM_SETPOS: {
        const int old = s.nPos;
        s.nPos = clampScrollPos(s, static_cast<int>(static_cast<INT_PTR>(wParam)));
        syncWidget(w);
        return old;
    }
    case SBM_GETPOS: return s.nPos;
    case SBM_SETRANGE: {
        const int lo = static_cast<int>(static_cast<INT_PTR>(wParam));
        const int hi = static_cast<int>(lParam);
        s.nMin = lo;
        s.nMax = std::max(hi, lo);
        const long long span = static_cast<long long>(s.nMax) - s.nMin + 1;
        if (static_cast<long long>(s.nPage) > span) s.nPage = static_cast<UINT>(span);
        s.nPos = clampScrollPos(s, s.nPos);
        syncWidget(w);
        return s.nPos;
    }
    case SBM_GETRANGE:
        if (auto* lo = reinterpret_cast<int*>(wParam)) *lo = s.nMin;
        if (auto* hi = reinterpret_cast<int*>(lParam)) *hi = s.nMax;
        return 0;
    default: return 0;
    }
}

LRESULT upDownProc(Window& w, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UDM_SETRANGE32:
        w.udLower = static_cast<int>(static_cast<INT_PTR>(wParam));
        w.udUpper = static_cast<int>(lParam);
        return 0;
    case UDM_GETRANGE32:
        if (auto* lo = reinterpret_cast<int*>(wParam)) *lo = w.udLower;
        if (auto* hi = reinterpret_cast<int*>(lParam)) *hi = w.udUpper;
        return 0;
    case UDM_SETPOS32: {
        const int old = w.udPos;
        w.udPos = std::clamp(static_cast<int>(lParam), std::min(w.udLower, w.udUpper), std::max(w.udLower, w.udUpper));
        return old;
    }
    case UDM_GETPOS32: return w.udPos;
    default: return 0;
    }
}

LRESULT buttonProc(Window& w, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case BM_GETCHECK: return (w.kind == Kind::CheckBox || w.kind == Kind::RadioButton) ? w.check : BST_UNCHECKED;
    case BM_SETCHECK:
        if (w.kind == Kind::CheckBox || w.kind == Kind::RadioButton) {
            const auto v = static_cast<INT_PTR>(wParam);
            w.check = (v == BST_CHECKED || v == BST_INDETERMINATE) ? static_cast<int>(v) : BST_UNCHECKED;
            syncWidget(w);
        }
        return 0;
    case BM_CLICK:
        if (isEnabledForInput(w)) clickButtonCore(w);
        return 0;
    default: return 0;
    }
}
}  // namespace

LRESULT defProc(Window& w, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        setText(w, lParam ? std::wstring(reinterpret_cast<const wchar_t*>(lParam)) : std::wstring(), true);
        return TRUE;
    case WM_GETTEXT: {
        auto* out = reinterpret_cast<wchar_t*>(lParam);
        const auto max = static_cast<size_t>(wParam);
        if (!out || max == 0) return 0;
        const size_t n = std::min(max - 1, w.text.size());
        std::copy(w.text.begin(), w.text.begin() + static_cast<std::ptrdiff_t>(n), out);
        out[n] = L'\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w.text.size());
    case WM_SETICON: {
        HICON icon = reinterpret_cast<HICON>(lParam);
        if (icon && !isIcon(icon)) icon = nullptr;
        HICON& slot = wParam == ICON_BIG ? w.bigIcon : w.smallIcon;
        HICON old = slot;
        slot = icon;
        updateFrameIcon(w);
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        beginPaint(w, nullptr, &ps);
        endPaint(w.handle, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        fillFace(w, w.painting);
        return 1;
    case WM_CLOSE:
        if (w.kind == Kind::Dialog) {
            // The dialog manager turns the close box into IDCANCEL.
            Window* ok = childById(w, IDCANCEL);
            send(w.handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), ok ? reinterpret_cast<LPARAM>(ok->handle) : 0);
        } else if (w.kind == Kind::TopLevel) {
            destroyWindow(w.handle);
        }
        return 0;
    default: break;
    }
    switch (w.kind) {
    case Kind::ComboBox: return comboProc(w, message, wParam, lParam);
    case Kind::ScrollBar: return scrollProc(w, message, wParam, lParam);
    case Kind::UpDown: return upDownProc(w, message, wParam, lParam);
    case Kind::PushButton:
    case Kind::CheckBox:
    case Kind::RadioButton:
    case Kind::GroupBox: return buttonProc(w, message, wParam, lParam);
    default: return 0;
    }
}

}  // namespace cxc::wnd

// ---- global API --------------------------------------------------------------------------------

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return cxc::wnd::send(hwnd, message, wParam, lParam);
}

BOOL IsWindow(HWND hwnd) { return cxc::wnd::find(hwnd) ? TRUE : FALSE; }

namespace cxc::wnd {
LiveWindows liveWindows()
{
    const Core& c = core();
    LiveWindows l;
    l.windows = static_cast<long>(c.windows.size());
    l.dialogs = c.dialogs;
    l.widgets = c.widgets;
    l.menus = static_cast<long>(c.menus.size());
    return l;
}
}  // namespace cxc::wnd
