// The headless harness: paint pump, virtual clock, user input, readers, pictures, the message box
// log and injected faults.
#include <QMenuBar>
#include <QPainter>

#include <algorithm>

#include "cxcharness.h"
#include "wnd_internal.h"

using namespace cxc::wnd;

namespace cxc::harness {

// ---- pictures ------------------------------------------------------------------------------------

Image::Image() = default;
Image::~Image() = default;
Image::Image(const Image&) = default;
Image& Image::operator=(const Image&) = default;
Image::Image(std::shared_ptr<Data> data) : d_(std::move(data)) {}

bool Image::isNull() const { return !d_ || d_->image.isNull(); }
int Image::width() const { return d_ ? d_->image.width() : 0; }
int Image::height() const { return d_ ? d_->image.height() : 0; }

COLORREF Image::pixel(int x, int y) const
{
    if (!d_ || x < 0 || y < 0 || x >= d_->image.width() || y >= d_->image.height()) return 0xFFFFFFFFu;
    return gdi::fromPixel(d_->image.pixel(x, y));
}

bool Image::writePng(const char* path) const { return d_ && path && !d_->image.isNull() && d_->image.save(QString::fromUtf8(path), "PNG"); }

namespace {
Window* windowOf(CWnd* w) { return w ? find(w->m_hWnd) : nullptr; }

Window* control(CWnd* dialog, int id)
{
    Window* d = windowOf(dialog);
    return d ? childById(*d, id) : nullptr;
}

// What a user can reach: a control that is shown itself and enabled with all its parents.
bool reachable(const Window& c) { return (!c.child || c.visible) && isEnabledForInput(c); }

Image wrap(QImage image)
{
    auto d = std::make_shared<Image::Data>();
    d->image = std::move(image);
    return Image(std::move(d));
}
}  // namespace

Image clientSurface(CWnd* window)
{
    Window* w = windowOf(window);
    if (!w || !w->surface) return Image();
    return wrap(w->surface->image.copy());
}

Image render(CWnd* window)
{
    Window* w = windowOf(window);
    if (!w || !w->widget) return Image();
    if (w->child) {
        QWidget* widget = w->widget;
        if (w->rect.Width() <= 0 || w->rect.Height() <= 0) return Image();
        QImage img(w->rect.Width(), w->rect.Height(), QImage::Format_RGB32);
        img.fill(gdi::toPixel(kFaceColour));
        QPainter p(&img);
        widget->render(&p, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
        p.end();
        return wrap(img);
    }
    const int cx = w->clientSize.cx;
    const int cy = w->clientSize.cy + w->menuHeight;
    if (cx <= 0 || cy <= 0) return Image();
    QImage img(cx, cy, QImage::Format_RGB32);
    img.fill(gdi::toPixel(kFaceColour));
    QPainter p(&img);
    if (w->menuBar) w->menuBar->render(&p, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
    w->widget->render(&p, QPoint(0, w->menuHeight), QRegion(), QWidget::DrawChildren);
    p.end();
    return wrap(img);
}

bool writePng(CWnd* window, const char* path) { return render(window).writePng(path); }

// ---- pump and time -------------------------------------------------------------------------------

int pumpPaints() { return cxc::wnd::pumpPaints(); }

bool needsPaint(CWnd* window)
{
    Window* w = windowOf(window);
    return w && w->invalid;
}

void advanceTime(unsigned ms)
{
    Core& c = core();
    if (c.advancing) return;  // a handler cannot run the clock from inside a tick
    c.advancing = true;
    const long long target = c.now + ms;
    for (;;) {
        HWND due = nullptr;
        UINT_PTR dueId = 0;
        long long dueAt = 0;
        std::uint64_t dueSeq = 0;
        for (auto& [k, w] : c.windows) {
            for (auto& [id, t] : w->timers) {
                if (t.due > target) continue;
                if (!due || t.due < dueAt || (t.due == dueAt && t.seq < dueSeq)) {
                    due = w->handle;
                    dueId = id;
                    dueAt = t.due;
                    dueSeq = t.seq;
                }
            }
        }
        if (!due) break;
        c.now = dueAt;
        Timer& t = find(due)->timers[dueId];
        t.due = dueAt + t.period;
        cxc::wnd::fireTimer(due, dueId);
        cxc::wnd::pumpPaints();
    }
    c.now = target;
    c.advancing = false;
}

long long now() { return core().now; }

bool fireTimer(CWnd* window, UINT_PTR id)
{
    Window* w = windowOf(window);
    if (!w || !w->timers.count(id)) return false;
    cxc::wnd::fireTimer(w->handle, id);
    return true;
}

std::vector<TimerInfo> pendingTimers(CWnd* window)
{
    std::vector<TimerInfo> out;
    if (Window* w = windowOf(window))
        for (const auto& [id, t] : w->timers) out.push_back({id, t.period, t.due});
    return out;
}

bool timerRunning(CWnd* window, UINT_PTR id)
{
    Window* w = windowOf(window);
    return w && w->timers.count(id);
}

// ---- user input --------------------------------------------------------------------------------

bool clickButton(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    if (!c || !reachable(*c)) return false;
    if (c->kind != Kind::PushButton && c->kind != Kind::CheckBox && c->kind != Kind::RadioButton) return false;
    return clickButtonCore(*c);
}

bool clickCheck(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c && c->kind == Kind::CheckBox && clickButton(dialog, id);
}

bool clickRadio(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c && c->kind == Kind::RadioButton && clickButton(dialog, id);
}

bool selectCombo(CWnd* dialog, int id, int index)
{
    Window* c = control(dialog, id);
    if (!c || c->kind != Kind::ComboBox || !reachable(*c)) return false;
    if (index < 0 || index >= static_cast<int>(c->items.size())) return false;
    selectComboCore(*c, index);
    notifyParent(c->handle, CBN_SELCHANGE);
    return true;
}

bool typeText(CWnd* dialog, int id, const wchar_t* text)
{
    Window* c = control(dialog, id);
    if (!c || !reachable(*c)) return false;
    if (c->kind == Kind::Edit && (c->style & ES_READONLY)) return false;
    if (c->kind != Kind::Edit && !(c->kind == Kind::ComboBox && (c->style & 0x0003) == CBS_DROPDOWN)) return false;
    typeTextCore(*c, text ? text : L"");
    return true;
}

bool upDown(CWnd* dialog, int id, int delta)
{
    Window* c = control(dialog, id);
    if (!c || c->kind != Kind::UpDown || !reachable(*c)) return false;
    return upDownCore(*c, delta);
}

bool clickUpDownArrow(CWnd* dialog, int id, bool upOrRight)
{
    Window* c = control(dialog, id);
    if (!c || c->kind != Kind::UpDown || !reachable(*c)) return false;
    return upDownCore(*c, upDownArrowDelta(*c, upOrRight));
}

bool hscroll(CWnd* dialog, int id, int code, int pos)
{
    Window* c = control(dialog, id);
    if (!c || c->kind != Kind::ScrollBar || !reachable(*c)) return false;
    sendScroll(*c, code, pos);
    return true;
}

bool menuCommand(CWnd* dialog, UINT id)
{
    Window* d = windowOf(dialog);
    if (!d || d->child || !d->menu || !isEnabledForInput(*d)) return false;
    const MenuItem* item = findMenuItem(d->menu, id, MF_BYCOMMAND);
    if (!item || (item->flags & (MF_GRAYED | MF_DISABLED))) return false;
    const HWND h = d->handle;
    send(h, WM_INITMENU, reinterpret_cast<WPARAM>(d->menu), 0);
    if (!find(h)) return true;
    send(h, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
    return true;
}

namespace {
bool mouse(CWnd* dialog, UINT message, POINT pt)
{
    Window* d = windowOf(dialog);
    if (!d) return false;
    Core& c = core();
    if (message == WM_LBUTTONDOWN) c.mouseDown = true;
    else if (message == WM_LBUTTONUP) c.mouseDown = false;
    const UINT flags = (message != WM_LBUTTONUP && c.mouseDown) ? MK_LBUTTON : 0;
    Window* source = d;
    CPoint local(pt);
    if (!find(c.capture)) {
        // The window under the point: the first control in z (template) order that holds it.
        for (HWND h : d->children) {
            Window* ch = find(h);
            if (!ch || !ch->visible || !ch->rect.PtInRect(local)) continue;
            source = ch;
            local = CPoint(pt.x - ch->rect.left - ch->clientOffset.x, pt.y - ch->rect.top - ch->clientOffset.y);
            if (!isTransparentToMouse(*ch)) break;
            source = d;
            local = CPoint(pt);
        }
    }
    mouseCore(*source, message, local, flags);
    return true;
}
}  // namespace

bool mouseDown(CWnd* dialog, POINT pt) { return mouse(dialog, WM_LBUTTONDOWN, pt); }
bool mouseMove(CWnd* dialog, POINT pt) { return mouse(dialog, WM_MOUSEMOVE, pt); }
bool mouseUp(CWnd* dialog, POINT pt) { return mouse(dialog, WM_LBUTTONUP, pt); }

bool clickInControl(CWnd* dialog, int id, POINT pt)
{
    Window* c = control(dialog, id);
    if (!c || !reachable(*c)) return false;
    if (c->kind == Kind::PushButton || c->kind == Kind::CheckBox || c->kind == Kind::RadioButton)
        return clickButtonCore(*c);
    if (!isTransparentToMouse(*c)) return false;
    const HWND h = c->handle;
    core().mouseDown = true;
    mouseCore(*c, WM_LBUTTONDOWN, CPoint(pt), MK_LBUTTON);
    core().mouseDown = false;
    if (Window* again = find(h)) mouseCore(*again, WM_LBUTTONUP, CPoint(pt), 0);
    return true;
}

bool resize(CWnd* window, int cx, int cy)
{
    Window* w = windowOf(window);
    if (!w) return false;
    if (w->child) setChildRect(*w, CRect(w->rect.left, w->rect.top, w->rect.left + std::max(0, cx), w->rect.top + std::max(0, cy)));
    else setTopLevelClient(*w, CSize(cx, cy));
    return true;
}

bool closeBox(CWnd* window)
{
    Window* w = windowOf(window);
    if (!w || w->child || !(w->style & WS_SYSMENU)) return false;
    send(w->handle, WM_CLOSE);
    return true;
}

// ---- reading -----------------------------------------------------------------------------------

CString text(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c ? CString(c->text) : CString();
}

CString caption(CWnd* window)
{
    Window* w = windowOf(window);
    return w ? CString(w->text) : CString();
}

int check(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    if (!c || (c->kind != Kind::CheckBox && c->kind != Kind::RadioButton)) return -1;
    return c->check;
}

std::vector<CString> comboItems(CWnd* dialog, int id)
{
    std::vector<CString> out;
    if (Window* c = control(dialog, id); c && c->kind == Kind::ComboBox)
        for (const auto& s : c->items) out.emplace_back(s);
    return out;
}

int comboSel(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c && c->kind == Kind::ComboBox && c->curSel >= 0 ? c->curSel : CB_ERR;
}

SCROLLINFO scrollInfo(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c && c->kind == Kind::ScrollBar ? c->scroll : SCROLLINFO{};
}

int upDownPos(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c && c->kind == Kind::UpDown ? c->udPos : 0;
}

bool enabled(CWnd* window)
{
    Window* w = windowOf(window);
    return w && w->enabled;
}

bool enabled(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c && c->enabled;
}

bool visible(CWnd* window)
{
    Window* w = windowOf(window);
    return w && isVisible(*w);
}

bool visible(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c && isVisible(*c);
}

UINT bigIcon(CWnd* window)
{
    Window* w = windowOf(window);
    return w ? cxc::wnd::iconId(w->bigIcon) : 0;
}

UINT smallIcon(CWnd* window)
{
    Window* w = windowOf(window);
    return w ? cxc::wnd::iconId(w->smallIcon) : 0;
}

int menuChecked(CWnd* dialog, UINT id)
{
    Window* d = windowOf(dialog);
    const MenuItem* item = d ? findMenuItem(d->menu, id, MF_BYCOMMAND) : nullptr;
    if (!item) return -1;
    return (item->flags & MF_CHECKED) ? 1 : 0;
}

HWND foreground() { return find(core().foreground) ? core().foreground : nullptr; }

std::vector<HWND> foregroundOrder()
{
    std::vector<HWND> order;
    for (HWND h : core().foregroundOrder)
        if (find(h)) order.push_back(h);
    return order;
}

CWnd* capture() { return CWnd::GetCapture(); }

CRect windowRect(CWnd* window)
{
    Window* w = windowOf(window);
    return w ? w->rect : CRect();
}

CRect clientRect(CWnd* window)
{
    Window* w = windowOf(window);
    return w ? CRect(0, 0, w->clientSize.cx, w->clientSize.cy) : CRect();
}

CRect controlRect(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c ? c->rect : CRect();
}

HWND controlHandle(CWnd* dialog, int id)
{
    Window* c = control(dialog, id);
    return c ? c->handle : nullptr;
}

std::vector<HWND> children(CWnd* window)
{
    Window* w = windowOf(window);
    return w ? w->children : std::vector<HWND>();
}

int waitCursorDepth() { return core().waitDepth; }

// ---- logs and faults -----------------------------------------------------------------------------

const std::vector<MessageBoxRecord>& messageBoxes() { return core().messageLog; }
void clearMessageBoxes() { core().messageLog.clear(); }
void setMessageBoxAnswer(int answer) { core().messageBoxAnswer = answer; }
void failNextCreate(UINT templateId) { core().failNextCreate.insert(templateId); }

void resetPlatform()
{
    Core& c = core();
    for (HWND h : std::vector<HWND>(c.topLevels)) destroyWindow(h);
    c.messageLog.clear();
    c.messageBoxAnswer = IDOK;
    c.failNextCreate.clear();
    c.capture = nullptr;
    c.foreground = nullptr;
    c.foregroundOrder.clear();
    c.lockout = nullptr;
    c.now = 0;
    c.mouseDown = false;
}

}  // namespace cxc::harness
