// cxcsmoke: draws every kind of primitive of the drawing layer into one picture and writes it as
// DIR/smoke.png (DIR defaults to "out"): lines of each pen kind, circles, filled and inverted
// rectangles, horizontal and rotated "Arial" text and a stretched 32-bit image.
#include <climits>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "afxwin.h"
#include "cxcplatform.h"

namespace {

void label(CDC& dc, int x, int y, const wchar_t* text)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(40, 40, 40));
    dc.TextOut(x, y, text, static_cast<int>(wcslen(text)));
}

void drawLines(CDC& dc, CFont& small)
{
    CFont* oldFont = dc.SelectObject(&small);
    struct PenKind {
        int style, width;
        COLORREF color;
        int bkMode;
        const wchar_t* name;
    };
    const PenKind kinds[] = {
        {PS_SOLID, 1, RGB(0, 0, 0), TRANSPARENT, L"solid 1"},
        {PS_DASH, 1, RGB(0, 0, 160), TRANSPARENT, L"dash 1, transparent"},
        {PS_DASH, 1, RGB(0, 0, 160), OPAQUE, L"dash 1, opaque on yellow"},
        {PS_DOT, 1, RGB(0, 120, 0), TRANSPARENT, L"dot 1"},
        {PS_SOLID, 2, RGB(200, 0, 0), TRANSPARENT, L"solid 2"},
        {PS_SOLID, 5, RGB(200, 100, 0), TRANSPARENT, L"solid 5"},
    };
    int y = 40;
    for (const PenKind& k : kinds) {
        CPen pen(k.style, k.width, k.color);
        CPen* old = dc.SelectObject(&pen);
        dc.SetBkMode(k.bkMode);
        dc.SetBkColor(RGB(255, 230, 0));
        dc.MoveTo(16, y);
        dc.LineTo(216, y);
        dc.SelectObject(old);
        label(dc, 226, y - 7, k.name);
        y += 22;
    }
    // A fan of one-pixel lines through every octant.
    CPen fan(PS_SOLID, 1, RGB(90, 0, 140));
    CPen* old = dc.SelectObject(&fan);
    for (int i = 0; i < 16; ++i) {
        static const int dx[16] = {60, 60, 60, 30, 0, -30, -60, -60, -60, -60, -60, -30, 0, 30, 60, 60};
        static const int dy[16] = {0, 30, 60, 60, 60, 60, 60, 30, 0, -30, -60, -60, -60, -60, -60, -30};
        dc.MoveTo(110, 240);
        dc.LineTo(110 + dx[i], 240 + dy[i]);
    }
    // Coordinates far beyond the picture: only the visible part costs anything.
    dc.MoveTo(-(1 << 30), 330);
    dc.LineTo(1 << 30, 300);
    dc.SelectObject(old);
    dc.SelectObject(oldFont);
}

void drawShapes(CDC& dc)
{
    CPen thin(PS_SOLID, 1, RGB(0, 0, 0));
    CPen thick(PS_SOLID, 3, RGB(220, 0, 0));
    CPen* old = dc.SelectObject(&thin);
    dc.MoveTo(420 + 40, 90);
    dc.AngleArc(420, 90, 40, 0.0f, 360.0f);
    dc.SelectObject(&thick);
    dc.MoveTo(420 + 25, 90);
    dc.AngleArc(420, 90, 25, 0.0f, 360.0f);
    dc.SelectObject(&thin);
    CBrush fill(RGB(150, 210, 255));
    CBrush* oldBrush = dc.SelectObject(&fill);
    dc.Ellipse(490, 50, 610, 130);
    dc.SelectObject(oldBrush);
    // A circle of radius INT_MAX whose rim is the vertical line x = 630 here.
    dc.MoveTo(630, 200);
    dc.AngleArc(630 - INT_MAX, 200, INT_MAX, 0.0f, 360.0f);
    dc.SelectObject(old);

    dc.FillSolidRect(360, 160, 120, 60, RGB(0, 90, 200));
    dc.FillSolidRect(500, 160, 110, 60, RGB(255, 200, 0));
    CRect band(420, 180, 560, 200);
    dc.InvertRect(&band);
}

void drawText(CDC& dc)
{
    CFont arial;
    LOGFONTW lf{};
    lf.lfHeight = 16;
    wcscpy(lf.lfFaceName, L"Arial");
    arial.CreateFontIndirect(&lf);
    CFont vertical;
    vertical.CreateFont(18, 0, 900, 900, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    CFont* old = dc.SelectObject(&arial);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(200, 255, 200));
    dc.TextOut(360, 240, CString(L"Arial 16, opaque cell"));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(180, 0, 0));
    dc.TextOut(360, 262, CString(L"Arial 16, transparent: MLF11 MRT42"));
    dc.SelectObject(&vertical);
    dc.SetTextColor(RGB(0, 0, 160));
    dc.TextOut(330, 470, CString(L"rotated 90 degrees"));
    dc.SelectObject(old);
}

void drawImage(CDC& dc)
{
    // A 16 x 8 bottom-up 32-bit DIB: the first row in memory is the bottom of the picture (blue),
    // the top row is red; columns run dark to light.
    const int w = 16, h = 8;
    std::vector<RGBQUAD> pixels(static_cast<std::size_t>(w * h));
    for (int row = 0; row < h; ++row) {
        for (int x = 0; x < w; ++x) {
            RGBQUAD& p = pixels[static_cast<std::size_t>(row * w + x)];
            const int shade = 60 + x * 12;
            const bool top = row == h - 1, bottom = row == 0;
            p.rgbRed = static_cast<BYTE>(top ? 255 : bottom ? 0 : shade);
            p.rgbGreen = static_cast<BYTE>(top || bottom ? 0 : shade * row / h);
            p.rgbBlue = static_cast<BYTE>(bottom ? 255 : top ? 0 : 255 - shade);
            p.rgbReserved = 0;
        }
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc.SetStretchBltMode(COLORONCOLOR);
    StretchDIBits(dc.GetSafeHdc(), 360, 300, 256, 128, 0, 0, w, h, pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string outDir = argc > 1 ? argv[1] : "out";
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);

    CDC dc;
    CBitmap picture;
    dc.CreateCompatibleDC(nullptr);
    picture.CreateCompatibleBitmap(&dc, 640, 480);
    CBitmap* oldBitmap = dc.SelectObject(&picture);
    dc.FillSolidRect(0, 0, 640, 480, RGB(255, 255, 255));

    CFont small;
    small.CreateFont(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    CFont* oldFont = dc.SelectObject(&small);
    label(dc, 16, 8, L"cxcsmoke: pens, arcs, fills, text and a stretched image");
    dc.SelectObject(oldFont);
    drawLines(dc, small);
    drawShapes(dc);
    drawText(dc);
    drawImage(dc);

    const std::string path = outDir + "/smoke.png";
    const bool ok = cxc::gdi::writePng(dc, path.c_str());
    dc.SelectObject(oldBitmap);
    if (!ok) {
        std::fprintf(stderr, "cxcsmoke: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s\n", path.c_str());
    return 0;
}
