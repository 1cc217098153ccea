// Application services of the window layer: the stub application (icons through the resource
// chain), message boxes, the wait cursor and shared icons. Builds on cxcwnd.h.
#pragma once

#include "cxcwnd.h"

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    CWinApp() = default;
    HICON LoadIcon(UINT id) const;  // searches the resource chain
    HICON LoadIcon(LPCTSTR name) const;
    CWnd* m_pMainWnd = nullptr;
};
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// A message box. Desktop: a modal Qt message box; the same box (text and type) is not stacked again
// while it is open, so a failing paint or timer path cannot pile them up. Headless: the text and
// type are appended to the harness log and the scripted answer (IDOK) is returned at once.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);

// The busy cursor while it lives (desktop); nests.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();  // shows the busy cursor again after something reset it
};

// An icon of the given module (null instance: the system's icons, of which there are none here).
// Icons are shared and live as long as the process; DestroyIcon accepts and ignores them.
HICON LoadIcon(HINSTANCE instance, LPCTSTR name);
BOOL DestroyIcon(HICON icon);

namespace cxc::wnd {
// The resource id an icon was loaded from (0 for null).
UINT iconId(HICON icon);
}  // namespace cxc::wnd
