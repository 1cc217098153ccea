// Menus: records behind HMENUs (items, check marks, popups), CMenu, and the Qt menu bar of a
// window. Opening a popup of the bar sends WM_INITMENU; choosing an item sends WM_COMMAND.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <functional>

#include "wnd_internal.h"

namespace cxc::wnd {

Menu* findMenu(HMENU menu)
{
    if (!menu) return nullptr;
    auto& m = core().menus;
    auto it = m.find(key(menu));
    return it == m.end() ? nullptr : it->second.get();
}

HMENU newMenu(bool popup)
{
    Core& c = core();
    auto m = std::make_unique<Menu>();
    c.nextHandle += 4;
    m->handle = reinterpret_cast<HMENU>(c.nextHandle);
    m->popupMenu = popup;
    HMENU h = m->handle;
    c.menus.emplace(key(h), std::move(m));
    return h;
}

namespace {
void appendEntries(HMENU menu, const res::MenuEntry* entries, int count)
{
    for (int i = 0; i < count; ++i) {
        const res::MenuEntry& e = entries[i];
        MenuItem item;
        item.flags = e.flags & (MF_SEPARATOR | MF_POPUP | MF_CHECKED | MF_GRAYED | MF_DISABLED);
        item.id = e.id;
        item.text = e.text ? e.text : L"";
        if (e.flags & MF_POPUP) {
            item.popup = newMenu(true);
            appendEntries(item.popup, e.popup, e.popupCount);
        }
        if (Menu* m = findMenu(menu)) m->items.push_back(std::move(item));
    }
}

// Windows' menu texts mark the mnemonic with '&' and put the accelerator after a tab; Qt reads
// '&' the same way and the tab would show as a gap.
QString qtMenuText(const std::wstring& s)
{
    const auto tab = s.find(L'\t');
    return QString::fromStdWString(tab == std::wstring::npos ? s : s.substr(0, tab));
}
}  // namespace

HMENU menuFromTemplate(const res::MenuTemplate& tmpl)
{
    HMENU h = newMenu(false);
    appendEntries(h, tmpl.entries, tmpl.count);
    return h;
}

void destroyMenu(HMENU menu)
{
    Menu* m = findMenu(menu);
    if (!m) return;
    std::vector<HMENU> popups;
    for (const MenuItem& i : m->items)
        if (i.popup) popups.push_back(i.popup);
    if (m->object) m->object->m_hMenu = nullptr;
    if (m->wrapper) m->wrapper->m_hMenu = nullptr;
    if (Window* w = find(m->window); w && w->menu == menu) {
        w->menu = nullptr;
        if (w->menuBar) {
            disposeWidget(w->menuBar.data());
            w->menuBar = nullptr;
            layoutFrame(*w);
        }
    }
    auto record = std::move(core().menus[key(menu)]);
    core().menus.erase(key(menu));
    for (HMENU p : popups) destroyMenu(p);
}

MenuItem* findMenuItem(HMENU menu, UINT id, UINT flags, HMENU* owner)
{
    Menu* m = findMenu(menu);
    if (!m) return nullptr;
    if (flags & MF_BYPOSITION) {
        if (id >= m->items.size()) return nullptr;
        if (owner) *owner = menu;
        return &m->items[id];
    }
    for (MenuItem& i : m->items) {
        if (!(i.flags & (MF_POPUP | MF_SEPARATOR)) && i.id == id) {
            if (owner) *owner = menu;
            return &i;
        }
        if (i.popup)
            if (MenuItem* found = findMenuItem(i.popup, id, flags, owner)) return found;
    }
    return nullptr;
}

void syncMenuItem(MenuItem& item)
{
    QAction* a = item.action.data();
    if (!a) return;
    const bool checked = (item.flags & MF_CHECKED) != 0;
    a->setCheckable(checked);
    a->setChecked(checked);
    a->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
    a->setText(qtMenuText(item.text));
}

namespace {
void fillQtMenu(HMENU menu, HWND window, const std::function<QMenu*(const QString&)>& addMenu,
                const std::function<QAction*(const QString&)>& addAction, const std::function<void()>& addSeparator)
{
    Menu* m = findMenu(menu);
    if (!m) return;
    for (MenuItem& item : m->items) {
        if (item.flags & MF_SEPARATOR) {
            addSeparator();
            continue;
        }
        if (item.popup) {
            QMenu* sub = addMenu(qtMenuText(item.text));
            if (Menu* pm = findMenu(item.popup)) pm->qmenu = sub;
            item.action = sub->menuAction();
            fillQtMenu(
                item.popup, window, [sub](const QString& t) { return sub->addMenu(t); },
                [sub](const QString& t) { return sub->addAction(t); }, [sub] { sub->addSeparator(); });
            continue;
        }
        QAction* a = addAction(qtMenuText(item.text));
        item.action = a;
        syncMenuItem(item);
        const UINT id = item.id;
        QObject::connect(a, &QAction::triggered, [window, id] {
            guarded([&] { send(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0); });
        });
    }
}
}  // namespace

void buildMenuBar(Window& w)
{
    if (w.menuBar) {
        disposeWidget(w.menuBar.data());
        w.menuBar = nullptr;
    }
    if (!w.menu || !w.frame) return;
    auto* bar = new QMenuBar(w.frame);
    bar->setNativeMenuBar(false);  // inside the window, above the client area, as on Windows
    countWidget(bar);
    w.menuBar = bar;
    const HWND window = w.handle;
    const HMENU menu = w.menu;
    fillQtMenu(
        menu, window,
        [bar, window, menu](const QString& t) {
            QMenu* sub = bar->addMenu(t);
            // Opening the bar's menus is entering menu mode: the window hears WM_INITMENU first.
            QObject::connect(sub, &QMenu::aboutToShow, [window, menu] {
                guarded([&] { send(window, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0); });
            });
            return sub;
        },
        [bar](const QString& t) { return bar->addAction(t); }, [bar] { bar->addSeparator(); });
    bar->setVisible(true);
}

}  // namespace cxc::wnd

