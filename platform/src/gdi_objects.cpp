// GDI object records and their handles: pens, fonts, bitmaps and brushes, the stock objects, the
// permanent and temporary wrappers, and the live counts. Handles are serial numbers that are never
// reused, so a stale handle finds nothing instead of someone else's object.
#include <cstring>
#include <unordered_map>

#include "cxcsat.h"
#include "gdi_internal.h"

namespace cxc::gdi {
namespace {

struct ObjectRegistry {
    std::unordered_map<HGDIOBJ, std::unique_ptr<ObjectData>> objects;
    std::unordered_map<int, ObjectData*> stock;
    // Wrappers of freed records stay alive (with no handle): callers may still hold them.
    std::vector<std::unique_ptr<CGdiObject>> retired;
    LiveCounts counts;
};

// Never destroyed: records hold Qt objects that must not outlive the application's teardown.
ObjectRegistry& registry()
{
    static ObjectRegistry* r = new ObjectRegistry;
    return *r;
}

long& countOf(Kind kind)
{
    LiveCounts& c = registry().counts;
    switch (kind) {
    case Kind::Pen: return c.pens;
    case Kind::Font: return c.fonts;
    case Kind::Bitmap: return c.bitmaps;
    case Kind::Brush: return c.brushes;
    }
    return c.pens;
}

void freeRecord(ObjectData* data)
{
    ObjectRegistry& r = registry();
    if (data->owner) data->owner->m_hObject = nullptr;
    if (data->wrapper) {
        data->wrapper->m_hObject = nullptr;
        r.retired.push_back(std::move(data->wrapper));
    }
    --countOf(data->kind);
    r.objects.erase(data->handle);
}

HGDIOBJ registerRecord(std::unique_ptr<ObjectData> data)
{
    const HGDIOBJ h = reinterpret_cast<HGDIOBJ>(newHandleValue());
    data->handle = h;
    registry().objects.emplace(h, std::move(data));
    return h;
}

ObjectData* makeStock(int index)
{
    auto d = std::make_unique<ObjectData>();
    d->stock = true;
    auto brush = [&](COLORREF c, bool hollow) {
        d->kind = Kind::Brush;
        d->brushColor = c;
        d->hollowBrush = hollow;
    };
    auto pen = [&](int style, COLORREF c) {
        d->kind = Kind::Pen;
        d->pen = LOGPEN{static_cast<UINT>(style), POINT{1, 0}, c};
    };
    auto font = [&](LONG height) {
        d->kind = Kind::Font;
        d->font.lfHeight = height;
        const wchar_t face[] = L"Arial";
        for (std::size_t i = 0; i < sizeof face / sizeof face[0]; ++i) d->font.lfFaceName[i] = face[i];
    };
    switch (index) {
    case WHITE_BRUSH: brush(RGB(255, 255, 255), false); break;
    case LTGRAY_BRUSH: brush(RGB(192, 192, 192), false); break;
    case GRAY_BRUSH: brush(RGB(128, 128, 128), false); break;
    case DKGRAY_BRUSH: brush(RGB(64, 64, 64), false); break;
    case BLACK_BRUSH: brush(RGB(0, 0, 0), false); break;
    case NULL_BRUSH: brush(0, true); break;
    case WHITE_PEN: pen(PS_SOLID, RGB(255, 255, 255)); break;
    case BLACK_PEN: pen(PS_SOLID, RGB(0, 0, 0)); break;
    case NULL_PEN: pen(PS_NULL, 0); break;
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT: font(16); break;  // the default font: cell height 16
    case ANSI_VAR_FONT:
    case DEFAULT_GUI_FONT: font(-11); break;    // 8 points at 96 dpi
    case kStockBitmap:
        d->kind = Kind::Bitmap;
        d->surface = std::make_shared<Surface>();
        d->surface->image = QImage(1, 1, QImage::Format_RGB32);
        d->surface->image.fill(0xFF000000u);
        break;
    default: return nullptr;
    }
    ObjectData* raw = d.get();
    registerRecord(std::move(d));
    return raw;
}

template <class T>
T* wrapperOfKind(HGDIOBJ h, Kind kind)
{
    ObjectData* d = findObject(h);
    return d && d->kind == kind ? static_cast<T*>(wrapperOf(d)) : nullptr;
}

}  // namespace

std::uintptr_t newHandleValue()
{
    static std::uintptr_t next = 0x1000;
    return next++;
}

LiveCounts liveCounts() { return registry().counts; }

void countDc(int delta) { registry().counts.dcs += delta; }

ObjectData* findObject(HGDIOBJ h)
{
    if (!h) return nullptr;
    auto& objects = registry().objects;
    const auto it = objects.find(h);
    return it == objects.end() ? nullptr : it->second.get();
}

ObjectData* stockObject(int index)
{
    auto& stock = registry().stock;
    const auto it = stock.find(index);
    if (it != stock.end()) return it->second;
    ObjectData* d = makeStock(index);
    if (d) stock.emplace(index, d);
    return d;
}

HGDIOBJ adoptObject(std::unique_ptr<ObjectData> data, CGdiObject* owner)
{
    data->owner = owner;
    ++countOf(data->kind);
    return registerRecord(std::move(data));
}

bool destroyObject(ObjectData* data)
{
    if (!data || data->stock) return true;
    if (data->selections > 0) {
        ++registry().counts.refusedDeletes;
        return false;
    }
    freeRecord(data);
    return true;
}

void holdObject(ObjectData* data)
{
    if (data) ++data->selections;
}

void releaseObject(ObjectData* data)
{
    if (!data) return;
    if (--data->selections <= 0) {
        data->selections = 0;
        if (data->orphan) freeRecord(data);
    }
}

CGdiObject* wrapperOf(ObjectData* data)
{
    if (!data) return nullptr;
    if (data->owner) return data->owner;
    if (!data->wrapper) {
        switch (data->kind) {
        case Kind::Pen: data->wrapper = std::make_unique<CPen>(); break;
        case Kind::Font: data->wrapper = std::make_unique<CFont>(); break;
        case Kind::Bitmap: data->wrapper = std::make_unique<CBitmap>(); break;
        case Kind::Brush: data->wrapper = std::make_unique<CBrush>(); break;
        }
        data->wrapper->m_hObject = data->handle;
    }
    return data->wrapper.get();
}

PenAttr penAttrOf(const LOGPEN& pen)
{
    PenAttr a;
    a.style = static_cast<int>(pen.lopnStyle & 0x0Fu);
    a.width = pen.lopnWidth.x;
    a.color = pen.lopnColor & 0x00FFFFFFu;
    if (a.width <= 1) {
        a.width = 1;
    } else {
        // Wider pens are geometric: GDI draws them solid. Beyond 2^16 px every pen covers any surface.
        if (a.style != PS_NULL) a.style = PS_SOLID;
        if (a.width > 65536) a.width = 65536;
    }
    if (a.style == PS_INSIDEFRAME) a.style = PS_SOLID;
    a.pattern = raster::patternOf(a.style);
    return a;
}

}  // namespace cxc::gdi

