// Rectangles and blits: FillSolidRect and InvertRect bounds, BitBlt clipping, DIB rows, TransparentBlt.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "gdi_canvas.h"

namespace {

using namespace testgdi;

struct RectCase {
    int x, y, cx, cy;
    std::string picture;  // '#' filled
};
class FillSolidRectBounds : public ::testing::TestWithParam<RectCase> {};

TEST_P(FillSolidRectBounds, FillsUpToNotIncludingRightAndBottom)
{
    const RectCase& c = GetParam();
    Canvas canvas(6, 4);
    canvas.dc.FillSolidRect(c.x, c.y, c.cx, c.cy, kRed);
    EXPECT_EQ(canvas.picture(kRed), c.picture);
}

INSTANTIATE_TEST_SUITE_P(Gdi, FillSolidRectBounds,
                         ::testing::Values(RectCase{1, 1, 3, 2, pic({"......", ".###..", ".###..", "......"})},
                                           RectCase{0, 0, 1, 1, pic({"#.....", "......", "......", "......"})},
                                           RectCase{2, 1, 0, 2, pic({"......", "......", "......", "......"})},
                                           RectCase{4, 3, -3, -2, pic({"......", ".###..", ".###..", "......"})},
                                           RectCase{-3, -3, 5, 5, pic({"##....", "##....", "......", "......"})},
                                           // x + cx beyond INT_MAX must not wrap around to the left.
                                           RectCase{2, 1, INT_MAX, INT_MAX, pic({"......", "..####", "..####", "..####"})}));

TEST(FillSolidRect, LeavesTheBackgroundColourSetToTheFillColourAndInvertRectOfNoRectDoesNothing)
{
    Canvas canvas(30, 20);
    canvas.dc.SetBkColor(kWhite);
    canvas.dc.FillSolidRect(0, 0, 1, 1, RGB(0, 200, 0));
    EXPECT_EQ(canvas.dc.GetBkColor(), RGB(0, 200, 0));

    // It shows in the gaps of an opaque dashed line drawn afterwards.
    CPen dash(PS_DASH, 1, kBlack);
    CPen* old = canvas.dc.SelectObject(&dash);
    canvas.dc.MoveTo(0, 10);
    canvas.dc.LineTo(30, 10);
    EXPECT_EQ(canvas.at(20, 10), RGB(0, 200, 0));
    canvas.dc.SelectObject(old);
    Canvas grey(4, 4, RGB(0x12, 0x34, 0x56));
    grey.dc.InvertRect(nullptr);
    EXPECT_EQ(grey.count(RGB(0x12, 0x34, 0x56)), 16);
}

struct InvertCase {
    RECT rect;
    std::string picture;  // '#' inverted (white became black)
};
class InvertRectBounds : public ::testing::TestWithParam<InvertCase> {};

TEST_P(InvertRectBounds, InvertsUpToNotIncludingRightAndBottom)
{
    Canvas canvas(6, 4);
    canvas.dc.InvertRect(&GetParam().rect);
    EXPECT_EQ(canvas.picture(kBlack), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(Gdi, InvertRectBounds,
                         ::testing::Values(InvertCase{{1, 1, 4, 3}, pic({"......", ".###..", ".###..", "......"})},
                                           InvertCase{{5, 3, 6, 4}, pic({"......", "......", "......", ".....#"})},
                                           InvertCase{{3, 0, 3, 4}, pic({"......", "......", "......", "......"})},
                                           InvertCase{{4, 3, 1, 1}, pic({"......", ".###..", ".###..", "......"})},
                                           InvertCase{{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, pic({"######", "######", "######", "######"})}));

// A 32-bit DIB whose pixel (x, row-in-memory) has the colour colourAt(x, memoryRow).
struct Dib {
    int width, height;  // height < 0: top-down
    std::vector<RGBQUAD> bits;
    BITMAPINFO info{};

    Dib(int w, int h, COLORREF (*colourAt)(int, int)) : width(w), height(h)
    {
        const int rows = h < 0 ? -h : h;
        for (int r = 0; r < rows; ++r)
            for (int x = 0; x < w; ++x) {
                const COLORREF c = colourAt(x, r);
                bits.push_back(RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0});
            }
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
    }
};

// Memory row r of a 1-pixel-wide strip gets grey level 10 * r (+ 1 so no level is black).
COLORREF rowShade(int, int r) { return RGB(10 * r + 1, 10 * r + 1, 10 * r + 1); }
COLORREF columnShade(int x, int) { return RGB(20 * x + 1, 0, 0); }
COLORREF cell(int x, int r) { return RGB(40 * x + 1, 40 * r + 1, 7); }

// Source canvas: pixel (x, y) = RGB(x, y, 99).
void paintCoordinates(Canvas& c)
{
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) c.dc.FillSolidRect(x, y, 1, 1, RGB(x, y, 99));
}

TEST(BitBlt, CopiesOnlyWhatExistsOnBothSidesClipsToTheDestinationAndTransparentBltLeavesTheKeyColourOut)
{
    Canvas src(6, 5), dst(8, 8, kBlack);
    paintCoordinates(src);
    // Source rectangle (3, 2)-(9, 8) reaches past the source's right and bottom.
    EXPECT_TRUE(dst.dc.BitBlt(1, 1, 6, 6, &src.dc, 3, 2, SRCCOPY));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int sx = x - 1 + 3, sy = y - 1 + 2;
            const bool copied = x >= 1 && y >= 1 && x < 7 && y < 7 && sx < 6 && sy < 5;
            EXPECT_EQ(dst.at(x, y), copied ? RGB(sx, sy, 99) : kBlack) << x << "," << y;
        }
    Canvas dst4(4, 4, kBlack);
    EXPECT_TRUE(dst4.dc.BitBlt(-2, -1, 10, 10, &src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dst4.at(0, 0), RGB(2, 1, 99));
    EXPECT_EQ(dst4.at(3, 3), RGB(5, 4, 99));
    dst4.clear(kBlack);
    EXPECT_TRUE(dst4.dc.BitBlt(0, 0, 4, 4, &src.dc, -1, -2, SRCCOPY));
    EXPECT_EQ(dst4.at(0, 0), kBlack);  // no source pixel at (-1, -2)
    EXPECT_EQ(dst4.at(0, 1), kBlack);
    EXPECT_EQ(dst4.at(1, 2), RGB(0, 0, 99));
    EXPECT_EQ(dst4.at(3, 3), RGB(2, 1, 99));
    EXPECT_TRUE(dst4.dc.BitBlt(INT_MIN, INT_MIN, INT_MAX, INT_MAX, &src.dc, INT_MAX, INT_MAX, SRCCOPY));
    EXPECT_FALSE(dst4.dc.BitBlt(0, 0, 4, 4, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(dst4.dc.BitBlt(0, 0, 4, 4, &src.dc, 0, 0, 0x12345678));
    Canvas tsrc(3, 1, kRed), tdst(6, 2, kBlack);
    tsrc.dc.FillSolidRect(1, 0, 1, 1, RGB(0, 255, 0));
    EXPECT_TRUE(TransparentBlt(tdst.dc, 0, 0, 6, 2, tsrc.dc, 0, 0, 3, 1, kRed));
    EXPECT_EQ(tdst.row(0, RGB(0, 255, 0)), "..##..");
    EXPECT_EQ(tdst.row(1, kBlack), "##..##");
    EXPECT_FALSE(TransparentBlt(tdst.dc, 0, 0, -6, 2, tsrc.dc, 0, 0, 3, 1, kRed));
}

TEST(StretchDIBits, BottomUpRowsArePaintedFromTheBottomClipsToTheSurfaceAndTheDibAndRefusesWhatItCannotRead)
{
    const Dib up(1, 4, rowShade);    // memory row 0 is the picture's bottom
    const Dib down(1, -4, rowShade); // memory row 0 is the picture's top
    Canvas canvas(2, 4);
    EXPECT_EQ(StretchDIBits(canvas.dc, 0, 0, 1, 4, 0, 0, 1, 4, up.bits.data(), &up.info, DIB_RGB_COLORS, SRCCOPY), 4);
    EXPECT_EQ(StretchDIBits(canvas.dc, 1, 0, 1, 4, 0, 0, 1, 4, down.bits.data(), &down.info, DIB_RGB_COLORS, SRCCOPY), 4);
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(canvas.at(0, y), rowShade(0, 3 - y)) << y;
        EXPECT_EQ(canvas.at(1, y), rowShade(0, y)) << y;
    }
    // ySrc 0 with one row is the bottom row, which is memory row 0.
    for (int ySrc : {0, 3}) {
        StretchDIBits(canvas.dc, 0, 0, 1, 1, 0, ySrc, 1, 1, up.bits.data(), &up.info, DIB_RGB_COLORS, SRCCOPY);
        EXPECT_EQ(canvas.at(0, 0), rowShade(0, ySrc));
    }
    const Dib dib(4, -1, columnShade);
    Canvas row(6, 1, kBlack);
    // Destination starts left of the surface: its first two columns fall off.
    StretchDIBits(row.dc, -2, 0, 4, 1, 0, 0, 4, 1, dib.bits.data(), &dib.info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(row.at(0, 0), columnShade(2, 0));
    EXPECT_EQ(row.at(1, 0), columnShade(3, 0));
    EXPECT_EQ(row.at(2, 0), kBlack);
    // A source rectangle reaching past the DIB draws only the columns that exist.
    row.clear(kBlack);
    StretchDIBits(row.dc, 0, 0, 6, 1, 1, 0, 6, 1, dib.bits.data(), &dib.info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(row.at(0, 0), columnShade(1, 0));
    EXPECT_EQ(row.at(2, 0), columnShade(3, 0));
    EXPECT_EQ(row.at(3, 0), kBlack);
    EXPECT_EQ(row.at(5, 0), kBlack);
    Dib bad(2, 2, cell);
    Canvas small(2, 2);
    EXPECT_EQ(StretchDIBits(small.dc, 0, 0, 2, 2, 0, 0, 2, 2, nullptr, &bad.info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(small.dc, 0, 0, 2, 2, 0, 0, 2, 2, bad.bits.data(), nullptr, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(nullptr, 0, 0, 2, 2, 0, 0, 2, 2, bad.bits.data(), &bad.info, DIB_RGB_COLORS, SRCCOPY), 0);
    bad.info.bmiHeader.biBitCount = 24;
    EXPECT_EQ(StretchDIBits(small.dc, 0, 0, 2, 2, 0, 0, 2, 2, bad.bits.data(), &bad.info, DIB_RGB_COLORS, SRCCOPY), 0);
    bad.info.bmiHeader.biBitCount = 32;
    bad.info.bmiHeader.biWidth = INT_MAX;
    bad.info.bmiHeader.biHeight = INT_MAX;  // would be 2^62 pixels
    EXPECT_EQ(StretchDIBits(small.dc, 0, 0, 2, 2, 0, 0, 2, 2, bad.bits.data(), &bad.info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(small.count(kWhite), 4);
}

}  // namespace