using namespace cxc::wnd;

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::~CMenu()
{
    if (owned_ && m_hMenu) {
        Menu* m = findMenu(m_hMenu);
        if (m && m->object == this) {
            m->object = nullptr;
            if (!m->window) destroyMenu(m_hMenu);  // a menu a window took over dies with the window
        }
    } else if (Menu* m = findMenu(m_hMenu); m && m->object == this) {
        m->object = nullptr;
    }
    m_hMenu = nullptr;
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    Menu* m = findMenu(menu);
    if (!m) return nullptr;
    if (m->object) return m->object;
    if (!m->wrapper) {
        m->wrapper = std::make_unique<CMenu>();
        m->wrapper->m_hMenu = menu;
    }
    return m->wrapper.get();
}

BOOL CMenu::Attach(HMENU menu)
{
    Menu* m = findMenu(menu);
    if (!m || m_hMenu || m->object) return FALSE;
    m->object = this;
    m_hMenu = menu;
    owned_ = true;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    if (Menu* m = findMenu(h); m && m->object == this) m->object = nullptr;
    m_hMenu = nullptr;
    owned_ = false;
    return h;
}

BOOL CMenu::CreateMenu()
{
    if (m_hMenu) return FALSE;
    return Attach(newMenu(false));
}

BOOL CMenu::CreatePopupMenu()
{
    if (m_hMenu) return FALSE;
    return Attach(newMenu(true));
}

BOOL CMenu::LoadMenu(UINT id)
{
    if (m_hMenu) return FALSE;
    const cxc::res::MenuTemplate* t = cxc::res::findMenuInChain(id);
    if (!t) return FALSE;
    return Attach(menuFromTemplate(*t));
}

BOOL CMenu::DestroyMenu()
{
    if (!findMenu(m_hMenu)) return FALSE;
    destroyMenu(m_hMenu);
    m_hMenu = nullptr;
    owned_ = false;
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, LPCTSTR text)
{
    Menu* m = findMenu(m_hMenu);
    if (!m) return FALSE;
    MenuItem item;
    item.flags = flags & (MF_SEPARATOR | MF_POPUP | MF_CHECKED | MF_GRAYED | MF_DISABLED);
    item.text = text ? text : L"";
    if (flags & MF_POPUP) {
        HMENU popup = reinterpret_cast<HMENU>(idOrPopup);
        Menu* pm = findMenu(popup);
        if (!pm) return FALSE;
        item.popup = popup;
        // The popup belongs to this menu from now on.
        if (pm->object) {
            pm->object->m_hMenu = nullptr;
            pm->object = nullptr;
        }
    } else {
        item.id = static_cast<UINT>(idOrPopup);
    }
    m->items.push_back(std::move(item));
    if (Window* w = find(m->window)) {
        buildMenuBar(*w);
        layoutFrame(*w);
    }
    return TRUE;
}

UINT CMenu::CheckMenuItem(UINT id, UINT check)
{
    MenuItem* item = findMenuItem(m_hMenu, id, check & MF_BYPOSITION);
    if (!item) return static_cast<UINT>(-1);
    const UINT previous = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    syncMenuItem(*item);
    return previous;
}

UINT CMenu::EnableMenuItem(UINT id, UINT enable)
{
    MenuItem* item = findMenuItem(m_hMenu, id, enable & MF_BYPOSITION);
    if (!item) return static_cast<UINT>(-1);
    const UINT previous = item->flags & (MF_GRAYED | MF_DISABLED);
    item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    syncMenuItem(*item);
    return previous;
}

UINT CMenu::GetMenuState(UINT id, UINT flags) const
{
    const MenuItem* item = findMenuItem(m_hMenu, id, flags & MF_BYPOSITION);
    if (!item) return static_cast<UINT>(-1);
    return item->flags & (MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP);
}

int CMenu::GetMenuItemCount() const
{
    const Menu* m = findMenu(m_hMenu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int pos) const
{
    const Menu* m = findMenu(m_hMenu);
    if (!m || pos < 0 || pos >= static_cast<int>(m->items.size())) return static_cast<UINT>(-1);
    const MenuItem& i = m->items[static_cast<size_t>(pos)];
    if (i.flags & MF_POPUP) return static_cast<UINT>(-1);
    if (i.flags & MF_SEPARATOR) return 0;
    return i.id;
}

CMenu* CMenu::GetSubMenu(int pos) const
{
    const Menu* m = findMenu(m_hMenu);
    if (!m || pos < 0 || pos >= static_cast<int>(m->items.size())) return nullptr;
    return FromHandle(m->items[static_cast<size_t>(pos)].popup);
}

int CMenu::GetMenuString(UINT idOrPos, CString& text, UINT flags) const
{
    const MenuItem* item = findMenuItem(m_hMenu, idOrPos, flags & MF_BYPOSITION);
    text = item ? CString(item->text) : CString();
    return text.GetLength();
}