using namespace cxc::gdi;

// ---- CGdiObject -------------------------------------------------------------------------------

CGdiObject::~CGdiObject()
{
    ObjectData* d = findObject(m_hObject);
    if (!d || d->owner != this) return;
    // Still selected: GDI refuses the delete; the record outlives us and goes when released.
    if (!destroyObject(d)) {
        d->owner = nullptr;
        d->orphan = true;
    }
}

BOOL CGdiObject::DeleteObject()
{
    ObjectData* d = findObject(m_hObject);
    if (!d) {
        m_hObject = nullptr;
        return FALSE;
    }
    if (d->stock) return TRUE;
    return destroyObject(d) ? TRUE : FALSE;
}

int CGdiObject::GetObject(int size, void* out) const
{
    const ObjectData* d = findObject(m_hObject);
    if (!d) return 0;
    auto copy = [&](const auto& value) -> int {
        constexpr int need = static_cast<int>(sizeof value);
        if (!out) return need;
        if (size < need) return 0;
        std::memcpy(out, &value, sizeof value);
        return need;
    };
    switch (d->kind) {
    case Kind::Pen: return copy(d->pen);
    case Kind::Font: return copy(d->font);
    case Kind::Brush: return copy(LOGBRUSH{d->hollowBrush ? static_cast<UINT>(BS_NULL) : static_cast<UINT>(BS_SOLID), d->brushColor, 0});
    case Kind::Bitmap: {
        const QImage& im = d->surface->image;
        return copy(BITMAP{0, im.width(), im.height(), im.width() * 4, 1, 32, nullptr});
    }
    }
    return 0;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) { return wrapperOf(findObject(h)); }

