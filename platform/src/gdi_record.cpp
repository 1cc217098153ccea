// The recording of one paint and its two replays: onto an image through the layer's own rasterisers at
// any scale, and onto a QPainter (SVG, PDF) as lines, arcs, fills, text and images.
#include "gdi_record.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_map>

#include "cxcsat.h"

namespace cxc::gdi {

Surface::~Surface()
{
    if (rec::active()) rec::forget(this);
}

}  // namespace cxc::gdi

namespace cxc::gdi::rec {

namespace {

struct Registry {
    bool on = false;
    std::unordered_map<const Surface*, List> lists;
};

Registry& registry()
{
    static Registry r;
    return r;
}

using i64 = std::int64_t;
constexpr double kPi = 3.141592653589793;

// ---- raster replay -----------------------------------------------------------------------------

// Where a list draws: the image, the scale, the shift of the list's coordinates (in recorded pixels)
// and the clip (in image pixels).
struct Target {
    QImage* image;
    int scale;
    i64 tx, ty;
    QRect clip;
};

Raster clipped(QImage& image, const QRect& clip)
{
    Raster r;
    if (clip.isEmpty()) return r;
    r.stride = image.bytesPerLine() / 4;
    r.bits = reinterpret_cast<std::uint32_t*>(image.bits()) + clip.top() * r.stride + clip.left();
    r.width = clip.width();
    r.height = clip.height();
    return r;
}

void replayRasterInto(const List& list, const Target& t);

struct RasterStep {
    const Target& t;
    Raster r;
    i64 X(i64 x) const { return t.scale * (x + t.tx) - t.clip.left(); }
    i64 Y(i64 y) const { return t.scale * (y + t.ty) - t.clip.top(); }
    double Xd(double x) const { return t.scale * (x + static_cast<double>(t.tx)) - t.clip.left(); }
    double Yd(double y) const { return t.scale * (y + static_cast<double>(t.ty)) - t.clip.top(); }

    void operator()(const ThinLine& c) const
    {
        const raster::Pattern p = raster::patternOf(c.penStyle);
        raster::thinLine(r, X(c.x0), Y(c.y0), X(c.x1), Y(c.y1), c.colour, p, c.phase, c.gapFilled ? &c.gapColour : nullptr);
    }
    void operator()(const ThickLine& c) const
    {
        raster::thickLine(r, Xd(c.x0), Yd(c.y0), Xd(c.x1), Yd(c.y1), c.width * t.scale, c.colour);
    }
    void operator()(const Fill& c) const { raster::fillRect(r, X(c.left), Y(c.top), X(c.right), Y(c.bottom), c.colour); }
    void operator()(const Invert& c) const
    {
        raster::xorRect(r, X(c.left), Y(c.top), X(c.right), Y(c.bottom), 0x00FFFFFFu);
    }
    void operator()(const Conic& c) const
    {
        // Back to the box the conic was made from, then scaled: the outline keeps one pixel.
        const i64 left = (c.c.cx2 - c.c.a2) / 2, top = (c.c.cy2 - c.c.b2) / 2;
        const raster::Conic s = raster::conicOfBox(X(left), Y(top), X(left + c.c.a2 + 1), Y(top + c.c.b2 + 1));
        if (c.width == 0) raster::fillConic(r, s, c.colour);
        else if (c.width == 1) raster::thinConic(r, s, c.sweep, c.colour);
        else raster::thickConic(r, s, c.sweep, c.width * t.scale, c.colour);
    }
    void operator()(const Text& c) const
    {
        QPainter p(t.image);
        if (t.clip != t.image->rect()) p.setClipRect(t.clip);
        p.translate(static_cast<double>(t.scale * t.tx), static_cast<double>(t.scale * t.ty));
        p.scale(t.scale, t.scale);
        replayText(p, c);
    }
    void operator()(const Blit& c) const { replayBlit(r, c, t.tx * t.scale - t.clip.left(), t.ty * t.scale - t.clip.top(), t.scale); }
    void operator()(const Copy& c) const
    {
        const i64 s = t.scale;
        // The copied block, and within it what the source holds, in image pixels.
        const i64 left = std::max(c.dx, c.dx - c.sx), top = std::max(c.dy, c.dy - c.sy);
        const i64 right = std::min(c.dx + c.w, c.dx - c.sx + c.sourceWidth);
        const i64 bottom = std::min(c.dy + c.h, c.dy - c.sy + c.sourceHeight);
        if (left >= right || top >= bottom) return;
        const i64 l = s * (left + t.tx), tp = s * (top + t.ty), rr = s * (right + t.tx), b = s * (bottom + t.ty);
        const QRect block(QPoint(static_cast<int>(std::clamp<i64>(l, INT_MIN / 2, INT_MAX / 2)),
                                 static_cast<int>(std::clamp<i64>(tp, INT_MIN / 2, INT_MAX / 2))),
                          QPoint(static_cast<int>(std::clamp<i64>(rr - 1, INT_MIN / 2, INT_MAX / 2)),
                                 static_cast<int>(std::clamp<i64>(b - 1, INT_MIN / 2, INT_MAX / 2))));
        const QRect clip = block & t.clip;
        if (clip.isEmpty()) return;
        replayRasterInto(*c.list, Target{t.image, t.scale, t.tx + c.dx - c.sx, t.ty + c.dy - c.sy, clip});
    }
    void operator()(const Base& c) const
    {
        Blit b{};
        b.source = c.image;
        b.rowHi = c.image.height();
        b.dw = b.sw = c.image.width();
        b.dh = b.sh = c.image.height();
        b.rop = 0;
        replayBlit(r, b, t.tx * t.scale - t.clip.left(), t.ty * t.scale - t.clip.top(), t.scale);
    }
};

void replayRasterInto(const List& list, const Target& t)
{
    const RasterStep step{t, clipped(*t.image, t.clip)};
    if (!step.r) return;
    for (const Command& c : list.commands) std::visit(step, c);
}

// ---- vector replay -----------------------------------------------------------------------------

QColor colourOf(std::uint32_t pixel) { return QColor::fromRgb(pixel); }

// A segment cut to a box around the picture (Liang-Barsky), so far-off coordinates never reach the
// painter; false when nothing of it is inside.
bool cut(double& x0, double& y0, double& x1, double& y1, const QRectF& box)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - box.left(), box.right() - x0, y0 - box.top(), box.bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 += t0 * dx;
    y0 += t0 * dy;
    return true;
}

QRectF rectOf(i64 l, i64 t, i64 r, i64 b, const QRectF& box)
{
    const auto cl = [](i64 v, double lo, double hi) { return std::clamp(static_cast<double>(v), lo, hi); };
    const double L = cl(l, box.left(), box.right()), R = cl(r, box.left(), box.right());
    const double T = cl(t, box.top(), box.bottom()), B = cl(b, box.top(), box.bottom());
    return QRectF(QPointF(L, T), QPointF(R, B));
}

// The on/off runs of a dash pattern, as a painter's dash pattern in pen widths.
QList<qreal> dashesOf(const raster::Pattern& p)
{
    QList<qreal> runs;
    std::uint32_t i = 0;
    while (i < p.period) {
        const std::uint8_t on = p.on[i];
        std::uint32_t n = 0;
        while (i < p.period && p.on[i] == on) ++i, ++n;
        if (runs.isEmpty() && !on) runs.append(0.0);
        runs.append(n);
    }
    if (runs.size() % 2) runs.append(0.0);
    return runs;
}

struct VectorStep {
    QPainter& p;
    QRectF box;
    bool blend;  // the painter has a difference blend

