// A memory DC with a bitmap of its own for drawing tests: pixels read back as COLORREF, rows and whole
// pictures as strings ('#' where the pixel has the ink colour, '.' elsewhere).
#pragma once

#include <set>
#include <string>
#include <utility>

#include "afxwin.h"

namespace testgdi {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);

using PixelSet = std::set<std::pair<int, int>>;

class Canvas {
public:
    Canvas(int width, int height, COLORREF background = kWhite) : w(width), h(height)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, width, height);
        old = dc.SelectObject(&bitmap);
        clear(background);
    }
    ~Canvas() { dc.SelectObject(old); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Fills the whole picture without touching the DC's background colour.
    void clear(COLORREF colour)
    {
        const COLORREF keep = dc.GetBkColor();
        dc.FillSolidRect(0, 0, w, h, colour);
        dc.SetBkColor(keep);
    }
    COLORREF at(int x, int y) const { return cxc::gdi::pixel(dc, x, y); }
    std::string row(int y, COLORREF ink) const
    {
        std::string s;
        for (int x = 0; x < w; ++x) s += at(x, y) == ink ? '#' : '.';
        return s;
    }
    std::string picture(COLORREF ink) const
    {
        std::string s;
        for (int y = 0; y < h; ++y) s += row(y, ink) + "\n";
        return s;
    }
    PixelSet pixelsOf(COLORREF ink) const
    {
        PixelSet set;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (at(x, y) == ink) set.emplace(x, y);
        return set;
    }
    int count(COLORREF ink) const { return static_cast<int>(pixelsOf(ink).size()); }
    // A line as the module draws one.
    void line(int x0, int y0, int x1, int y1)
    {
        dc.MoveTo(x0, y0);
        dc.LineTo(x1, y1);
    }
    int countNot(COLORREF colour) const { return w * h - count(colour); }

    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    int w;
    int h;
};

// Keeps a pen, brush or font selected into a DC for the object's lifetime.
template <class T>
class Selected {
public:
    Selected(CDC& dc, T* object) : dc_(dc), old_(dc.SelectObject(object)) {}
    ~Selected() { dc_.SelectObject(old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    CDC& dc_;
    T* old_;
};

// Rows of a picture literal joined with newlines, for readable expected pictures.
inline std::string pic(std::initializer_list<const char*> rows)
{
    std::string s;
    for (const char* r : rows) s += std::string(r) + "\n";
    return s;
}

}  // namespace testgdi
