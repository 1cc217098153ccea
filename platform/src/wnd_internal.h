// Inside the platform layer: the window records behind HWNDs, the menu records behind HMENUs, the
// global window state (capture, lock-out, clock, message log) and the functions the window sources
// share. Handles are serial numbers, never pointers, so a stale handle finds nothing instead of
// freed memory.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "cxcgdi.h"
#include "cxcharness.h"
#include "cxcwnd.h"
#include "gdi_internal.h"

class QAction;
class QMenu;
class QMenuBar;
class QTimer;

// An icon loaded from a module: shared, alive for the whole process.
struct HICON__ {
    UINT id = 0;
    QImage image;
};

// The pixels behind a harness picture.
struct cxc::harness::Image::Data {
    QImage image;
};

namespace cxc::wnd {

enum class Kind {
    Window,       // plain child window that paints itself
    TopLevel,     // plain popup or overlapped window
    Dialog,
    Static,
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Edit,
    ComboBox,
    ScrollBar,
    UpDown
};

inline constexpr COLORREF kFaceColour = RGB(0xF0, 0xF0, 0xF0);  // COLOR_BTNFACE: dialogs, statics
inline constexpr int kComboHeight = 21;        // px: closed height of a drop-down combo box
inline constexpr int kMaxCoord = 32767;        // window coordinates and sizes stay within 16 bits
inline constexpr int kMaxSurfaceSide = 16384;  // px: a client surface never grows beyond this

struct Timer {
    unsigned period = 0;          // ms, at least USER_TIMER_MINIMUM
    long long due = 0;            // virtual ms of the next tick (headless)
    std::uint64_t seq = 0;        // creation order, breaks ties between equal due times
    TIMERPROC proc = nullptr;
    QTimer* qt = nullptr;         // desktop: the real timer (owned; deleted later)
};

struct Window {
    HWND handle = nullptr;
    Kind kind = Kind::Window;
    CWnd* object = nullptr;             // attached object: receives the messages
    std::unique_ptr<CWnd> wrapper;      // handed out by FromHandle when no object is attached
    bool child = false;
    HWND parent = nullptr;              // child: the parent; top-level: the owner
    std::vector<HWND> children;         // creation (template) order = tab and z order
    std::vector<HWND> owned;            // popups owned by this top-level window
    int id = 0;
    DWORD style = 0;
    std::wstring text;
    CRect rect;                         // child: parent client coordinates; top-level: screen
    CPoint clientOffset;                // client origin inside the window rectangle
    CSize clientSize;
    bool visible = false;
    bool enabled = true;
    bool destroying = false;
    // paint
    bool invalid = false;
    bool erase = false;
    CRect update;                       // bounding box of the invalid region, client coordinates
    CRect painting;                     // what the current BeginPaint validated (erase target)
    std::shared_ptr<gdi::Surface> surface;
    bool figureHole = false;            // a figure of the dialog draws the view's recording here instead
    // controls
    int check = BST_UNCHECKED;
    std::vector<std::wstring> items;
    int curSel = -1;
    SCROLLINFO scroll{};
    int udPos = 0;
    int udLower = 100;                  // Windows' default range runs from 100 down to 0
    int udUpper = 0;
    int droppedHeight = 0;
    // top-level
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    HMENU menu = nullptr;
    int menuHeight = 0;
    std::map<UINT_PTR, Timer> timers;
    int modalResult = -1;
    // Qt
    QPointer<QWidget> frame;            // top-level: the Qt window; child: the control
    QPointer<QWidget> widget;           // the client area (dialog, plain window) or the control
    QPointer<QMenuBar> menuBar;
};

struct MenuItem {
    UINT flags = 0;                     // MF_SEPARATOR, MF_POPUP, MF_CHECKED, MF_GRAYED, MF_DISABLED
    UINT id = 0;
    std::wstring text;
    HMENU popup = nullptr;
    QPointer<QAction> action;
};

struct Menu {
    HMENU handle = nullptr;
    bool popupMenu = false;
    std::vector<MenuItem> items;
    CMenu* object = nullptr;            // the CMenu that owns or wraps it
    std::unique_ptr<CMenu> wrapper;
    HWND window = nullptr;              // the window whose bar it is
    QPointer<QMenu> qmenu;              // popup: its Qt menu while a bar shows it
};

struct MessageFrame {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct Core {
    std::unordered_map<std::uintptr_t, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevels;        // creation order
    std::unordered_map<std::uintptr_t, std::unique_ptr<Menu>> menus;
    std::uintptr_t nextHandle = 0x10000;
    HWND lockout = nullptr;             // UpdateData in progress: its child notifications are dropped
    HWND capture = nullptr;
    HWND foreground = nullptr;
    std::vector<HWND> foregroundOrder;  // top-level windows, the latest foreground first
    std::vector<MessageFrame> messages; // the messages being dispatched, innermost last
    // harness
    std::vector<harness::MessageBoxRecord> messageLog;
    int messageBoxAnswer = IDOK;
    std::multiset<UINT> failNextCreate;
    std::set<std::wstring> openBoxes;   // desktop: message boxes on screen now
    long long now = 0;
    std::uint64_t timerSeq = 0;
    bool advancing = false;
    bool pumpScheduled = false;
    bool mouseDown = false;
    std::set<HWND> inPaint;             // windows whose WM_PAINT handler is running
    int waitDepth = 0;
    long widgets = 0;
    long dialogs = 0;
};

Core& core();
bool headless();
bool haveApplication();

// ---- records ----------------------------------------------------------------------------------
Window* find(HWND hwnd);
Menu* findMenu(HMENU menu);
Window& newWindow(Kind kind);
Window* childById(const Window& parent, int id);
Window* topLevelOf(Window& w);
// Attached object, or the wrapper (made on first use) of the window's class.
CWnd* objectOf(Window& w);
std::unique_ptr<CWnd> makeWrapper(Kind kind);
void destroyWindow(HWND hwnd);
bool isVisible(const Window& w);  // visible with every parent
bool isEnabledForInput(const Window& w);
Kind kindFromClass(const wchar_t* className, DWORD style);
Kind kindFromItem(res::ItemClass cls, DWORD style);
bool isTransparentToMouse(const Window& w);

// ---- messages -----------------------------------------------------------------------------------
LRESULT send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT defProc(Window& w, UINT message, WPARAM wParam, LPARAM lParam);
void notifyParent(HWND control, UINT code);
// Runs a call that came from Qt (real input, a timer): a C++ exception escaping module code is
// reported instead of unwinding through Qt.
template <class F>
void guarded(F&& f);
void reportEscapedException();

// ---- creation -------------------------------------------------------------------------------------
HWND createChild(Kind kind, HWND parent, int id, const wchar_t* text, DWORD style, CRect rect,
                 int droppedHeight = 0);
HWND createTopLevel(Kind kind, HWND owner, const wchar_t* caption, DWORD style, CPoint origin, CSize client,
                    HMENU menu);
void buildChildWidget(Window& w, QWidget* parentWidget);
void buildFrameWidget(Window& w, QWidget* ownerFrame);
void layoutFrame(Window& w);
QFont dialogFont();
void countWidget(QWidget* widget);
// Deletes a widget now (headless) or once control is back in the event loop (desktop), since it
// may be deleted from inside one of its own signals.
void disposeWidget(QWidget* widget);

// ---- state and widgets -----------------------------------------------------------------------
void setText(Window& w, const std::wstring& text, bool notify);
void syncWidget(Window& w);          // control state to its Qt widget
void syncGeometry(Window& w);
void setChildRect(Window& w, CRect rect);        // move/resize a child (WM_SIZE if the size changed)
// Resizes a top-level's client area; WM_SIZE (with `type`) when the size changed.
void setTopLevelClient(Window& w, CSize client, UINT type = SIZE_RESTORED);
void setTopLevelRect(Window& w, CRect rect);
void setVisible(Window& w, bool visible);
void invalidateTree(Window& w);
int clampScrollPos(const SCROLLINFO& si, int pos);
bool clickButtonCore(Window& b);
void selectComboCore(Window& c, int index);
void typeTextCore(Window& w, const std::wstring& text);
bool upDownCore(Window& ud, int delta);
// The delta an arrow click gives: the up or right arrow moves toward the upper end of the range.
int upDownArrowDelta(const Window& ud, bool upOrRight);
void sendScroll(Window& bar, int code, int pos);
void mouseCore(Window& source, UINT message, CPoint clientPoint, UINT flags);
CPoint clientScreenOrigin(const Window& w);
void updateFrameIcon(Window& w);

// ---- paint ------------------------------------------------------------------------------------
void invalidate(Window& w, const RECT* rect, bool erase);
std::shared_ptr<gdi::Surface> ensureSurface(Window& w);
void resizeSurface(Window& w);
// BeginPaint without a DC: validates and erases the surface if asked (WM_ERASEBKGND first).
void beginPaint(Window& w, HDC dc, PAINTSTRUCT* ps);
void endPaint(HWND hwnd, const PAINTSTRUCT* ps);
void schedulePump();
int pumpPaints();
// WM_PAINT to one window, unless its own WM_PAINT is still running (a nested message loop or a
// handler that pumps): it is then left invalid for a later pump. False when nothing was sent.
bool deliverPaint(HWND hwnd);
// A top-level window comes to the foreground (SetForegroundWindow, or the desktop activates it).
void bringToForeground(HWND hwnd);
void fillFace(Window& w, const CRect& rect);

// ---- timers -----------------------------------------------------------------------------------
UINT_PTR setTimer(Window& w, UINT_PTR id, UINT ms, TIMERPROC proc);
bool killTimer(Window& w, UINT_PTR id);
void killAllTimers(Window& w);
void fireTimer(HWND hwnd, UINT_PTR id);

// ---- menus ---------------------------------------------------------------------------------------
HMENU newMenu(bool popup);
HMENU menuFromTemplate(const res::MenuTemplate& tmpl);
void destroyMenu(HMENU menu);
MenuItem* findMenuItem(HMENU menu, UINT id, UINT flags, HMENU* owner = nullptr);
void buildMenuBar(Window& w);
void syncMenuItem(MenuItem& item);

// ---- resources and icons -----------------------------------------------------------------------
bool isIcon(HICON icon);
QImage iconImage(HICON icon);

// ---- message boxes -------------------------------------------------------------------------------
int messageBox(const wchar_t* text, const wchar_t* caption, UINT type);

template <class F>
void guarded(F&& f)
{
    try {
        f();
    } catch (...) {
        reportEscapedException();
    }
}

// A coordinate moved by an offset, held within LONG: callers may pass any point.
inline LONG offsetCoord(LONG v, long long by)
{
    const long long r = static_cast<long long>(v) + by;
    return static_cast<LONG>(r < INT32_MIN ? INT32_MIN : (r > INT32_MAX ? INT32_MAX : r));
}

inline std::uintptr_t key(HWND h) { return reinterpret_cast<std::uintptr_t>(h); }
inline std::uintptr_t key(HMENU h) { return reinterpret_cast<std::uintptr_t>(h); }

}  // namespace cxc::wnd
