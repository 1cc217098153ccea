// Driving and reading windows without a display: the paint pump and virtual clock of headless
// use, user input as the messages Windows would send, readers of what a user sees, the message box
// log and injected faults. Builds on cxcwnd.h; no Qt type appears here.
//
// Input functions deliver their messages synchronously and return false (sending nothing) when the
// target is missing, of the wrong kind, hidden itself or disabled (with its parents), as a user could
// not reach it. A dialog need not be shown to be driven. They do not paint: pumpPaints() (or
// advanceTime) delivers what they invalidated.
#pragma once

#include <memory>
#include <vector>

#include "afxwin.h"

namespace cxc::harness {

// ---- pictures ------------------------------------------------------------------------------------

// A copy of a window's pixels (32-bit, opaque).
class Image {
public:
    Image();
    ~Image();
    Image(const Image&);
    Image& operator=(const Image&);

    bool isNull() const;
    int width() const;
    int height() const;
    COLORREF pixel(int x, int y) const;  // 0xFFFFFFFF outside the image
    bool writePng(const char* path) const;

    struct Data;
    explicit Image(std::shared_ptr<Data> data);

private:
    std::shared_ptr<Data> d_;
};

// What the window's WM_PAINT drew: its client surface (null before the first paint).
Image clientSurface(CWnd* window);
// The window as a user sees it: a dialog with its menu bar and every control drawn by Qt, views
// showing their client surfaces. Child windows render their own area only.
Image render(CWnd* window);
bool writePng(CWnd* window, const char* path);

// ---- pump and time -------------------------------------------------------------------------------

// Delivers WM_PAINT (with WM_ERASEBKGND inside BeginPaint) to every visible invalidated window,
// parents before children, each at most once; returns how many were painted.
int pumpPaints();
bool needsPaint(CWnd* window);
// The virtual clock: fires the due timers in time order (one WM_TIMER per period), pumping paints
// after each, and ends at now() + ms.
void advanceTime(unsigned ms);
long long now();
// WM_TIMER for a running timer now; false when the window has no such timer.
bool fireTimer(CWnd* window, UINT_PTR id);
struct TimerInfo {
    UINT_PTR id;
    unsigned periodMs;
    long long dueMs;  // virtual time of the next tick
};
std::vector<TimerInfo> pendingTimers(CWnd* window);
bool timerRunning(CWnd* window, UINT_PTR id);

// ---- user input --------------------------------------------------------------------------------

// A click on any button: an auto check box toggles, an auto radio button checks itself and clears
// the rest of its group; then BN_CLICKED.
bool clickButton(CWnd* dialog, int id);
bool clickCheck(CWnd* dialog, int id);  // auto check boxes only
bool clickRadio(CWnd* dialog, int id);  // auto radio buttons only
// Chooses item `index` in the list and sends CBN_SELCHANGE.
bool selectCombo(CWnd* dialog, int id, int index);
// Replaces the text of an edit (or a combo box's edit) as typing would; EN_CHANGE when it changed.
bool typeText(CWnd* dialog, int id, const wchar_t* text);
// An arrow click: UDN_DELTAPOS with iDelta; then, if the parent allowed it and the position moved,
// WM_HSCROLL/WM_VSCROLL SB_THUMBPOSITION and SB_ENDSCROLL. Returns false if not delivered.
bool upDown(CWnd* dialog, int id, int delta);
// A click on the up (vertical) or right (UDS_HORZ) arrow, or on the other one: the delta follows the
// control's range, so with the default range the up or right arrow gives -1.
bool clickUpDownArrow(CWnd* dialog, int id, bool upOrRight);
// WM_HSCROLL (or WM_VSCROLL for a vertical bar) from scroll bar `id` with that code and thumb pos.
bool hscroll(CWnd* dialog, int id, int code, int pos = 0);
// WM_INITMENU with the menu bar, then WM_COMMAND with the item's id (refused for a missing or
// greyed item).
bool menuCommand(CWnd* dialog, UINT id);
// The left button at a point of the dialog's client area; with a capture the message goes to the
// capture window at the same screen point.
bool mouseDown(CWnd* dialog, POINT ptDialogClient);
bool mouseMove(CWnd* dialog, POINT ptDialogClient);
bool mouseUp(CWnd* dialog, POINT ptDialogClient);
// Press and release at a point of a control's client area: a static without SS_NOTIFY passes the
// click to its parent at the same screen point; a button is clicked.
bool clickInControl(CWnd* dialog, int id, POINT ptControlClient);
// Resizes a top-level window's client area (WM_SIZE).
bool resize(CWnd* window, int cx, int cy);
// The close box of the caption (WM_CLOSE).
bool closeBox(CWnd* window);

// ---- reading -----------------------------------------------------------------------------------

CString text(CWnd* dialog, int id);
CString caption(CWnd* window);
int check(CWnd* dialog, int id);  // BST_*, or -1 when there is no such button
std::vector<CString> comboItems(CWnd* dialog, int id);
int comboSel(CWnd* dialog, int id);  // CB_ERR when none
SCROLLINFO scrollInfo(CWnd* dialog, int id);
int upDownPos(CWnd* dialog, int id);
bool enabled(CWnd* window);
bool enabled(CWnd* dialog, int id);
bool visible(CWnd* window);  // IsWindowVisible
bool visible(CWnd* dialog, int id);
UINT bigIcon(CWnd* window);   // resource id of the big icon, 0 without one
UINT smallIcon(CWnd* window);
int menuChecked(CWnd* dialog, UINT id);  // 1 checked, 0 not, -1 no such item
HWND foreground();
// Top-level windows in the order they last came to the foreground, the latest first.
std::vector<HWND> foregroundOrder();
CWnd* capture();
CRect windowRect(CWnd* window);  // screen (top-level) or parent-client (child) coordinates
CRect clientRect(CWnd* window);
// A control's window rectangle in its dialog's client coordinates; empty when missing.
CRect controlRect(CWnd* dialog, int id);
HWND controlHandle(CWnd* dialog, int id);
// Every window handle of the dialog's controls in template order.
std::vector<HWND> children(CWnd* window);
int waitCursorDepth();

// ---- logs and faults -----------------------------------------------------------------------------

struct MessageBoxRecord {
    CString text;
    UINT type;
};
const std::vector<MessageBoxRecord>& messageBoxes();
void clearMessageBoxes();
// The answer of every later headless message box (IDOK until changed or reset).
void setMessageBoxAnswer(int answer);
// The next CDialog::Create of that template fails as if the template were missing.
void failNextCreate(UINT templateId);
// Back to the start state: destroys the windows that are left, clears the log, the answer, the
// injected failures, the capture and the foreground window, and sets the clock to 0.
void resetPlatform();

}  // namespace cxc::harness
