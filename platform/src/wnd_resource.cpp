// Resource modules, the resource chain, extension-module start-up, icons and the stub application.
#include <QImage>

#include <algorithm>
#include <cstring>
#include <vector>

#include "wnd_internal.h"

struct HINSTANCE__ {
    const cxc::res::ResourceTable* table = nullptr;  // null: the program's own module
    std::vector<std::unique_ptr<HICON__>> icons;     // loaded on first use, alive until exit
};

namespace {

struct Registry {
    std::vector<std::unique_ptr<HINSTANCE__>> modules;
    std::vector<CDynLinkLibrary*> chain;  // joining order
    HINSTANCE resourceHandle = nullptr;
    std::vector<HICON> icons;             // every icon handed out, for validation
};

Registry& registry()
{
    static Registry* r = [] {
        auto* reg = new Registry;
        reg->modules.push_back(std::make_unique<HINSTANCE__>());  // the program's own module
        return reg;
    }();
    return *r;
}

HINSTANCE__* moduleOf(HINSTANCE h)
{
    if (!h) return nullptr;
    for (auto& m : registry().modules)
        if (m.get() == h) return m.get();
    return nullptr;
}

UINT intResource(LPCTSTR name)
{
    if (!name || !IS_INTRESOURCE(name)) return 0;
    return static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name));
}

bool moduleHas(HINSTANCE module, UINT id, UINT type)
{
    switch (type) {
    case 5: return cxc::res::findDialog(module, id) != nullptr;  // RT_DIALOG
    case 4: return cxc::res::findMenu(module, id) != nullptr;    // RT_MENU
    case 3:
    case 14: return cxc::res::findIcon(module, id) != nullptr;  // RT_ICON, RT_GROUP_ICON
    default: return false;
    }
}

HINSTANCE findInChain(UINT id, UINT type)
{
    Registry& r = registry();
    if (r.resourceHandle && moduleHas(r.resourceHandle, id, type)) return r.resourceHandle;
    for (CDynLinkLibrary* lib : r.chain)
        if (moduleHas(lib->m_hResource, id, type)) return lib->m_hResource;
    return nullptr;
}

QImage iconFromTemplate(const cxc::res::IconTemplate& t)
{
    const int w = std::clamp(t.width, 0, 256);
    const int h = std::clamp(t.height, 0, 256);
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(0);
    const size_t nkeys = t.keys ? std::strlen(t.keys) : 0;
    for (int y = 0; y < h && t.rows; ++y) {
        const char* row = t.rows[y];
        if (!row) continue;
        const size_t len = std::strlen(row);
        for (int x = 0; x < w && static_cast<size_t>(x) < len; ++x) {
            const char* k = nkeys ? static_cast<const char*>(std::memchr(t.keys, row[x], nkeys)) : nullptr;
            if (k && t.colours) img.setPixel(x, y, t.colours[k - t.keys]);
        }
    }
    return img;
}

}  // namespace

namespace cxc::res {

HINSTANCE registerModule(const ResourceTable* table)
{
    if (!table) return nullptr;
    Registry& r = registry();
    for (auto& m : r.modules)
        if (m->table == table) return m.get();
    r.modules.push_back(std::make_unique<HINSTANCE__>());
    r.modules.back()->table = table;
    return r.modules.back().get();
}

const DialogTemplate* findDialog(HINSTANCE module, UINT id)
{
    const HINSTANCE__* m = moduleOf(module);
    if (!m || !m->table) return nullptr;
    for (int i = 0; i < m->table->dialogCount; ++i)
        if (m->table->dialogs[i].id == id) return &m->table->dialogs[i];
    return nullptr;
}

const MenuTemplate* findMenu(HINSTANCE module, UINT id)
{
    const HINSTANCE__* m = moduleOf(module);
    if (!m || !m->table) return nullptr;
    for (int i = 0; i < m->table->menuCount; ++i)
        if (m->table->menus[i].id == id) return &m->table->menus[i];
    return nullptr;
}

const IconTemplate* findIcon(HINSTANCE module, UINT id)
{
    const HINSTANCE__* m = moduleOf(module);
    if (!m || !m->table) return nullptr;
    for (int i = 0; i < m->table->iconCount; ++i)
        if (m->table->icons[i].id == id) return &m->table->icons[i];
    return nullptr;
}

const DialogTemplate* findDialogInChain(UINT id) { return findDialog(findInChain(id, 5), id); }
const MenuTemplate* findMenuInChain(UINT id) { return findMenu(findInChain(id, 4), id); }

}  // namespace cxc::res

namespace cxc::wnd {
bool isIcon(HICON icon)
{
    if (!icon) return false;
    const auto& v = registry().icons;
    return std::find(v.begin(), v.end(), icon) != v.end();
}

QImage iconImage(HICON icon) { return isIcon(icon) ? icon->image : QImage(); }

UINT iconId(HICON icon) { return isIcon(icon) ? icon->id : 0; }
}  // namespace cxc::wnd

// ---- extension modules and the chain --------------------------------------------------------------

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module)
{
    if (!moduleOf(module)) return FALSE;
    state.hModule = module;
    state.hResource = module;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all)
{
    Registry& r = registry();
    std::vector<CDynLinkLibrary*> leaving;
    for (CDynLinkLibrary* lib : r.chain)
        if (all || lib->m_hModule == state.hModule) leaving.push_back(lib);
    for (CDynLinkLibrary* lib : leaving) delete lib;  // each leaves the chain in its destructor
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(system)
{
    registry().chain.push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    auto& c = registry().chain;
    c.erase(std::remove(c.begin(), c.end(), this), c.end());
}

HINSTANCE AfxGetInstanceHandle() { return registry().modules.front().get(); }

HINSTANCE AfxGetResourceHandle()
{
    Registry& r = registry();
    return r.resourceHandle ? r.resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module)
{
    if (!module || moduleOf(module)) registry().resourceHandle = module;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR name, LPCTSTR type)
{
    const UINT id = intResource(name);
    const UINT t = intResource(type);
    if (!id || !t) return nullptr;
    return findInChain(id, t);
}

// ---- icons and the application ---------------------------------------------------------------------

HICON LoadIcon(HINSTANCE instance, LPCTSTR name)
{
    HINSTANCE__* m = moduleOf(instance);
    const UINT id = intResource(name);
    if (!m || !id) return nullptr;
    for (auto& icon : m->icons)
        if (icon->id == id) return icon.get();
    const cxc::res::IconTemplate* t = cxc::res::findIcon(instance, id);
    if (!t) return nullptr;
    auto icon = std::make_unique<HICON__>();
    icon->id = id;
    icon->image = iconFromTemplate(*t);
    HICON h = icon.get();
    m->icons.push_back(std::move(icon));
    registry().icons.push_back(h);
    return h;
}

BOOL DestroyIcon(HICON icon) { return cxc::wnd::isIcon(icon) ? TRUE : FALSE; }

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

HICON CWinApp::LoadIcon(UINT id) const { return LoadIcon(MAKEINTRESOURCE(id)); }

HICON CWinApp::LoadIcon(LPCTSTR name) const
{
    HINSTANCE module = AfxFindResourceHandle(name, RT_GROUP_ICON);
    return module ? ::LoadIcon(module, name) : nullptr;
}

CWinApp* AfxGetApp()
{
    static CWinApp* app = new CWinApp;
    return app;
}

CWnd* AfxGetMainWnd() { return AfxGetApp()->m_pMainWnd; }
