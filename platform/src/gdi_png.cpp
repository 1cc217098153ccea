// Reading pictures back: PNG files of a DC's surface or a bitmap, and single pixels for tests.
#include <QString>

#include "gdi_internal.h"

namespace cxc::gdi {
namespace {

const QImage* imageOf(const CDC& dc)
{
    const DcState* s = dcStateOf(dc);
    const Surface* surface = s ? s->target() : nullptr;
    return surface && !surface->image.isNull() ? &surface->image : nullptr;
}

const QImage* imageOf(const CBitmap& bitmap)
{
    const ObjectData* d = findObject(bitmap.m_hObject);
    return d && d->kind == Kind::Bitmap && d->surface && !d->surface->image.isNull() ? &d->surface->image : nullptr;
}

bool save(const QImage* image, const char* path)
{
    return image && path && *path && image->save(QString::fromLocal8Bit(path), "PNG");
}

COLORREF pixelOf(const QImage* image, int x, int y)
{
    if (!image || x < 0 || y < 0 || x >= image->width() || y >= image->height()) return 0;
    return fromPixel(image->pixel(x, y));
}

}  // namespace

bool writePng(const CDC& dc, const char* path) { return save(imageOf(dc), path); }

bool writeBitmapPng(const ::CBitmap& bitmap, const char* path) { return save(imageOf(bitmap), path); }

COLORREF pixel(const CDC& dc, int x, int y) { return pixelOf(imageOf(dc), x, y); }

COLORREF bitmapPixel(const ::CBitmap& bitmap, int x, int y) { return pixelOf(imageOf(bitmap), x, y); }

CSize surfaceSize(const CDC& dc)
{
    const QImage* image = imageOf(dc);
    return image ? CSize(image->width(), image->height()) : CSize();
}

}  // namespace cxc::gdi
