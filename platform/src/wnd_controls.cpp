// Control behaviour shared by program calls, real input and the harness: text changes, clicks,
// combo selection, scroll positions and up-down steps; and the thin control classes over them.
#include <algorithm>
#include <climits>

#include "wnd_internal.h"

namespace cxc::wnd {

void setText(Window& w, const std::wstring& text, bool notify)
{
    if (w.text == text) return;
    w.text = text;
    syncWidget(w);
    // An edit tells its parent about every real change of its text.
    if (notify && w.kind == Kind::Edit) notifyParent(w.handle, EN_CHANGE);
}

int clampScrollPos(const SCROLLINFO& si, int pos)
{
    // Windows keeps the position within [nMin, nMax - max(nPage - 1, 0)].
    const long long page = std::max<long long>(static_cast<long long>(si.nPage) - 1, 0);
    const long long hi = std::max<long long>(static_cast<long long>(si.nMax) - page, si.nMin);
    return static_cast<int>(std::clamp<long long>(pos, si.nMin, hi));
}

namespace {
// The radio buttons of b's group: from the nearest control at or before b that has WS_GROUP up to,
// not including, the next one that has it.
std::vector<Window*> radioGroup(Window& b)
{
    std::vector<Window*> group;
    Window* p = find(b.parent);
    if (!p) return group;
    const auto& ch = p->children;
    auto at = std::find(ch.begin(), ch.end(), b.handle);
    if (at == ch.end()) return group;
    auto first = at;
    while (first != ch.begin()) {
        Window* c = find(*first);
        if (c && (c->style & WS_GROUP)) break;
        --first;
    }
    for (auto it = first; it != ch.end(); ++it) {
        Window* c = find(*it);
        if (!c) continue;
        if (it != first && (c->style & WS_GROUP)) break;
        if (c->kind == Kind::RadioButton) group.push_back(c);
    }
    return group;
}
}  // namespace

bool clickButtonCore(Window& b)
{
    const DWORD type = b.style & BS_TYPEMASK;
    switch (b.kind) {
    case Kind::CheckBox:
        if (type == BS_AUTOCHECKBOX) b.check = b.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        else if (type == BS_AUTO3STATE) b.check = (b.check + 1) % 3;
        syncWidget(b);
        break;
    case Kind::RadioButton:
        if (type == BS_AUTORADIOBUTTON) {
            for (Window* r : radioGroup(b)) {
                r->check = r == &b ? BST_CHECKED : BST_UNCHECKED;
                syncWidget(*r);
            }
        }
        break;
    case Kind::PushButton: break;
    default: return false;
    }
    notifyParent(b.handle, BN_CLICKED);
    return true;
}

void selectComboCore(Window& c, int index)
{
    if (index >= 0 && index < static_cast<int>(c.items.size())) {
        c.curSel = index;
        c.text = c.items[static_cast<size_t>(index)];
    } else {
        c.curSel = -1;
        c.text.clear();
    }
    syncWidget(c);
}

void typeTextCore(Window& w, const std::wstring& text)
{
    if (w.kind == Kind::ComboBox) {
        if (w.text == text) return;
        w.text = text;
        syncWidget(w);
        notifyParent(w.handle, CBN_EDITCHANGE);
        return;
    }
    setText(w, text, true);
}

int upDownArrowDelta(const Window& ud, bool upOrRight)
{
    // With Windows' default range (100 down to 0) the upper end is the smaller number: up gives -1.
    const int sign = ud.udUpper > ud.udLower ? 1 : -1;
    return upOrRight ? sign : -sign;
}

bool upDownCore(Window& ud, int delta)
{
    const HWND h = ud.handle;
    NMUPDOWN nm{};
    nm.hdr.hwndFrom = h;
    nm.hdr.idFrom = static_cast<UINT_PTR>(static_cast<unsigned>(ud.id));
    nm.hdr.code = UDN_DELTAPOS;
    nm.iPos = ud.udPos;
    nm.iDelta = delta;
    const HWND parent = ud.parent;
    const LRESULT refused = send(parent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    Window* w = find(h);
    if (!w) return true;
    const bool vertical = !(w->style & UDS_HORZ);
    const UINT scroll = vertical ? WM_VSCROLL : WM_HSCROLL;
    if (refused == 0) {
        const int lo = std::min(w->udLower, w->udUpper);
        const int hi = std::max(w->udLower, w->udUpper);
        const int next = static_cast<int>(std::clamp<long long>(static_cast<long long>(w->udPos) + nm.iDelta, lo, hi));
        if (next != w->udPos) {
            w->udPos = next;
            send(parent, scroll, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(next)), reinterpret_cast<LPARAM>(h));
        }
    }
    if (find(h)) send(parent, scroll, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(h));
    return true;
}

void sendScroll(Window& bar, int code, int pos)
{
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) bar.scroll.nTrackPos = pos;
    const UINT message = (bar.style & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    send(bar.parent, message, MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(pos)),
         reinterpret_cast<LPARAM>(bar.handle));
}

}  // namespace cxc::wnd

