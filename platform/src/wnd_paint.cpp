// Invalidation and painting: the update region of each window, its client surface, BeginPaint
// and EndPaint (CPaintDC), and the pump that delivers WM_PAINT. Invalidating only marks; headless
// the harness pumps, on a desktop the pump runs once the event loop is idle, as WM_PAINT does.
#include <QApplication>
#include <QPainter>

#include <algorithm>

#include "gdi_record.h"
#include "wnd_internal.h"

namespace cxc::wnd {

void invalidate(Window& w, const RECT* rect, bool erase)
{
    const CRect client(0, 0, w.clientSize.cx, w.clientSize.cy);
    CRect r = rect ? CRect(*rect) : client;
    r.NormalizeRect();
    CRect clipped;
    if (!clipped.IntersectRect(&r, &client)) {
        if (!rect && erase) w.erase = true;  // an empty window still takes the erase request
        return;
    }
    if (w.invalid && !w.update.IsRectEmpty()) {
        w.update = CRect(std::min(w.update.left, clipped.left), std::min(w.update.top, clipped.top),
                         std::max(w.update.right, clipped.right), std::max(w.update.bottom, clipped.bottom));
    } else {
        w.update = clipped;
    }
    w.invalid = true;
    w.erase = w.erase || erase;
    if (!headless()) {
        // Qt-drawn controls repaint themselves; windows with a surface wait for their WM_PAINT.
        if (w.kind != Kind::Static && w.kind != Kind::Window && w.kind != Kind::Dialog && w.kind != Kind::TopLevel) {
            if (w.widget) w.widget->update();
        }
        schedulePump();
    }
}

std::shared_ptr<gdi::Surface> ensureSurface(Window& w)
{
    if (!w.surface) {
        w.surface = std::make_shared<gdi::Surface>();
        const int cx = std::min<int>(w.clientSize.cx, kMaxSurfaceSide);
        const int cy = std::min<int>(w.clientSize.cy, kMaxSurfaceSide);
        if (cx > 0 && cy > 0) {
            w.surface->image = QImage(cx, cy, QImage::Format_RGB32);
            w.surface->image.fill(gdi::toPixel(kFaceColour));
        }
    }
    return w.surface;
}

void resizeSurface(Window& w)
{
    if (!w.surface) return;
    const int cx = std::min<int>(w.clientSize.cx, kMaxSurfaceSide);
    const int cy = std::min<int>(w.clientSize.cy, kMaxSurfaceSide);
    QImage& old = w.surface->image;
    if (old.width() == cx && old.height() == cy) return;
    QImage next;
    if (cx > 0 && cy > 0) {
        // The part that stays keeps its pixels; the new part is background until painted.
        next = QImage(cx, cy, QImage::Format_RGB32);
        next.fill(gdi::toPixel(kFaceColour));
        if (!old.isNull()) {
            QPainter p(&next);
            p.drawImage(0, 0, old);
        }
    }
    // The same Surface object: a paint DC attached to it keeps a valid pointer.
    w.surface->image = next;
}

void fillFace(Window& w, const CRect& rect)
{
    if (!w.surface || w.surface->image.isNull()) return;
    QImage& img = w.surface->image;
    CRect r = rect.IsRectEmpty() ? CRect(0, 0, img.width(), img.height()) : rect;
    const CRect bounds(0, 0, img.width(), img.height());
    if (!r.IntersectRect(&r, &bounds)) return;
    const QRgb face = gdi::toPixel(kFaceColour);
    gdi::rec::fill(w.surface.get(), r.left, r.top, r.right, r.bottom, face);
    for (int y = r.top; y < r.bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        std::fill(line + r.left, line + r.right, face);
    }
}

void beginPaint(Window& w, HDC dc, PAINTSTRUCT* ps)
{
    const HWND h = w.handle;
    const bool erase = w.erase;
    CRect area = w.invalid ? w.update : CRect();
    // Validates first, as BeginPaint does: what the handler invalidates now stays for the next pump.
    w.invalid = false;
    w.erase = false;
    w.update.SetRectEmpty();
    w.painting = area;
    bool erased = true;
    if (erase) erased = send(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0;
    if (ps) {
        ps->hdc = dc;
        ps->fErase = erased ? FALSE : TRUE;  // TRUE: the window still has to erase its background
        ps->rcPaint = area;
    }
}

void endPaint(HWND hwnd, const PAINTSTRUCT*)
{
    Window* w = find(hwnd);
    if (!w) return;
    w->painting.SetRectEmpty();
    if (!headless() && w->widget) w->widget->update();
}

void schedulePump()
{
    Core& c = core();
    if (c.pumpScheduled || !QApplication::instance()) return;
    c.pumpScheduled = true;
    QMetaObject::invokeMethod(
        QApplication::instance(),
        [] {
            core().pumpScheduled = false;
            guarded([] { pumpPaints(); });
        },
        Qt::QueuedConnection);
}

namespace {
void collect(HWND h, std::vector<HWND>& out)
{
    Window* w = find(h);
    if (!w) return;
    out.push_back(h);
    for (HWND c : w->children) collect(c, out);
}
}  // namespace

bool deliverPaint(HWND hwnd)
{
    Core& c = core();
    if (c.inPaint.count(hwnd)) return false;
    c.inPaint.insert(hwnd);
    struct Leave {
        HWND h;
        ~Leave() { core().inPaint.erase(h); }
    } leave{hwnd};
    send(hwnd, WM_PAINT);
    return true;
}

int pumpPaints()
{
    std::vector<HWND> order;
    for (HWND t : std::vector<HWND>(core().topLevels)) collect(t, order);
    int painted = 0;
    for (HWND h : order) {
        Window* w = find(h);
        if (!w || !w->invalid || !isVisible(*w)) continue;
        if (deliverPaint(h)) ++painted;
    }
    return painted;
}

}  // namespace cxc::wnd

using namespace cxc::wnd;

CPaintDC::CPaintDC(CWnd* wnd)
{
    Window* w = wnd ? find(wnd->m_hWnd) : nullptr;
    if (!w) return;
    m_hWnd = w->handle;
    keep_ = ensureSurface(*w);
    AttachSurface(keep_.get());
    beginPaint(*w, m_hDC, &m_ps);
}

CPaintDC::~CPaintDC()
{
    DetachSurface();
    endPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* wnd)
{
    Window* w = wnd ? find(wnd->m_hWnd) : nullptr;
    if (!w) return;
    m_hWnd = w->handle;
    keep_ = ensureSurface(*w);
    AttachSurface(keep_.get());
}

CClientDC::~CClientDC()
{
    DetachSurface();
    Window* w = find(m_hWnd);
    if (w && !headless() && w->widget) w->widget->update();
}
