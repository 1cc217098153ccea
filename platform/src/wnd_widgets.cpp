// The Qt widgets of the windows: a frame per top-level window (menu bar outside the client area),
// our own widget for client areas, statics and plain windows (they show their client surface),
// Qt's controls for buttons, edits, combo boxes and scroll bars, and a small up-down control. Real
// input on them becomes the messages Windows would send; program changes reach them through
// syncWidget with their signals blocked, so they never echo back.
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

#include "wnd_internal.h"

namespace cxc::wnd {

namespace {

constexpr DWORD kEditAlignMask = 0x0003;  // ES_LEFT, ES_CENTER or ES_RIGHT
constexpr DWORD kComboTypeMask = 0x0003;  // CBS_SIMPLE, CBS_DROPDOWN or CBS_DROPDOWNLIST

QString qs(const std::wstring& s) { return QString::fromStdWString(s); }
QColor qcolor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

UINT mouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    UINT f = 0;
    if (buttons & Qt::LeftButton) f |= MK_LBUTTON;
    if (buttons & Qt::RightButton) f |= MK_RBUTTON;
    if (mods & Qt::ShiftModifier) f |= MK_SHIFT;
    if (mods & Qt::ControlModifier) f |= MK_CONTROL;
    return f;
}

void applyFacePalette(QWidget* w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, qcolor(kFaceColour));
    pal.setColor(QPalette::Button, qcolor(kFaceColour));
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    w->setPalette(pal);
}

// Client areas, statics and plain windows.
class WndWidget : public QWidget {
public:
    WndWidget(HWND h, QWidget* parent) : QWidget(parent), h_(h)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        Window* w = wnd::find(h_);
        if (!w) return;
        QPainter p(this);
        const QRect client(w->clientOffset.x, w->clientOffset.y, w->clientSize.cx, w->clientSize.cy);
        const bool drawn = w->surface && !w->surface->image.isNull();
        if (w->kind != Kind::Static) p.fillRect(rect(), qcolor(kFaceColour));
        if (drawn && !w->figureHole) {
            p.setClipRect(client);
            p.drawImage(client.topLeft(), w->surface->image);
            p.setClipping(false);
        } else if (!drawn && w->kind == Kind::Static && !w->text.empty()) {
            int flags = Qt::AlignTop | Qt::TextWordWrap;
            const DWORD align = w->style & SS_TYPEMASK;
            if (align == SS_CENTER) flags |= Qt::AlignHCenter;
            else if (align == SS_RIGHT) flags |= Qt::AlignRight;
            else flags |= Qt::AlignLeft;
            if (align == SS_LEFTNOWORDWRAP) flags &= ~Qt::TextWordWrap;
            if (!(w->style & SS_NOPREFIX)) flags |= Qt::TextShowMnemonic;  // '&' marks a mnemonic
            p.setPen(w->enabled ? QColor(Qt::black) : QColor(0x6D, 0x6D, 0x6D));
            p.drawText(client, flags, qs(w->text));
        }
        if (w->clientOffset.x > 0) {
            p.setPen(QColor(100, 100, 100));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton) route(WM_LBUTTONDOWN, e);
    }
    void mouseMoveEvent(QMouseEvent* e) override { route(WM_MOUSEMOVE, e); }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton) route(WM_LBUTTONUP, e);
    }

private:
    void route(UINT message, QMouseEvent* e)
    {
        const HWND h = h_;
        const QPoint local = e->position().toPoint();
        const UINT flags = mouseFlags(e->buttons(), e->modifiers());
        guarded([&] {
            if (Window* w = wnd::find(h))
                mouseCore(*w, message, CPoint(local.x() - w->clientOffset.x, local.y() - w->clientOffset.y), flags);
        });
    }
    HWND h_;
};

