// GDI objects and device contexts: pens, fonts, bitmaps and the CDC that draws into a 32-bit image.
// GDI's rules hold: LineTo leaves out its end pixel, width-1 pens are exact 1-pixel lines, TextOut
// places the top-left corner of the text cell, fills and inversions exclude right and bottom, every
// primitive clips to its surface first. The layer counts live objects so tests can prove that drawing
// code leaks nothing.
//
// Error contract: a call on a DC without a surface, or with a null object, draws nothing and returns
// FALSE/0/null (CLR_INVALID for colours); nothing throws. Text needs the application object
// (cxc::platform::initApplication): without it text measures 0 x 0 and draws nothing.
#pragma once

#include "afxstr.h"
#include "atltypes.h"
#include "windows.h"

class CDC;
class CBitmap;

// ---- GDI names beyond windows.h ---------------------------------------------------------------
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_INSIDEFRAME 6
#define NULL_PEN 8
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define HOLLOW_BRUSH NULL_BRUSH
#define ANSI_VAR_FONT 12
#define DEVICE_DEFAULT_FONT 14
#define TA_NOUPDATECP 0
#define TA_UPDATECP 1
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_BOTTOM 8
#define TA_BASELINE 24
#define SRCPAINT ((DWORD)0x00EE0086)
#define SRCAND ((DWORD)0x008800C6)
#define SRCINVERT ((DWORD)0x00660046)
#define NOTSRCCOPY ((DWORD)0x00330008)
#define PATCOPY ((DWORD)0x00F00021)
#define BLACKNESS ((DWORD)0x00000042)
#define WHITENESS ((DWORD)0x00FF0062)
#define CLR_INVALID ((COLORREF)0xFFFFFFFF)
#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL
#define DIB_PAL_COLORS 1

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;  // always null: the pixels stay inside the layer
};
struct LOGBRUSH {
    UINT lbStyle;  // BS_SOLID or BS_NULL
    COLORREF lbColor;
    ULONG_PTR lbHatch;
};

namespace cxc::gdi {
struct Surface;     // a 32-bit image a DC draws into (defined inside the platform layer)
struct ObjectData;  // the state of one GDI object (defined inside the platform layer)

// Live object counts, for tests that prove drawing code restores and frees what it made.
struct LiveCounts {
    long pens = 0;
    long fonts = 0;
    long bitmaps = 0;
    long brushes = 0;
    long dcs = 0;
    long refusedDeletes = 0;  // DeleteObject on an object still selected into a DC (refused, as GDI does)
    long total() const { return pens + fonts + bitmaps + brushes + dcs; }
};
LiveCounts liveCounts();

// Saves the DC's pen, brush, font, colours, modes and current position; puts them back when it goes
// out of scope. Declare it after the objects it will see selected, so they outlive it.
class DcStateGuard {
public:
    explicit DcStateGuard(CDC& dc);
    ~DcStateGuard();
    DcStateGuard(const DcStateGuard&) = delete;
    DcStateGuard& operator=(const DcStateGuard&) = delete;

private:
    CDC& dc_;
    int saved_;
};

// Writes the DC's surface (or a bitmap) to a PNG file; false when there is nothing to write or the
// file cannot be written.
bool writePng(const CDC& dc, const char* path);
bool writeBitmapPng(const ::CBitmap& bitmap, const char* path);
// Pixel of the DC's surface as a COLORREF (0 outside the surface); tests probe pictures with it.
COLORREF pixel(const CDC& dc, int x, int y);
COLORREF bitmapPixel(const ::CBitmap& bitmap, int x, int y);
CSize surfaceSize(const CDC& dc);
}  // namespace cxc::gdi

// ---- GDI objects ---------------------------------------------------------------------------

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    // Refused (FALSE, counted) while the object is selected into a DC, as GDI refuses it.
    BOOL DeleteObject();
    int GetObject(int size, void* out) const;
    // The C++ object attached to a handle (a temporary wrapper for handles made elsewhere).
    static CGdiObject* FromHandle(HGDIOBJ h);

protected:
    BOOL attachNew(cxc::gdi::ObjectData* data);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color);
    BOOL CreatePen(int style, int width, COLORREF color);
    BOOL CreatePenIndirect(const LOGPEN* logPen);
    int GetLogPen(LOGPEN* logPen) const;
    operator HPEN() const { return m_hObject; }
    static CPen* FromHandle(HPEN h);
};

