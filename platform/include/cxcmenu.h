// Menus: CMenu over the menu records behind HMENUs (items, check marks, popups). A window shows its
// menu as a bar above its client area. Builds on CObject (cxcobject.h).
#pragma once

#include "afxstr.h"
#include "cxcobject.h"
#include "windows.h"

class CMenu : public CObject {
    DECLARE_DYNAMIC(CMenu)
public:
    CMenu() = default;
    ~CMenu() override;  // destroys a menu it still owns
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    // The object of a menu handle (owned by the menu, valid while the menu lives); null if stale.
    static CMenu* FromHandle(HMENU menu);
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // A menu of the resource chain.
    BOOL LoadMenu(UINT id);
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();

    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCTSTR text = nullptr);
    // Previous state (MF_CHECKED or MF_UNCHECKED), or (UINT)-1 when there is no such item.
    UINT CheckMenuItem(UINT id, UINT check);
    UINT EnableMenuItem(UINT id, UINT enable);
    // MF_CHECKED, MF_GRAYED, MF_SEPARATOR, MF_POPUP flags of an item, or (UINT)-1 when missing.
    UINT GetMenuState(UINT id, UINT flags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int pos) const;  // (UINT)-1 for a popup, 0 for a separator
    CMenu* GetSubMenu(int pos) const;
    int GetMenuString(UINT idOrPos, CString& text, UINT flags) const;

private:
    bool owned_ = false;
};