    // Pixel centres sit half a pixel in from the pixel's corner.
    void line(double x0, double y0, double x1, double y1, const QPen& pen) const
    {
        if (!cut(x0, y0, x1, y1, box)) return;
        p.setPen(pen);
        p.drawLine(QPointF(x0, y0), QPointF(x1, y1));
    }
    void operator()(const ThinLine& c) const
    {
        QPen pen(colourOf(c.colour), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        const raster::Pattern pattern = raster::patternOf(c.penStyle);
        if (pattern.period) {
            if (c.gapFilled) line(c.x0 + 0.5, c.y0 + 0.5, c.x1 + 0.5, c.y1 + 0.5, QPen(colourOf(c.gapColour), 1.0, Qt::SolidLine, Qt::FlatCap));
            pen.setDashPattern(dashesOf(pattern));
            pen.setDashOffset(c.phase);
        }
        line(c.x0 + 0.5, c.y0 + 0.5, c.x1 + 0.5, c.y1 + 0.5, pen);
    }
    void operator()(const ThickLine& c) const
    {
        const double h = c.width % 2 ? 0.5 : 0.0;  // even widths sit half a pixel up and left
        line(c.x0 + h, c.y0 + h, c.x1 + h, c.y1 + h, QPen(colourOf(c.colour), c.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    void operator()(const Fill& c) const { p.fillRect(rectOf(c.left, c.top, c.right, c.bottom, box), colourOf(c.colour)); }
    void operator()(const Invert& c) const
    {
        if (blend) {
            p.save();
            p.setCompositionMode(QPainter::CompositionMode_Difference);
            p.fillRect(rectOf(c.left, c.top, c.right, c.bottom, box), Qt::white);
            p.restore();
        } else {
            p.drawImage(QPointF(static_cast<double>(c.left), static_cast<double>(c.top)), c.after);
        }
    }
    void operator()(const Conic& c) const
    {
        const double cx = c.c.cx2 / 2.0 + 0.5, cy = c.c.cy2 / 2.0 + 0.5;
        const double grow = c.width == 0 ? 0.5 : 0.0;  // a fill covers its outline's pixels
        const double a = c.c.a2 / 2.0 + grow, b = c.c.b2 / 2.0 + grow;
        const QRectF r(cx - a, cy - b, 2 * a, 2 * b);
        if (!r.adjusted(-c.width, -c.width, c.width, c.width).intersects(box)) return;
        if (r.width() > 1e7 || r.height() > 1e7) return;  // beyond any page: nothing a reader could see
        if (c.width == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(colourOf(c.colour));
            p.drawEllipse(r);
            p.setBrush(Qt::NoBrush);
            return;
        }
        p.setPen(QPen(colourOf(c.colour), c.width, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        if (c.sweep.full()) p.drawEllipse(r);
        else p.drawArc(r, cxc::toInt(c.sweep.start * 180.0 / kPi * 16.0), cxc::toInt(c.sweep.sweep * 180.0 / kPi * 16.0));
    }
    void operator()(const Text& c) const { vectorText(p, c); }
    void operator()(const Blit& c) const
    {
        if (!c.plainCopy) {
            if (!c.after.isNull()) p.drawImage(QPointF(static_cast<double>(c.afterX), static_cast<double>(c.afterY)), c.after);
            return;
        }
        // What of the source exists, and the part of the block it lands on.
        const double fx = static_cast<double>(c.dw) / static_cast<double>(c.sw);
        const double fy = static_cast<double>(c.dh) / static_cast<double>(c.sh);
        const i64 sl = std::max<i64>(c.sx, 0), st = std::max<i64>(c.sy, c.rowLo);
        const i64 sr = std::min<i64>(c.sx + c.sw, c.source.width()), sb = std::min<i64>(c.sy + c.sh, c.rowHi);
        if (sl >= sr || st >= sb) return;
        const QRectF target(static_cast<double>(c.dx) + static_cast<double>(sl - c.sx) * fx,
                            static_cast<double>(c.dy) + static_cast<double>(st - c.sy) * fy,
                            static_cast<double>(sr - sl) * fx, static_cast<double>(sb - st) * fy);
        if (!target.intersects(box)) return;
        p.drawImage(target, c.source.copy(static_cast<int>(sl), static_cast<int>(st), static_cast<int>(sr - sl), static_cast<int>(sb - st)));
    }
    void operator()(const Copy& c) const
    {
        p.save();
        const QRectF block(static_cast<double>(c.dx), static_cast<double>(c.dy), static_cast<double>(c.w), static_cast<double>(c.h));
        const QRectF source(static_cast<double>(c.dx - c.sx), static_cast<double>(c.dy - c.sy), c.sourceWidth, c.sourceHeight);
        const QRectF shown = block & source & box;
        if (!shown.isEmpty()) {
            if (shown != box) p.setClipRect(shown, Qt::IntersectClip);
            p.translate(static_cast<double>(c.dx - c.sx), static_cast<double>(c.dy - c.sy));
            replayVector(*c.list, p);
        }
        p.restore();
    }
    void operator()(const Base& c) const { p.drawImage(QPointF(0, 0), c.image); }
};

}  // namespace

void begin()
{
    Registry& r = registry();
    r.lists.clear();
    r.on = true;
}

void end()
{
    Registry& r = registry();
    r.on = false;
    r.lists.clear();
}

bool active() { return registry().on; }

void forget(const Surface* surface) { registry().lists.erase(surface); }

List* listOf(Surface* surface, bool hidesAll)
{
    Registry& r = registry();
    if (!r.on || !surface || surface->image.isNull()) return nullptr;
    auto [it, made] = r.lists.try_emplace(surface);
    if (made) {
        it->second.width = surface->image.width();
        it->second.height = surface->image.height();
        if (!hidesAll) it->second.commands.emplace_back(Base{surface->image.copy()});
    }
    return &it->second;
}

std::shared_ptr<const List> snapshot(Surface* surface)
{
    Registry& r = registry();
    auto it = r.on && surface ? r.lists.find(surface) : r.lists.end();
    if (it == r.lists.end()) return nullptr;
    return std::make_shared<const List>(it->second);
}

void add(Surface* surface, Command command)
{
    if (List* l = listOf(surface)) l->commands.push_back(std::move(command));
}

void coverAll(Surface* surface)
{
    if (List* l = listOf(surface)) l->commands.clear();
}

// GCC 12 sees the vector's relocation of variants as reading uninitialised members; it does not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
void fill(Surface* surface, i64 left, i64 top, i64 right, i64 bottom, std::uint32_t colour)
{
    if (!active() || !surface || left >= right || top >= bottom) return;
    const bool all = left <= 0 && top <= 0 && right >= surface->image.width() && bottom >= surface->image.height();
    List* l = listOf(surface, all);
    if (!l) return;
    if (all) l->commands.clear();
    l->commands.push_back(Fill{left, top, right, bottom, colour});
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

QImage replayRaster(const List& list, int scale)
{
    const i64 w = static_cast<i64>(list.width) * scale, h = static_cast<i64>(list.height) * scale;
    if (scale < 1 || w < 1 || h < 1 || w * h > (1LL << 28)) return QImage();
    QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    image.fill(Qt::black);
    replayRasterInto(list, Target{&image, scale, 0, 0, image.rect()});
    return image;
}

void replayVector(const List& list, QPainter& painter)
{
    const QRectF box(-64.0, -64.0, list.width + 128.0, list.height + 128.0);
    // Qt's SVG and PDF writers claim blend modes but write no difference blend: only a raster painter
    // inverts; the others get the inverted pixels.
    const VectorStep step{painter, box, painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster};
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const Command& c : list.commands) std::visit(step, c);
}

}  // namespace cxc::gdi::rec
