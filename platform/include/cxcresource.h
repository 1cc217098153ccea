// Resources without a resource compiler: dialog templates, menus and icons as C++ tables, the
// modules that hold them, the resource chain that CDialog::Create and LoadIcon search, and the
// extension-module start-up (AfxInitExtensionModule, CDynLinkLibrary, AfxTermExtensionModule).
//
// Dialog units: fixed base units of 6 x 13 pixels (the "MS Sans Serif" 8 / "MS Shell Dlg" 8 cell),
// so x px = MulDiv(x, 6, 4) and y px = MulDiv(y, 13, 8), rounded half away from zero and applied
// to each edge of a rectangle (left, top, right = x + cx, bottom = y + cy). A template's size is its
// client size.
//
// Start-up of a module on Linux: a shared library runs its start-up (the DllMain of Windows) from
// a static initialiser, __attribute__((constructor)); a program that links the module's objects
// statically calls the same start-up function itself before it opens any window.
#pragma once

#include <cstdint>

#include "atltypes.h"
#include "cxcobject.h"
#include "windows.h"

#ifndef RT_ICON
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_MENU MAKEINTRESOURCE(4)
#define RT_DIALOG MAKEINTRESOURCE(5)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#endif

namespace cxc::res {

inline constexpr int kBaseUnitX = 6;   // px per 4 horizontal dialog units
inline constexpr int kBaseUnitY = 13;  // px per 8 vertical dialog units
inline int dluToPixelX(int x) { return MulDiv(x, kBaseUnitX, 4); }
inline int dluToPixelY(int y) { return MulDiv(y, kBaseUnitY, 8); }
// A template rectangle (x, y, width, height in dialog units) in pixels.
inline CRect dluToPixels(int x, int y, int cx, int cy)
{
    return CRect(dluToPixelX(x), dluToPixelY(y), dluToPixelX(x + cx), dluToPixelY(y + cy));
}

enum class ItemClass : unsigned char { Button, Edit, Static, ComboBox, ScrollBar, UpDown };

// One control of a template, in template order (tab order, which DDX_Radio's groups follow).
struct DialogItem {
    ItemClass cls;
    int id;                // IDC_STATIC (-1) for unnamed labels
    const wchar_t* text;   // caption or initial text; may be null
    short x, y, cx, cy;    // dialog units; a combo box's height includes its drop-down list
    DWORD style;           // WS_* | BS_* / ES_* / SS_* / CBS_* / SBS_* / UDS_* (WS_CHILD implied)
};

struct DialogTemplate {
    UINT id;
    DWORD style;              // WS_POPUP | WS_CAPTION ... | DS_MODALFRAME ...
    short cx, cy;             // client size in dialog units
    const wchar_t* caption;
    const wchar_t* font;      // "MS Sans Serif" or "MS Shell Dlg"
    short pointSize;
    UINT menu;                // 0: no menu
    const DialogItem* items;
    int itemCount;
};

// A menu item: a command, a separator (MF_SEPARATOR) or a popup (MF_POPUP with its items).
struct MenuEntry {
    UINT flags;               // MF_STRING, MF_SEPARATOR or MF_POPUP (| MF_CHECKED, MF_GRAYED)
    UINT id;
    const wchar_t* text;
    const MenuEntry* popup;   // MF_POPUP only
    int popupCount;
};

struct MenuTemplate {
    UINT id;
    const MenuEntry* entries;  // the menu bar's items
    int count;
};

// An icon as pixel art: `height` rows of `width` characters; each character is looked up in `keys`
// and takes the colour at the same index of `colours` (0xAARRGGBB); other characters are clear.
struct IconTemplate {
    UINT id;
    int width, height;
    const char* const* rows;
    const char* keys;
    const std::uint32_t* colours;
};

struct ResourceTable {
    const wchar_t* name;
    const DialogTemplate* dialogs;
    int dialogCount;
    const MenuTemplate* menus;
    int menuCount;
    const IconTemplate* icons;
    int iconCount;
};

// Makes a module of a table (once per table; later calls return the same handle). The table must
// outlive the process's windows (a static table).
HINSTANCE registerModule(const ResourceTable* table);
// The resources of one module (not the chain); null when it has none of that id.
const DialogTemplate* findDialog(HINSTANCE module, UINT id);
const MenuTemplate* findMenu(HINSTANCE module, UINT id);
const IconTemplate* findIcon(HINSTANCE module, UINT id);
// The same, searching the resource chain.
const DialogTemplate* findDialogInChain(UINT id);
const MenuTemplate* findMenuInChain(UINT id);

}  // namespace cxc::res

// ---- extension modules and the resource chain -----------------------------------------------

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

// FALSE (and the module stays uninitialised) when the handle names no module.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
// Leaves the chain: deletes the CDynLinkLibrary objects of that module.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);

// Made with new by a module's start-up; joins the resource chain until it is deleted.
class CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system = FALSE);
    ~CDynLinkLibrary() override;
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule = nullptr;
    HMODULE m_hResource = nullptr;
    BOOL m_bSystem = FALSE;
};

// The program's own module (it holds no resources unless a host registers some) and the module
// searched first.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);
// The module that holds a resource: the resource handle first, then the chain in joining order;
// null when none does. `type` is RT_DIALOG, RT_MENU, RT_ICON or RT_GROUP_ICON.
HINSTANCE AfxFindResourceHandle(LPCTSTR name, LPCTSTR type);