class CFont : public CGdiObject {
public:
    CFont() = default;
    BOOL CreateFontIndirect(const LOGFONTW* logFont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName);
    BOOL CreatePointFont(int pointSizeTenths, LPCTSTR faceName, CDC* dc = nullptr);
    int GetLogFont(LOGFONTW* logFont) const;
    operator HFONT() const { return m_hObject; }
    static CFont* FromHandle(HFONT h);
};

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    // A colour bitmap of the given size, initially black. Width or height below 1 fails, and so does a
    // bitmap of more than 2^28 pixels.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // The size in pixels (0, 0 without a bitmap).
    CSize GetBitmapDimension() const;
    int GetBitmap(BITMAP* bitmap) const;
    operator HBITMAP() const { return m_hObject; }
    static CBitmap* FromHandle(HBITMAP h);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color);
    BOOL CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return m_hObject; }
};

HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ h);

// ---- device contexts ------------------------------------------------------------------------

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    static CDC* FromHandle(HDC h);

    // A memory DC: a 1x1 placeholder bitmap and the default state until a bitmap is selected.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // Selecting returns the previously selected object of that kind (a temporary wrapper when it
    // was a stock object); null when nothing could be selected.
    CPen* SelectObject(CPen* pen);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CBrush* SelectObject(CBrush* brush);
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetStretchBltMode(int mode);
    int GetStretchBltMode() const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;
    // Pushes the pen, brush, font, colours, modes and position; returns the level (0 on failure).
    int SaveDC();
    // Pops back to a level SaveDC returned, or -n for the n-th most recent.
    BOOL RestoreDC(int savedDC);

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    CPoint GetCurrentPosition() const;
    // Draws from the current position up to, not including, (x, y) and moves there. A dashed one-pixel
    // pen carries its pattern on along a chain of LineTo calls; MoveTo restarts it.
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    BOOL Polyline(const POINT* points, int count);
    // A line from the current position to the arc's start, then the arc; ends at the arc's end.
    BOOL AngleArc(int x, int y, int radius, float startAngle, float sweepAngle);
    // Counter-clockwise from the radial through (x3, y3) to the radial through (x4, y4); equal radials
    // give the full ellipse in the bounding box.
    BOOL Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
    BOOL Arc(LPCRECT rect, POINT start, POINT end);
    // Arcs and ellipses pass through the pixel centres of their box's edges (right and bottom
    // excluded); a one-pixel pen draws them solid whatever its style. Ellipse fills with the brush.
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Rectangle(int left, int top, int right, int bottom);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;

    // Fills [x, x + cx) x [y, y + cy). Leaves the background colour set to the fill colour, as MFC does.
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillRect(LPCRECT rect, CBrush* brush);
    // Each channel becomes 255 - channel; inverting twice restores.
    void InvertRect(LPCRECT rect);

    // (x, y) is the cell's top-left for TA_TOP | TA_LEFT; an escapement turns the cell counter-clockwise
    // about it. OPAQUE fills the cell with the background colour first.
    BOOL TextOut(int x, int y, const CString& text);
    BOOL TextOut(int x, int y, LPCTSTR text, int length);
    // cx is the sum of the whole-pixel advances, cy the cell height; unrotated for escapement fonts.
    CSize GetTextExtent(const CString& text) const;
    CSize GetTextExtent(LPCTSTR text, int length) const;

    // Copies only pixels present in both source and destination; overlapping copies within one DC move
    // the picture whole. Stretching takes the source pixel under each destination pixel's centre
    // (every stretch mode), and extents of different signs mirror.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, DWORD rop);

    // Platform-internal: draw onto a surface that belongs to someone else (a window's client area).
    BOOL AttachSurface(cxc::gdi::Surface* surface);
    void DetachSurface();
    cxc::gdi::Surface* surface() const;

protected:
    struct State;
    State* state_ = nullptr;
};

// The raw GDI calls of the module.
BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int length, LPSIZE size);
#define GetTextExtentPoint32 GetTextExtentPoint32W
// 32-bpp BI_RGB blocks; biHeight > 0 means the rows are stored bottom-up, and then ySrc counts from the
// bottom row as in GDI. Returns the number of source lines (0 on failure).
int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                  int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                  DWORD rop);
int SetDIBitsToDevice(HDC dc, int xDest, int yDest, DWORD width, DWORD height, int xSrc, int ySrc,
                      UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage);
BOOL TransparentBlt(HDC dest, int xDest, int yDest, int destWidth, int destHeight, HDC src, int xSrc,
                    int ySrc, int srcWidth, int srcHeight, UINT transparentColor);
