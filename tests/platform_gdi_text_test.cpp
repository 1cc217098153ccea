// Text: extents of "Arial" 16, cell heights from lfHeight, opaque and transparent cells, glyph colours,
// and the placement of text turned a quarter turn by escapement 900.
#include <gtest/gtest.h>

#include <climits>
#include <cwchar>

#include "gdi_canvas.h"

namespace {

using namespace testgdi;

LOGFONTW arial(LONG height)
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    std::wcscpy(lf.lfFaceName, L"Arial");
    return lf;
}

// A canvas with an "Arial" font of the given height selected.
struct TextCanvas : Canvas {
    CFont font;
    CFont* oldFont = nullptr;
    TextCanvas(int w, int h, LONG height = 16) : Canvas(w, h)
    {
        const LOGFONTW lf = arial(height);
        font.CreateFontIndirect(&lf);
        oldFont = dc.SelectObject(&font);
    }
    ~TextCanvas() { dc.SelectObject(oldFont); }
    CSize extent(const wchar_t* s) const { return dc.GetTextExtent(s, static_cast<int>(std::wcslen(s))); }
};

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;  // inclusive
};
Box inkBox(const Canvas& c, COLORREF background)
{
    Box b;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            if (c.at(x, y) != background) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

TEST(TextExtent, Arial16HasCellHeight16AndWholeAdvancesThatAdd)
{
    TextCanvas c(10, 10);
    const CSize mlf = c.extent(L"MLF11");
    EXPECT_EQ(mlf.cy, 16);
    EXPECT_EQ(mlf.cx, c.extent(L"M").cx + c.extent(L"L").cx + c.extent(L"F").cx + 2 * c.extent(L"1").cx);
    // Liberation Sans at the pixel size whose cell is 16, with full hinting.
    EXPECT_EQ(mlf.cx, 44);
    EXPECT_EQ(c.extent(L"Hello").cx, 31);
    EXPECT_EQ(c.extent(L""), CSize(0, 16));

    SIZE viaHandle{};
    EXPECT_TRUE(GetTextExtentPoint32W(c.dc.GetSafeHdc(), L"MLF11", 5, &viaHandle));
    EXPECT_EQ(CSize(viaHandle), mlf);
    EXPECT_FALSE(GetTextExtentPoint32W(c.dc.GetSafeHdc(), L"MLF11", -1, &viaHandle));
    EXPECT_FALSE(GetTextExtentPoint32W(nullptr, L"MLF11", 5, &viaHandle));
    EXPECT_EQ(c.dc.GetTextExtent(CString(L"MLF11")), mlf);
    // A positive height is the cell, a negative one the em, zero the default.
    for (auto [lfHeight, cell] : {std::pair<LONG, int>{16, 16}, {18, 18}, {10, 10}, {40, 40}, {0, 16}, {-12, 14}, {-14, 16}})
        EXPECT_EQ(TextCanvas(10, 10, lfHeight).extent(L"Ag").cy, cell) << lfHeight;
}

TEST(TextOut, TransparentDrawsOnlyGlyphsInExactlyTheTextColour)
{
    TextCanvas c(60, 30);
    c.clear(RGB(10, 20, 30));
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.SetTextColor(RGB(200, 0, 100));
    EXPECT_TRUE(c.dc.TextOut(5, 7, CString(L"MLF11")));
    const int ink = c.count(RGB(200, 0, 100));
    EXPECT_GT(ink, 40);
    EXPECT_EQ(ink + c.count(RGB(10, 20, 30)), 60 * 30);  // no antialiasing shades
    const Box b = inkBox(c, RGB(10, 20, 30));
    EXPECT_GE(b.left, 5);
    EXPECT_LT(b.right, 5 + 44);
    EXPECT_GE(b.top, 7);
    EXPECT_LT(b.bottom, 7 + 16);
    // The baseline is 13 pixels below the cell's top: capitals end on the row above it.
    EXPECT_EQ(b.bottom, 7 + 12);
}

TEST(TextOut, OpaqueFillsExactlyTheCellWithTheBackgroundColourFillSolidRectLeftBehind)
{
    TextCanvas c(60, 30);
    c.dc.SetBkMode(OPAQUE);
    c.dc.SetBkColor(RGB(0, 0, 255));
    c.dc.SetTextColor(RGB(255, 255, 0));
    c.dc.TextOut(3, 4, CString(L"MLF11"));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool inCell = x >= 3 && x < 3 + 44 && y >= 4 && y < 4 + 16;
            const COLORREF p = c.at(x, y);
            EXPECT_TRUE(inCell ? p == RGB(0, 0, 255) || p == RGB(255, 255, 0) : p == kWhite) << x << "," << y;
        }
    TextCanvas d(60, 20);
    d.dc.FillSolidRect(50, 0, 10, 10, RGB(0, 128, 0));
    d.dc.TextOut(0, 2, CString(L"1"));
    EXPECT_EQ(d.at(0, 2), RGB(0, 128, 0));
}

