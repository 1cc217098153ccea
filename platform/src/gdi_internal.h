// Inside the platform layer only: the image a DC draws into, the records behind GDI handles and DCs,
// and the rasterisers the CDC members share. Builds on QImage (Format_RGB32) and nothing else of Qt;
// fonts live in gdi_text.cpp.
#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "cxcgdi.h"

namespace cxc::gdi {

// The pixels of a window's client area or of a bitmap: QImage::Format_RGB32 (0xFFRRGGBB).
struct Surface {
    QImage image;
    ~Surface();  // leaves the recording of a paint (gdi_record.cpp)
};

// COLORREF is 0x00BBGGRR; QImage's RGB32 pixel is 0xFFRRGGBB.
inline QRgb toPixel(COLORREF c) { return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu); }
inline COLORREF fromPixel(QRgb p) { return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16); }

// A surface's pixels as the rasterisers see them: 32-bit words, row after row.
struct Raster {
    std::uint32_t* bits = nullptr;
    std::ptrdiff_t stride = 0;  // words per row
    int width = 0;
    int height = 0;
    explicit operator bool() const { return bits != nullptr && width > 0 && height > 0; }
};
// Empty for a null surface or image. Detaches a shared image first, so writes stay private to it.
Raster rasterOf(Surface* surface);
struct DcState;
// The pixels of the DC's target, cached across calls (the hot path draws many short lines).
Raster rasterOf(DcState& dc);

// ---- GDI object records ----------------------------------------------------------------------

enum class Kind { Pen, Font, Bitmap, Brush };
struct FontFace;  // a resolved font with its metrics and glyph cache (gdi_text.cpp)

struct ObjectData {
    Kind kind = Kind::Pen;
    HGDIOBJ handle = nullptr;
    bool stock = false;             // never deleted, never counted
    int selections = 0;             // DCs (and saved DC states) that hold the object
    bool orphan = false;            // its C++ owner died while it was selected: freed when released
    CGdiObject* owner = nullptr;    // the C++ object that made it
    std::unique_ptr<CGdiObject> wrapper;  // temporary wrapper handed out by FromHandle
    LOGPEN pen{};
    LOGFONTW font{};
    std::shared_ptr<const FontFace> face;  // resolved on first use
    std::shared_ptr<Surface> surface;      // bitmaps: shared with the DC it is selected into
    COLORREF brushColor = 0;
    bool hollowBrush = false;
};

// Serial handle values shared by objects and DCs; never reused.
std::uintptr_t newHandleValue();

// The 1x1 placeholder bitmap every memory DC starts with (not one of GetStockObject's indexes).
inline constexpr int kStockBitmap = 1000;

ObjectData* findObject(HGDIOBJ h);
ObjectData* stockObject(int index);  // null for an index we do not provide
// Registers a new record, counts it and returns its handle.
HGDIOBJ adoptObject(std::unique_ptr<ObjectData> data, CGdiObject* owner);
// Frees the record unless a DC holds it (then counts the refusal and returns false).
bool destroyObject(ObjectData* data);
void holdObject(ObjectData* data);
// Drops one hold; an orphan is freed with its last hold.
void releaseObject(ObjectData* data);
// The object's C++ wrapper: its owner, or a temporary one made on demand.
CGdiObject* wrapperOf(ObjectData* data);

void countDc(int delta);

// The font face of a record, resolved (and cached) on first use; null without a GUI application.
std::shared_ptr<const FontFace> faceOf(ObjectData* font);

// ---- device context records ------------------------------------------------------------------

namespace raster {
// On/off pattern of a styled cosmetic pen, one entry per pixel; period 0 means solid.
struct Pattern {
    const std::uint8_t* on = nullptr;
    std::uint32_t period = 0;
};
Pattern patternOf(int penStyle);
}  // namespace raster

// Pen attributes, kept by value in the DC so drawing never reads a pen record.
struct PenAttr {
    int style = PS_SOLID;
    int width = 1;             // px; 1 for the cosmetic one-pixel pen; at most 2^16
    COLORREF color = 0;
    raster::Pattern pattern;   // dashes of a one-pixel pen
};
PenAttr penAttrOf(const LOGPEN& pen);

