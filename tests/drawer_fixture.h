// Shared by the drawer tests: a drawer with its column operations in reach, and a text probe.
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>

#include "afxwin.h"
#include "cxccompanions.h"
#include "gdi_canvas.h"
#include "megdrawccdataqz.h"
#include "testkit.h"

namespace drawertest {

using cxc::testkit::DataSet;
using testgdi::Canvas;

inline constexpr COLORREF kGrey = RGB(128, 128, 128);
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class TestDrawer : public CMEGDrawCCDataqz {
public:
    using CMEGDrawCCData07MColumns::_drawColumnChannelBaseLine;
    using CMEGDrawCCData07MColumns::_drawColumnChannelName;
    using CMEGDrawCCData07MColumns::_drawColumnDataValues;
    using CMEGDrawCCData07MColumns::drawColumnTime;
    using CMEGDrawCCData07MColumns::drawColumnTimeX;

    explicit TestDrawer(const DataSet& recipe) : data(recipe.build()) { setDrawMEGData(data.get()); }
    CSnsCohDataqz& cls(int c = 0) { return *cxc::testkit::classOf(*data, c); }

    std::unique_ptr<CArrayMEDataSetqz> data;
};

// Width and height of a text in the drawer's font.
inline CSize extent(CMEGDraw& d, const wchar_t* text)
{
    Canvas c(8, 8);
    cxc::gdi::DcStateGuard keep(c.dc);
    c.dc.SelectObject(&d.font);
    return c.dc.GetTextExtent(CString(text));
}

// Does `text`, written at (x, y) in the drawer's font, ink and white background, stand there?
inline ::testing::AssertionResult showsText(const Canvas& c, CMEGDraw& d, int x, int y, const wchar_t* text,
                                            COLORREF ink = RGB(0, 0, 0))
{
    Canvas ref(c.w, c.h);
    const CSize size = extent(d, text);
    {
        cxc::gdi::DcStateGuard keep(ref.dc);
        ref.dc.SelectObject(&d.font);
        ref.dc.SetTextColor(ink);
        ref.dc.SetBkColor(RGB(255, 255, 255));
        ref.dc.TextOut(x, y, CString(text));
    }
    int inked = 0;
    for (int py = y; py < y + size.cy; ++py)
        for (int px = x; px < x + size.cx; ++px) {
            if (ref.at(px, py) != c.at(px, py))
                return ::testing::AssertionFailure() << "text differs at (" << px << ", " << py << ")";
            inked += c.at(px, py) == ink;
        }
    if (inked == 0) return ::testing::AssertionFailure() << "no ink where the text should stand";
    return ::testing::AssertionSuccess();
}

inline int countIn(const Canvas& c, COLORREF colour, CRect r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += c.at(x, y) == colour;
    return n;
}

}  // namespace drawertest