// Top-level windows: the caption's close box, user resizing and the dialog keys.
class FrameWidget : public QWidget {
public:
    FrameWidget(HWND h, QWidget* owner, Qt::WindowFlags flags) : QWidget(owner, flags), h_(h) {}

protected:
    void changeEvent(QEvent* e) override
    {
        // The window the user activates is the foreground window, as on Windows.
        if (e->type() == QEvent::ActivationChange && isActiveWindow() && !headless()) bringToForeground(h_);
        QWidget::changeEvent(e);
    }
    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        const HWND h = h_;
        guarded([&] { send(h, WM_CLOSE); });
    }
    void resizeEvent(QResizeEvent*) override
    {
        if (headless()) return;
        const HWND h = h_;
        guarded([&] {
            Window* w = wnd::find(h);
            if (!w) return;
            const CSize client(width(), std::max(0, height() - w->menuHeight));
            const UINT type = isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
            if (client != w->clientSize) setTopLevelClient(*w, client, type);
            else layoutFrame(*w);
        });
    }
    void moveEvent(QMoveEvent*) override
    {
        if (headless()) return;
        if (Window* w = wnd::find(h_)) {
            const QPoint p = pos();
            w->rect = CRect(p.x(), p.y(), p.x() + w->rect.Width(), p.y() + w->rect.Height());
        }
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        const HWND h = h_;
        Window* w = wnd::find(h);
        if (!w || w->kind != Kind::Dialog) {
            QWidget::keyPressEvent(e);
            return;
        }
        if (e->key() == Qt::Key_Escape) {
            guarded([&] { send(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
            return;
        }
        // Enter presses the dialog's OK button when it has one; the map dialogs have none and
        // must not vanish when a value is typed and confirmed.
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            if (Window* ok = childById(*w, IDOK); ok && isEnabledForInput(*ok)) {
                const HWND okh = ok->handle;
                guarded([&] { send(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(okh)); });
            }
            return;
        }
        QWidget::keyPressEvent(e);
    }

private:
    HWND h_;
};

// Up-down control: two arrow buttons, side by side with UDS_HORZ, else stacked.
class UpDownWidget : public QWidget {
public:
    UpDownWidget(HWND h, QWidget* parent) : QWidget(parent), h_(h) { setFocusPolicy(Qt::ClickFocus); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        Window* w = wnd::find(h_);
        if (!w) return;
        const bool horizontal = (w->style & UDS_HORZ) != 0;
        QPainter p(this);
        for (int half = 0; half < 2; ++half) {
            QStyleOptionButton opt;
            opt.initFrom(this);
            opt.rect = halfRect(horizontal, half);
            opt.state |= (pressed_ == half) ? QStyle::State_Sunken : QStyle::State_Raised;
            style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
            QStyleOption arrow;
            arrow.initFrom(this);
            arrow.rect = opt.rect.adjusted(2, 2, -2, -2);
            const QStyle::PrimitiveElement pe =
                horizontal ? (half == 0 ? QStyle::PE_IndicatorArrowLeft : QStyle::PE_IndicatorArrowRight)
                           : (half == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown);
            style()->drawPrimitive(pe, &arrow, &p, this);
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        Window* w = wnd::find(h_);
        if (!w || e->button() != Qt::LeftButton) return;
        const bool horizontal = (w->style & UDS_HORZ) != 0;
        const QPoint pt = e->position().toPoint();
        const int half = horizontal ? (pt.x() < width() / 2 ? 0 : 1) : (pt.y() < height() / 2 ? 0 : 1);
        pressed_ = half;
        update();
        step(horizontal ? half == 1 : half == 0);  // the up or the right arrow
    }
    void mouseReleaseEvent(QMouseEvent*) override
    {
        pressed_ = -1;
        update();
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        Window* w = wnd::find(h_);
        if (!w || !(w->style & UDS_ARROWKEYS)) {
            QWidget::keyPressEvent(e);
            return;
        }
        if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Right) step(true);
        else if (e->key() == Qt::Key_Down || e->key() == Qt::Key_Left) step(false);
        else QWidget::keyPressEvent(e);
    }

private:
    QRect halfRect(bool horizontal, int half) const
    {
        if (horizontal) {
            const int mid = width() / 2;
            return half == 0 ? QRect(0, 0, mid, height()) : QRect(mid, 0, width() - mid, height());
        }
        const int mid = height() / 2;
        return half == 0 ? QRect(0, 0, width(), mid) : QRect(0, mid, width(), height() - mid);
    }
    void step(bool upOrRight)
    {
        const HWND h = h_;
        guarded([&] {
            Window* w = wnd::find(h);
            if (!w || !isEnabledForInput(*w)) return;
            upDownCore(*w, upDownArrowDelta(*w, upOrRight));
        });
    }
    HWND h_;
    int pressed_ = -1;
};

int scrollCodeOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return -1;
    }
}

}  // namespace

