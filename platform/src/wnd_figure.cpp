// Figures: a window's paint recorded, replayed onto an image at any scale, an SVG generator or a PDF
// writer, alone or inside its dialog as Qt draws the dialog's controls.
#include <QMenuBar>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

#include "cxcfigure.h"
#include "cxcsat.h"
#include "gdi_record.h"
#include "wnd_internal.h"

using namespace cxc::wnd;
namespace rec = cxc::gdi::rec;

namespace cxc::figure {

struct Picture::Data {
    std::shared_ptr<const rec::List> list;
};

Picture::Picture() = default;
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;
Picture::Picture(std::shared_ptr<const Data> data) : d_(std::move(data)) {}
bool Picture::isNull() const { return !d_ || !d_->list; }
int Picture::width() const { return isNull() ? 0 : d_->list->width; }
int Picture::height() const { return isNull() ? 0 : d_->list->height; }

Picture recordPaint(CWnd* window)
{
    Window* w = window ? find(window->m_hWnd) : nullptr;
    if (!w) return Picture();
    const HWND h = w->handle;
    rec::begin();
    struct End {
        ~End() { rec::end(); }
    } end;
    invalidate(*w, nullptr, false);
    deliverPaint(h);
    w = find(h);  // the paint may have destroyed it
    if (!w || !w->surface || w->surface->image.isNull()) return Picture();
    auto data = std::make_shared<Picture::Data>();
    data->list = rec::snapshot(w->surface.get());
    if (!data->list) {  // nothing drawn: the pixels it shows
        auto list = std::make_shared<rec::List>();
        list->width = w->surface->image.width();
        list->height = w->surface->image.height();
        list->commands.emplace_back(rec::Base{w->surface->image.copy()});
        data->list = list;
    }
    return Picture(std::move(data));
}

harness::Image replay(const Picture& picture, int scale)
{
    if (picture.isNull() || scale < 1 || scale > 8) return harness::Image();
    auto d = std::make_shared<harness::Image::Data>();
    d->image = rec::replayRaster(*picture.data()->list, scale);
    return harness::Image(std::move(d));
}

bool formatOfName(const std::string& path, Format& format)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "png") format = Format::Png;
    else if (ext == "svg") format = Format::Svg;
    else if (ext == "pdf") format = Format::Pdf;
    else return false;
    return true;
}

namespace {

int dpiOf(const Options& o) { return o.dpi > 0 ? o.dpi : 96 * (o.format == Format::Png ? o.scale : 1); }

// What goes on the page: the dialog's menu bar and controls with a hole where the view is, and the
// view's recording drawn into the hole; or the recording alone.
struct Stage {
    Window* dialog = nullptr;
    Window* view = nullptr;
    const rec::List* list = nullptr;
    QPoint viewAt;  // the view's client origin on the page
    QSize size;