TEST(TextOut, EscapementNineHundredIsTheHorizontalPictureTurnedAQuarterCounterClockwise)
{
    Canvas flat(200, 200), turned(200, 200);
    CFont horizontal, vertical;
    const LOGFONTW lf = arial(16);
    horizontal.CreateFontIndirect(&lf);
    vertical.CreateFont(16, 0, 900, 900, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    CFont* o1 = flat.dc.SelectObject(&horizontal);
    CFont* o2 = turned.dc.SelectObject(&vertical);
    flat.dc.SetBkColor(RGB(200, 255, 200));
    turned.dc.SetBkColor(RGB(200, 255, 200));
    flat.dc.TextOut(100, 100, CString(L"MLF11 Hg"));
    turned.dc.TextOut(100, 100, CString(L"MLF11 Hg"));
    const CSize e = flat.dc.GetTextExtent(CString(L"MLF11 Hg"));
    EXPECT_EQ(turned.dc.GetTextExtent(CString(L"MLF11 Hg")), e);  // extents are unrotated

    // Pixel (u, v) of the flat picture lands on (100 + (v - 100), 99 - (u - 100)).
    for (int v = 100; v < 100 + e.cy; ++v)
        for (int u = 100; u < 100 + e.cx; ++u)
            ASSERT_EQ(turned.at(100 + (v - 100), 99 - (u - 100)), flat.at(u, v)) << u << "," << v;
    // The cell spans x .. x + cy and y - cx .. y, nothing else is touched.
    const Box b = inkBox(turned, kWhite);
    EXPECT_EQ(b.left, 100);
    EXPECT_EQ(b.right, 100 + e.cy - 1);
    EXPECT_EQ(b.top, 100 - e.cx);
    EXPECT_EQ(b.bottom, 99);
    flat.dc.SelectObject(o1);
    turned.dc.SelectObject(o2);
}

TEST(TextOut, FarAwayOrEmptyTextDrawsNothingAndBadArgumentsAreRefused)
{
    TextCanvas c(40, 20);
    std::wstring longText(5000, L'W');
    EXPECT_TRUE(c.dc.TextOut(1 << 30, 5, CString(L"MLF11")));
    EXPECT_TRUE(c.dc.TextOut(INT_MIN, INT_MIN, CString(L"MLF11")));
    EXPECT_TRUE(c.dc.TextOut(-(1 << 30), 2, longText.c_str(), static_cast<int>(longText.size())));
    EXPECT_TRUE(c.dc.TextOut(3, 3, L"", 0));
    EXPECT_EQ(c.countNot(kWhite), 0);
    EXPECT_FALSE(c.dc.TextOut(3, 3, nullptr, 4));
    EXPECT_FALSE(c.dc.TextOut(3, 3, L"abc", -1));
    EXPECT_EQ(c.extent(longText.c_str()).cx, 5000 * c.extent(L"W").cx);
}

}  // namespace