QFont dialogFont()
{
    // "MS Sans Serif" 8 / "MS Shell Dlg" 8: an 11-pixel sans cell, drawn without antialiasing as
    // the bitmap font was.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void buildFrameWidget(Window& w, QWidget* ownerFrame)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (w.style & WS_CAPTION) flags |= Qt::WindowTitleHint;
    if (w.style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (w.style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (w.style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
    auto* frame = new FrameWidget(w.handle, ownerFrame, flags);
    countWidget(frame);
    applyFacePalette(frame);
    frame->setFont(dialogFont());
    frame->setAutoFillBackground(true);
    frame->setWindowTitle(qs(w.text));
    auto* client = new WndWidget(w.handle, frame);
    countWidget(client);
    client->setAutoFillBackground(true);
    w.frame = frame;
    w.widget = client;
    buildMenuBar(w);
}

void layoutFrame(Window& w)
{
    if (w.child) return;
    const int cx = w.clientSize.cx;
    const int cy = w.clientSize.cy;
    int menuH = 0;
    if (w.menuBar) {
        const int hfw = w.menuBar->heightForWidth(cx);
        menuH = hfw > 0 ? hfw : w.menuBar->sizeHint().height();
        w.menuBar->setGeometry(0, 0, cx, menuH);
    }
    w.menuHeight = menuH;
    w.clientOffset = CPoint(0, menuH);
    w.rect = CRect(w.rect.left, w.rect.top, w.rect.left + cx, w.rect.top + menuH + cy);
    if (w.widget) w.widget->setGeometry(0, menuH, cx, cy);
    if (w.frame) {
        const QSize size(cx, cy + menuH);
        if (!(w.style & WS_THICKFRAME)) w.frame->setFixedSize(size);
        else if (w.frame->size() != size) w.frame->resize(size);
    }
}

void buildChildWidget(Window& w, QWidget* parentWidget)
{
    const HWND h = w.handle;
    QWidget* widget = nullptr;
    switch (w.kind) {
    case Kind::PushButton: {
        auto* b = new QPushButton(parentWidget);
        b->setAutoDefault(false);
        b->setDefault((w.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        QObject::connect(b, &QPushButton::clicked, [h] {
            guarded([h] {
                if (Window* x = wnd::find(h)) clickButtonCore(*x);
            });
        });
        widget = b;
        break;
    }
    case Kind::CheckBox: {
        auto* b = new QCheckBox(parentWidget);
        b->setTristate((w.style & BS_TYPEMASK) == BS_3STATE || (w.style & BS_TYPEMASK) == BS_AUTO3STATE);
        QObject::connect(b, &QCheckBox::clicked, [h] {
            guarded([h] {
                if (Window* x = wnd::find(h)) clickButtonCore(*x);
            });
        });
        widget = b;
        break;
    }
    case Kind::RadioButton: {
        auto* b = new QRadioButton(parentWidget);
        b->setAutoExclusive(false);  // groups follow WS_GROUP in template order, not Qt's parents
        QObject::connect(b, &QRadioButton::clicked, [h] {
            guarded([h] {
                if (Window* x = wnd::find(h)) clickButtonCore(*x);
            });
        });
        widget = b;
        break;
    }
    case Kind::GroupBox: {
        auto* g = new QGroupBox(parentWidget);
        if ((w.style & BS_CENTER) == BS_CENTER) g->setAlignment(Qt::AlignHCenter);
        g->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = g;
        break;
    }
    case Kind::Edit: {
        auto* e = new QLineEdit(parentWidget);
        if (w.style & ES_READONLY) e->setReadOnly(true);
        if ((w.style & kEditAlignMask) == ES_CENTER) e->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        else if ((w.style & kEditAlignMask) == ES_RIGHT) e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QObject::connect(e, &QLineEdit::textEdited, [h](const QString& t) {
            guarded([&] {
                if (Window* x = wnd::find(h)) setText(*x, t.toStdWString(), true);
            });
        });
        widget = e;
        break;
    }
    case Kind::ComboBox: {
        auto* c = new QComboBox(parentWidget);
        c->setEditable((w.style & kComboTypeMask) == CBS_DROPDOWN);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMaxVisibleItems(std::max(1, (w.droppedHeight - kComboHeight) / 13));
        if (c->isEditable()) {
            c->setCompleter(nullptr);
            QObject::connect(c->lineEdit(), &QLineEdit::textEdited, [h](const QString& t) {
                guarded([&] {
                    if (Window* x = wnd::find(h)) typeTextCore(*x, t.toStdWString());
                });
            });
        }
        QObject::connect(c, &QComboBox::activated, [h](int index) {
            guarded([&] {
                Window* x = wnd::find(h);
                if (!x) return;
                selectComboCore(*x, index);
                notifyParent(h, CBN_SELCHANGE);
            });
        });
        widget = c;
        break;
    }
    case Kind::ScrollBar: {
        auto* s = new QScrollBar((w.style & SBS_VERT) ? Qt::Vertical : Qt::Horizontal, parentWidget);
        // The bar reports what the user did and goes back to where its parent puts it.
        QObject::connect(s, &QAbstractSlider::actionTriggered, [h, s](int action) {
            const int code = scrollCodeOf(action);
            if (code < 0) return;
            const int thumb = s->sliderPosition();
            guarded([&] {
                Window* x = wnd::find(h);
                if (!x) return;
                sendScroll(*x, code, thumb);
                if (code != SB_THUMBTRACK) {
                    if ((x = wnd::find(h))) sendScroll(*x, SB_ENDSCROLL, 0);
                    if ((x = wnd::find(h))) s->setSliderPosition(x->scroll.nPos);
                }
            });
        });
        QObject::connect(s, &QAbstractSlider::sliderReleased, [h, s] {
            const int thumb = s->sliderPosition();
            guarded([&] {
                Window* x = wnd::find(h);
                if (!x) return;
                sendScroll(*x, SB_THUMBPOSITION, thumb);
                if ((x = wnd::find(h))) sendScroll(*x, SB_ENDSCROLL, 0);
                if ((x = wnd::find(h))) syncWidget(*x);
            });
        });
        widget = s;
        break;
    }
    case Kind::UpDown: widget = new UpDownWidget(h, parentWidget); break;
    default: widget = new WndWidget(h, parentWidget); break;
    }
    countWidget(widget);
    w.widget = widget;
    w.frame = widget;
    syncGeometry(w);
    syncWidget(w);
    widget->setVisible(w.visible);
}

void syncGeometry(Window& w)
{
    if (w.child && w.widget) w.widget->setGeometry(w.rect.left, w.rect.top, w.rect.Width(), w.rect.Height());
}

void syncWidget(Window& w)
{
    QWidget* widget = w.child ? w.widget.data() : w.frame.data();
    if (!widget) return;
    const QSignalBlocker block(widget);
    widget->setEnabled(w.enabled);
    const QString text = qs(w.text);
    switch (w.kind) {
    case Kind::PushButton: static_cast<QPushButton*>(widget)->setText(text); break;
    case Kind::CheckBox: {
        auto* b = static_cast<QCheckBox*>(widget);
        b->setText(text);
        b->setCheckState(w.check == BST_CHECKED ? Qt::Checked
                                                : (w.check == BST_INDETERMINATE ? Qt::PartiallyChecked : Qt::Unchecked));
        break;
    }
    case Kind::RadioButton: {
        auto* b = static_cast<QRadioButton*>(widget);
        b->setText(text);
        b->setChecked(w.check == BST_CHECKED);
        break;
    }
    case Kind::GroupBox: static_cast<QGroupBox*>(widget)->setTitle(text); break;
    case Kind::Edit: {
        auto* e = static_cast<QLineEdit*>(widget);
        if (e->text() != text) {
            e->setText(text);
            e->setCursorPosition(0);  // as an edit shows a text set by the program: from its start
        }
        break;
    }
    case Kind::ComboBox: {
        auto* c = static_cast<QComboBox*>(widget);
        // Lists are filled one AddString at a time: the items that still match stay, so filling a
        // list of n items costs n additions, not n * n.
        const int want = static_cast<int>(w.items.size());
        int keep = 0;
        while (keep < c->count() && keep < want && c->itemText(keep) == qs(w.items[static_cast<size_t>(keep)])) ++keep;
        while (c->count() > keep) c->removeItem(c->count() - 1);
        for (int i = keep; i < want; ++i) c->addItem(qs(w.items[static_cast<size_t>(i)]));
        c->setCurrentIndex(w.curSel);
        if (c->isEditable() && c->lineEdit() && c->lineEdit()->text() != text) c->lineEdit()->setText(text);
        break;
    }
    case Kind::ScrollBar: {
        auto* s = static_cast<QScrollBar*>(widget);
        const SCROLLINFO& si = w.scroll;
        s->setRange(si.nMin, clampScrollPos(si, INT_MAX));
        s->setPageStep(static_cast<int>(std::clamp<UINT>(si.nPage, 1, INT_MAX)));
        s->setSingleStep(1);
        s->setValue(si.nPos);
        break;
    }
    case Kind::Dialog:
    case Kind::TopLevel: widget->setWindowTitle(text); break;
    default: widget->update(); break;
    }
}

void setChildRect(Window& w, CRect rect)
{
    rect.left = std::clamp<LONG>(rect.left, -kMaxCoord - 1, kMaxCoord);
    rect.top = std::clamp<LONG>(rect.top, -kMaxCoord - 1, kMaxCoord);
    rect.right = std::clamp<LONG>(std::max(rect.right, rect.left), -kMaxCoord - 1, kMaxCoord);
    rect.bottom = std::clamp<LONG>(std::max(rect.bottom, rect.top), -kMaxCoord - 1, kMaxCoord);
    if (w.kind == Kind::ComboBox) {
        // The list's height changes; the box keeps the height of its edit field.
        w.droppedHeight = rect.Height();
        rect.bottom = std::min<LONG>(rect.top + kComboHeight, kMaxCoord);
    }
    const CSize old = w.clientSize;
    const int inset = w.clientOffset.x;
    w.rect = rect;
    w.clientSize = CSize(std::max(0, rect.Width() - 2 * inset), std::max(0, rect.Height() - 2 * inset));
    syncGeometry(w);
    if (w.clientSize == old) return;
    resizeSurface(w);
    invalidate(w, nullptr, true);
    send(w.handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w.clientSize.cx, w.clientSize.cy));
}

void setTopLevelClient(Window& w, CSize client, UINT type)
{
    client = CSize(std::clamp<int>(client.cx, 0, kMaxCoord), std::clamp<int>(client.cy, 0, kMaxCoord));
    const bool changed = client != w.clientSize;
    w.clientSize = client;
    layoutFrame(w);
    if (!changed) return;
    resizeSurface(w);
    invalidate(w, nullptr, true);
    send(w.handle, WM_SIZE, type, MAKELPARAM(client.cx, client.cy));
}

void setTopLevelRect(Window& w, CRect rect)
{
    rect.NormalizeRect();
    const int left = std::clamp<LONG>(rect.left, -kMaxCoord - 1, kMaxCoord);
    const int top = std::clamp<LONG>(rect.top, -kMaxCoord - 1, kMaxCoord);
    w.rect = CRect(left, top, left + w.rect.Width(), top + w.rect.Height());
    if (!headless() && w.frame) w.frame->move(left, top);
    setTopLevelClient(w, CSize(rect.Width(), std::max(0, rect.Height() - w.menuHeight)));
}

void setVisible(Window& w, bool visible)
{
    if (w.visible == visible) return;
    w.visible = visible;
    if (w.child) {
        if (w.widget) w.widget->setVisible(visible);
    } else if (!headless() && w.frame) {
        w.frame->setVisible(visible);
    }
    if (visible) invalidateTree(w);
}

void invalidateTree(Window& w)
{
    invalidate(w, nullptr, true);
    for (HWND c : w.children)
        if (Window* x = wnd::find(c)) invalidateTree(*x);
}

void mouseCore(Window& source, UINT message, CPoint point, UINT flags)
{
    auto mapTo = [](const Window& from, const Window& to, CPoint p) {
        const CPoint a = clientScreenOrigin(from);
        const CPoint b = clientScreenOrigin(to);
        return CPoint(offsetCoord(p.x, static_cast<long long>(a.x) - b.x), offsetCoord(p.y, static_cast<long long>(a.y) - b.y));
    };
    Window* target = &source;
    if (Window* cap = wnd::find(core().capture)) {
        point = mapTo(source, *cap, point);
        target = cap;
    } else {
        // A static without SS_NOTIFY is transparent: the click belongs to the window beneath.
        while (target->child && isTransparentToMouse(*target)) {
            Window* p = wnd::find(target->parent);
            if (!p) break;
            point = mapTo(*target, *p, point);
            target = p;
        }
        if (!isEnabledForInput(*target)) return;
    }
    send(target->handle, message, flags, MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

void updateFrameIcon(Window& w)
{
    if (headless() || w.child || !w.frame) return;
    HICON icon = w.bigIcon ? w.bigIcon : w.smallIcon;
    w.frame->setWindowIcon(icon ? QIcon(QPixmap::fromImage(iconImage(icon))) : QIcon());
}

}  // namespace cxc::wnd