struct SavedDc {
    ObjectData* pen = nullptr;
    ObjectData* brush = nullptr;
    ObjectData* font = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = OPAQUE;
    int stretchMode = BLACKONWHITE;
    UINT textAlign = 0;
    POINT pos{0, 0};
};

struct DcState {
    HDC handle = nullptr;
    CDC* owner = nullptr;          // the CDC that made it and deletes it
    bool memory = false;           // made by CreateCompatibleDC: bitmaps may be selected
    Surface* external = nullptr;   // AttachSurface: drawn instead of the selected bitmap

    ObjectData* pen = nullptr;
    ObjectData* brush = nullptr;
    ObjectData* font = nullptr;
    ObjectData* bitmap = nullptr;
    std::shared_ptr<Surface> bitmapSurface;

    PenAttr penAttr;
    COLORREF brushColor = RGB(255, 255, 255);
    bool hollowBrush = false;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int stretchMode = BLACKONWHITE;
    UINT textAlign = TA_TOP | TA_LEFT;
    POINT pos{0, 0};
    std::uint32_t stylePos = 0;  // pixels into the pen's dash pattern; LineTo chains carry it on
    std::vector<SavedDc> saved;

    // The target's pixels as last seen, reused while the image is the same and not shared.
    Raster raster;
    Surface* rasterSurface = nullptr;
    qint64 rasterKey = 0;

    Surface* target() const { return external ? external : bitmapSurface.get(); }
};

DcState* findDc(HDC h);
DcState* dcStateOf(const CDC& dc);

// One pen stroke from (x0, y0) to (x1, y1) with the DC's pen: one-pixel pens leave out the end pixel
// and carry the dash position on; wider pens are round-capped. Draws nothing without a raster.
void penSegment(DcState& s, const Raster& r, int x0, int y0, int x1, int y1);

// ---- rasterisers (pixel centres sit on integer coordinates) ------------------------------------

namespace raster {

// One-pixel line from (x0, y0) towards (x1, y1), end pixel excluded. With a pattern, pixel i is on when
// pattern[(phase + i) % period]; off pixels get *gap when gap is given and stay untouched otherwise.
// Clips to the raster before walking. Returns the number of pixels the whole line spans.
std::uint64_t thinLine(const Raster& r, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                       std::uint32_t colour, const Pattern& pattern = {}, std::uint32_t phase = 0,
                       const std::uint32_t* gap = nullptr);

// Solid one-pixel lines between ends[2k] and ends[2k + 1] for k < pairs, each exactly as thinLine
// draws it.
void thinSegments(const Raster& r, const POINT* ends, std::size_t pairs, std::uint32_t colour);

// Pixels whose centres lie within width / 2 of the segment (round caps). Even widths sit half a pixel
// up and left, so a width-2 line at y covers rows y - 1 and y.
void thickLine(const Raster& r, double x0, double y0, double x1, double y1, int width, std::uint32_t colour);

// [left, right) x [top, bottom), clipped.
void fillRect(const Raster& r, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
              std::uint32_t colour);
void xorRect(const Raster& r, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
             std::uint32_t mask);

// An axis-aligned ellipse inscribed in the pixel box [left, right) x [top, bottom): centre and semi-axes
// in half pixels, so even boxes have half-pixel centres.
struct Conic {
    std::int64_t cx2 = 0, cy2 = 0;  // doubled centre
    std::int64_t a2 = 0, b2 = 0;    // doubled semi-axes (box size - 1)
    bool valid() const { return a2 >= 0 && b2 >= 0; }
};
Conic conicOfBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

// Angular filter of an arc: counter-clockwise (y up) from start through sweep, in radians; full when
// sweep >= 2 pi.
struct Sweep {
    double start = 0.0;
    double sweep = 7.0;
    bool full() const { return sweep >= 6.283185307179586; }
    bool contains(double dx, double dyUp) const;
};

void thinConic(const Raster& r, const Conic& c, const Sweep& s, std::uint32_t colour);
// Outline of the given pen width: an exact annulus for circles, a disc swept along the outline otherwise.
void thickConic(const Raster& r, const Conic& c, const Sweep& s, int width, std::uint32_t colour);
void fillConic(const Raster& r, const Conic& c, std::uint32_t colour);

}  // namespace raster
}  // namespace cxc::gdi

// The DC record behind CDC::state_.
struct CDC::State : cxc::gdi::DcState {};