BOOL CGdiObject::attachNew(ObjectData* data)
{
    std::unique_ptr<ObjectData> owned(data);
    if (!owned || m_hObject) return FALSE;
    m_hObject = adoptObject(std::move(owned), this);
    return TRUE;
}

BOOL DeleteObject(HGDIOBJ h)
{
    ObjectData* d = findObject(h);
    if (!d) return FALSE;
    return destroyObject(d) ? TRUE : FALSE;
}

HGDIOBJ GetStockObject(int index)
{
    ObjectData* d = stockObject(index);
    return d ? d->handle : nullptr;
}

// ---- CPen ---------------------------------------------------------------------------------------

CPen::CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    const LOGPEN pen{static_cast<UINT>(style), POINT{width, 0}, color};
    return CreatePenIndirect(&pen);
}

BOOL CPen::CreatePenIndirect(const LOGPEN* logPen)
{
    if (!logPen || (logPen->lopnStyle & 0x0Fu) > PS_INSIDEFRAME) return FALSE;
    auto d = std::make_unique<ObjectData>();
    d->kind = Kind::Pen;
    d->pen = *logPen;
    return attachNew(d.release());
}

int CPen::GetLogPen(LOGPEN* logPen) const { return logPen ? GetObject(sizeof(LOGPEN), logPen) : 0; }

CPen* CPen::FromHandle(HPEN h) { return wrapperOfKind<CPen>(h, Kind::Pen); }

// ---- CFont --------------------------------------------------------------------------------------

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont)
{
    // Beyond 4096 px a glyph is larger than any surface; refused rather than rasterised.
    if (!logFont || logFont->lfHeight > 4096 || logFont->lfHeight < -4096) return FALSE;
    auto d = std::make_unique<ObjectData>();
    d->kind = Kind::Font;
    d->font = *logFont;
    d->font.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return attachNew(d.release());
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName)
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfCharSet = charSet;
    lf.lfOutPrecision = outPrecision;
    lf.lfClipPrecision = clipPrecision;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = pitchAndFamily;
    if (faceName) {
        for (int i = 0; i < LF_FACESIZE - 1 && faceName[i]; ++i) lf.lfFaceName[i] = faceName[i];
    }
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int pointSizeTenths, LPCTSTR faceName, CDC* /*dc*/)
{
    // As MFC: tenths of a point at 96 dpi, as an em height.
    const long long px = static_cast<long long>(pointSizeTenths) * 96 / 720;
    return CreateFont(-static_cast<int>(px < 0 ? -px : px), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, faceName);
}

int CFont::GetLogFont(LOGFONTW* logFont) const { return logFont ? GetObject(sizeof(LOGFONTW), logFont) : 0; }

CFont* CFont::FromHandle(HFONT h) { return wrapperOfKind<CFont>(h, Kind::Font); }

// ---- CBitmap ------------------------------------------------------------------------------------

BOOL CBitmap::CreateCompatibleBitmap(CDC* /*dc*/, int width, int height)
{
    if (m_hObject || width < 1 || height < 1 || static_cast<long long>(width) * height > (1LL << 28)) return FALSE;
    auto d = std::make_unique<ObjectData>();
    d->kind = Kind::Bitmap;
    d->surface = std::make_shared<Surface>();
    d->surface->image = QImage(width, height, QImage::Format_RGB32);
    if (d->surface->image.isNull()) return FALSE;
    d->surface->image.fill(0xFF000000u);
    return attachNew(d.release());
}

CSize CBitmap::GetBitmapDimension() const
{
    const ObjectData* d = findObject(m_hObject);
    if (!d || d->kind != Kind::Bitmap) return CSize();
    return CSize(d->surface->image.width(), d->surface->image.height());
}

int CBitmap::GetBitmap(BITMAP* bitmap) const { return bitmap ? GetObject(sizeof(BITMAP), bitmap) : 0; }

CBitmap* CBitmap::FromHandle(HBITMAP h) { return wrapperOfKind<CBitmap>(h, Kind::Bitmap); }

// ---- CBrush -------------------------------------------------------------------------------------

CBrush::CBrush(COLORREF color) { CreateSolidBrush(color); }

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    auto d = std::make_unique<ObjectData>();
    d->kind = Kind::Brush;
    d->brushColor = color & 0x00FFFFFFu;
    return attachNew(d.release());
}
