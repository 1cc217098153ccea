// Modeless dialogs made from the templates of the resource chain.
#include <algorithm>

#include "wnd_internal.h"

using namespace cxc::wnd;

IMPLEMENT_DYNAMIC(CDialog, CWnd)
IMPLEMENT_DYNAMIC(CDialogEx, CDialog)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_COMMAND(IDOK, &CDialog::OnOKCommand)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancelCommand)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    if (m_hWnd) DestroyWindow();
}

namespace {
// Makes the dialog window and its controls from a template; null when a part of it is missing.
HWND createFromTemplate(const cxc::res::DialogTemplate& t, HWND owner)
{
    HMENU menu = nullptr;
    if (t.menu) {
        const cxc::res::MenuTemplate* mt = cxc::res::findMenuInChain(t.menu);
        if (!mt) return nullptr;  // as CreateDialog fails when the template's menu cannot be loaded
        menu = menuFromTemplate(*mt);
    }
    const CSize client(cxc::res::dluToPixelX(t.cx), cxc::res::dluToPixelY(t.cy));
    HWND h = createTopLevel(Kind::Dialog, owner, t.caption, t.style & ~WS_VISIBLE, CPoint(0, 0), client, menu);
    if (!h) {
        destroyMenu(menu);
        return nullptr;
    }
    for (int i = 0; i < t.itemCount; ++i) {
        const cxc::res::DialogItem& it = t.items[i];
        const Kind kind = kindFromItem(it.cls, it.style);
        const CRect r = cxc::res::dluToPixels(it.x, it.y, it.cx, it.cy);
        if (!createChild(kind, h, it.id, it.text, it.style | WS_CHILD, r, r.Height())) {
            destroyWindow(h);
            return nullptr;
        }
    }
    return h;
}
}  // namespace

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    if (m_hWnd) return FALSE;
    auto& failures = core().failNextCreate;
    if (auto it = failures.find(templateId); it != failures.end()) {
        failures.erase(it);
        return FALSE;
    }
    const cxc::res::DialogTemplate* t = cxc::res::findDialogInChain(templateId);
    if (!t) return FALSE;
    m_nIDTemplate = templateId;
    if (parent) m_pParentWnd = parent;
    HWND h = createFromTemplate(*t, m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
    if (!h || !Attach(h)) {
        destroyWindow(h);
        return FALSE;
    }
    // As CreateDialog: the size first, then WM_INITDIALOG once every control exists.
    const Window* w = find(h);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->clientSize.cx, w->clientSize.cy));
    if (m_hWnd != h) return FALSE;
    SendMessage(WM_INITDIALOG, 0, 0);
    if (m_hWnd != h) return FALSE;
    if (t->style & WS_VISIBLE) ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    // A modeless dialog ends by hiding; it stays alive for its owner to show again.
    if (m_hWnd) ShowWindow(SW_HIDE);
}

void CDialog::MapDialogRect(LPRECT rect) const
{
    if (!rect) return;
    const CRect r = cxc::res::dluToPixels(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    *rect = r;
}
