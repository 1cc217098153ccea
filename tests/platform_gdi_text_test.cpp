// Text extents and cell heights, and text far away or refused; glyph pictures are in the snapshots.
#include <gtest/gtest.h>

#include <climits>
#include <cwchar>
#include <tuple>

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

TEST(Text, Arial16HasCell16AndAdvancesThatAddFarAwayTextDrawsNothingBadArgumentsAreRefusedCutWordsAreWhole)
{
    TextCanvas c(10, 10);
    const CSize mlf = c.extent(L"MLF11");
    EXPECT_EQ(mlf.cy, 16);
    EXPECT_EQ(mlf.cx, c.extent(L"M").cx + c.extent(L"L").cx + c.extent(L"F").cx + 2 * c.extent(L"1").cx);
    EXPECT_EQ(c.extent(L""), CSize(0, 16));

    SIZE viaHandle{};
    EXPECT_TRUE(GetTextExtentPoint32W(c.dc.GetSafeHdc(), L"MLF11", 5, &viaHandle));
    EXPECT_EQ(CSize(viaHandle), mlf);
    EXPECT_FALSE(GetTextExtentPoint32W(c.dc.GetSafeHdc(), L"MLF11", -1, &viaHandle));
    EXPECT_FALSE(GetTextExtentPoint32W(nullptr, L"MLF11", 5, &viaHandle));
    // A positive height is the cell, a negative one the em, zero the default.
    for (auto [lfHeight, cell] : {std::pair<LONG, int>{18, 18}, {10, 10}, {0, 16}, {-12, 14}})
        EXPECT_EQ(TextCanvas(10, 10, lfHeight).extent(L"Ag").cy, cell) << lfHeight;
    TextCanvas t(40, 20);
    std::wstring longText(5000, L'W');
    EXPECT_TRUE(t.dc.TextOut(1 << 30, 5, CString(L"MLF11")));
    EXPECT_TRUE(t.dc.TextOut(INT_MIN, INT_MIN, CString(L"MLF11")));
    EXPECT_TRUE(t.dc.TextOut(-(1 << 30), 2, longText.c_str(), static_cast<int>(longText.size())));
    EXPECT_TRUE(t.dc.TextOut(3, 3, L"", 0));
    EXPECT_EQ(t.countNot(kWhite), 0);
    EXPECT_FALSE(t.dc.TextOut(3, 3, nullptr, 4));
    EXPECT_FALSE(t.dc.TextOut(3, 3, L"abc", -1));
    EXPECT_EQ(t.extent(longText.c_str()).cx, 5000 * t.extent(L"W").cx);
    TextCanvas whole(120, 60);
    whole.dc.SetBkMode(TRANSPARENT);
    whole.dc.SetTextColor(kRed);
    whole.dc.TextOut(20, 20, L"Wjg|", 4);
    const PixelSet drawn = whole.pixelsOf(kRed);
    ASSERT_FALSE(drawn.empty());
    for (auto [dx, dy, colour] : {std::tuple{-25, 0, RGB(0, 0, 255)}, {0, -28, RGB(0, 255, 0)}, {90, 0, kRed},
                                  {0, 40, kBlack}, {-30, -30, RGB(1, 2, 3)}}) {
        TextCanvas cut(120, 60);
        cut.dc.SetBkMode(TRANSPARENT);
        cut.dc.SetTextColor(colour);
        cut.dc.TextOut(20 + dx, 20 + dy, L"Wjg|", 4);
        PixelSet expected;
        for (auto [x, y] : drawn)
            if (x + dx >= 0 && x + dx < 120 && y + dy >= 0 && y + dy < 60) expected.emplace(x + dx, y + dy);
        EXPECT_EQ(cut.pixelsOf(colour), expected) << dx << "," << dy;
    }
}

}  // namespace