using namespace cxc::wnd;

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(L"STATIC", text, style, rect, parent, id);
}

BOOL CButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(L"BUTTON", caption, style, rect, parent, id);
}

int CButton::GetCheck() const { return static_cast<int>(send(m_hWnd, BM_GETCHECK)); }

void CButton::SetCheck(int check) { send(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check)); }

UINT CButton::GetButtonStyle() const
{
    const Window* w = find(m_hWnd);
    return w ? static_cast<UINT>(w->style & 0xFF) : 0;
}

void CEdit::SetSel(int start, int end, BOOL) { send(m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), end); }

int CComboBox::AddString(LPCTSTR text)
{
    if (!find(m_hWnd)) return CB_ERR;
    return static_cast<int>(send(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::InsertString(int index, LPCTSTR text)
{
    if (!find(m_hWnd)) return CB_ERR;
    return static_cast<int>(send(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int CComboBox::DeleteString(UINT index)
{
    if (!find(m_hWnd)) return CB_ERR;
    return static_cast<int>(send(m_hWnd, CB_DELETESTRING, index));
}

void CComboBox::ResetContent() { send(m_hWnd, CB_RESETCONTENT); }

int CComboBox::SetCurSel(int index)
{
    if (!find(m_hWnd)) return CB_ERR;
    return static_cast<int>(send(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index)));
}

int CComboBox::GetCurSel() const
{
    if (!find(m_hWnd)) return CB_ERR;
    return static_cast<int>(send(m_hWnd, CB_GETCURSEL));
}

int CComboBox::GetCount() const
{
    if (!find(m_hWnd)) return CB_ERR;
    return static_cast<int>(send(m_hWnd, CB_GETCOUNT));
}

int CComboBox::GetLBText(int index, LPTSTR buffer) const
{
    if (!find(m_hWnd) || !buffer) return CB_ERR;
    return static_cast<int>(send(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}

void CComboBox::GetLBText(int index, CString& text) const
{
    const int n = GetLBTextLen(index);
    if (n < 0) {
        text.Empty();
        return;
    }
    wchar_t* buffer = text.GetBufferSetLength(n + 1);
    send(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    text.ReleaseBuffer(n);
}

int CComboBox::GetLBTextLen(int index) const
{
    if (!find(m_hWnd)) return CB_ERR;
    return static_cast<int>(send(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const
{
    if (!find(m_hWnd)) return CB_ERR;
    return static_cast<int>(send(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter), reinterpret_cast<LPARAM>(text)));
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO info, BOOL)
{
    if (!find(m_hWnd) || !info) return FALSE;
    send(m_hWnd, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(info));
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask) const
{
    if (!find(m_hWnd) || !info) return FALSE;
    info->fMask = mask;
    return static_cast<BOOL>(send(m_hWnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
}

void CScrollBar::GetScrollRange(int* minPos, int* maxPos) const
{
    if (!find(m_hWnd)) {
        if (minPos) *minPos = 0;
        if (maxPos) *maxPos = 0;
        return;
    }
    send(m_hWnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(minPos), reinterpret_cast<LPARAM>(maxPos));
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL)
{
    send(m_hWnd, SBM_SETRANGE, static_cast<WPARAM>(minPos), maxPos);
}

int CScrollBar::GetScrollPos() const { return static_cast<int>(send(m_hWnd, SBM_GETPOS)); }

int CScrollBar::SetScrollPos(int pos, BOOL) { return static_cast<int>(send(m_hWnd, SBM_SETPOS, static_cast<WPARAM>(pos))); }

int CScrollBar::GetScrollLimit() const
{
    const Window* w = find(m_hWnd);
    return w ? clampScrollPos(w->scroll, INT_MAX) : 0;
}

CScrollBar* CScrollBar::FromHandleScroll(HWND hwnd)
{
    Window* w = find(hwnd);
    if (!w || w->kind != Kind::ScrollBar) return nullptr;
    return dynamic_cast<CScrollBar*>(objectOf(*w));
}

void CSpinButtonCtrl::SetRange32(int lower, int upper) { send(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    lower = upper = 0;
    send(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::SetPos32(int pos) { return static_cast<int>(send(m_hWnd, UDM_SETPOS32, 0, pos)); }

int CSpinButtonCtrl::GetPos32() const { return static_cast<int>(send(m_hWnd, UDM_GETPOS32)); }