    // Qt draws the controls; the view's own surface is left out, as the recording replaces it.
    void drawControls(QPainter& p) const
    {
        if (!dialog) return;
        view->figureHole = true;
        if (dialog->menuBar) dialog->menuBar->render(&p, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
        dialog->widget->render(&p, QPoint(0, dialog->menuHeight), QRegion(), QWidget::DrawChildren);
        view->figureHole = false;
    }
};

std::string stageOf(CWnd* dialog, CWnd* viewWindow, const Picture& picture, Stage& s)
{
    if (picture.isNull()) return "there is no picture";
    s.list = picture.data()->list.get();
    s.size = QSize(s.list->width, s.list->height);
    if (!dialog) return {};
    s.dialog = find(dialog->m_hWnd);
    s.view = viewWindow ? find(viewWindow->m_hWnd) : nullptr;
    if (!s.dialog || !s.view || !s.dialog->widget || !s.view->widget || s.dialog->child ||
        !s.dialog->widget->isAncestorOf(s.view->widget))
        return "the view is not a window of that dialog";
    s.viewAt = s.view->widget->mapTo(s.dialog->widget, QPoint(s.view->clientOffset.x, s.view->clientOffset.y)) +
               QPoint(0, s.dialog->menuHeight);
    s.size = QSize(s.dialog->clientSize.cx, s.dialog->clientSize.cy + s.dialog->menuHeight);
    if (s.size.isEmpty()) return "the window has no size";
    return {};
}

std::string writePng(const Stage& s, const Options& o, const char* path)
{
    const std::int64_t w = static_cast<std::int64_t>(s.size.width()) * o.scale;
    const std::int64_t h = static_cast<std::int64_t>(s.size.height()) * o.scale;
    if (w * h > (1LL << 28)) return "the picture would be too large";
    QImage view = rec::replayRaster(*s.list, o.scale);
    if (view.isNull()) return "the picture would be too large";
    QImage image = view;
    if (s.dialog) {
        image = QImage(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
        image.fill(gdi::toPixel(kFaceColour));
        QPainter p(&image);
        p.scale(o.scale, o.scale);
        s.drawControls(p);
        p.resetTransform();
        p.drawImage(s.viewAt * o.scale, view);
    }
    const int dpm = cxc::toInt(dpiOf(o) / 0.0254 + 0.5);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    return image.save(QString::fromUtf8(path), "PNG") ? std::string() : "cannot be written";
}

void drawVector(const Stage& s, QPainter& p)
{
    s.drawControls(p);
    p.save();
    p.translate(s.viewAt);
    p.setClipRect(QRect(0, 0, s.list->width, s.list->height), Qt::IntersectClip);
    rec::replayVector(*s.list, p);
    p.restore();
}

std::string writeSvg(const Stage& s, const Options& o, const char* path)
{
    QSvgGenerator svg;
    svg.setFileName(QString::fromUtf8(path));
    svg.setSize(s.size);
    svg.setViewBox(QRect(QPoint(0, 0), s.size));
    svg.setResolution(dpiOf(o));
    svg.setTitle(QStringLiteral("cxcmap figure"));
    QPainter p;
    if (!p.begin(&svg)) return "cannot be written";
    drawVector(s, p);
    return p.end() ? std::string() : "cannot be written";
}

std::string writePdf(const Stage& s, const Options& o, const char* path)
{
    QPdfWriter pdf(QString::fromUtf8(path));
    const int dpi = dpiOf(o);
    pdf.setResolution(dpi);
    pdf.setCreator(QStringLiteral("cxcmap"));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(s.size.width() * 72.0 / dpi, s.size.height() * 72.0 / dpi), QPageSize::Point,
                              QString(), QPageSize::ExactMatch));
    QPainter p;
    if (!p.begin(&pdf)) return "cannot be written";
    // One unit is one pixel of the picture, whatever the page's rounding.
    p.scale(pdf.width() / static_cast<double>(s.size.width()), pdf.height() / static_cast<double>(s.size.height()));
    drawVector(s, p);
    return p.end() ? std::string() : "cannot be written";
}

std::string writeStage(const Stage& s, const Options& o, const char* path, CSize* size)
{
    const int scale = o.format == Format::Png ? o.scale : 1;
    if (size) *size = CSize(s.size.width() * scale, s.size.height() * scale);
    if (!path || !*path) return "no file name";
    if (o.scale < 1 || o.scale > 8) return "the scale must be 1 to 8";
    if (o.dpi < 0 || o.dpi > 100000) return "the resolution must be 1 to 100000 dpi";
    switch (o.format) {
    case Format::Png: return writePng(s, o, path);
    case Format::Svg: return writeSvg(s, o, path);
    case Format::Pdf: return writePdf(s, o, path);
    }
    return "unknown format";
}

}  // namespace

std::string write(const Picture& view, const Options& options, const char* path, CSize* size)
{
    Stage s;
    if (std::string error = stageOf(nullptr, nullptr, view, s); !error.empty()) return error;
    return writeStage(s, options, path, size);
}

std::string writeDialog(CWnd* dialog, CWnd* viewWindow, const Picture& view, const Options& options, const char* path,
                        CSize* size)
{
    if (!dialog) return "no dialog";
    Stage s;
    if (std::string error = stageOf(dialog, viewWindow, view, s); !error.empty()) return error;
    return writeStage(s, options, path, size);
}

}  // namespace cxc::figure
