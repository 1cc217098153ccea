// CPoint, CSize and CRect: the geometry classes over POINT, SIZE and RECT.
// Rectangles are right- and bottom-exclusive wherever they are filled, inverted or copied.
#pragma once

#include "windows.h"

class CSize : public SIZE {
public:
    CSize() noexcept { cx = 0; cy = 0; }
    CSize(int x, int y) noexcept { cx = x; cy = y; }
    CSize(SIZE s) noexcept { cx = s.cx; cy = s.cy; }
    bool operator==(const SIZE& o) const noexcept { return cx == o.cx && cy == o.cy; }
    bool operator!=(const SIZE& o) const noexcept { return !(*this == o); }
    // Exact matches for two CSize: C++20 would also weigh each comparison with its operands reversed.
    bool operator==(const CSize& o) const noexcept { return cx == o.cx && cy == o.cy; }
    bool operator!=(const CSize& o) const noexcept { return !(*this == o); }
};

class CPoint : public POINT {
public:
    CPoint() noexcept { x = 0; y = 0; }
    CPoint(int ix, int iy) noexcept { x = ix; y = iy; }
    CPoint(POINT p) noexcept { x = p.x; y = p.y; }
    void SetPoint(int ix, int iy) noexcept { x = ix; y = iy; }
    void Offset(int dx, int dy) noexcept { x += dx; y += dy; }
    operator LPPOINT() noexcept { return this; }
    bool operator==(const POINT& o) const noexcept { return x == o.x && y == o.y; }
    bool operator!=(const POINT& o) const noexcept { return !(*this == o); }
    bool operator==(const CPoint& o) const noexcept { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const noexcept { return !(*this == o); }
    CPoint operator+(SIZE s) const noexcept { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(SIZE s) const noexcept { return CPoint(x - s.cx, y - s.cy); }
    CSize operator-(POINT p) const noexcept { return CSize(x - p.x, y - p.y); }
};

class CRect : public RECT {
public:
    CRect() noexcept { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) noexcept { left = l; top = t; right = r; bottom = b; }
    CRect(const RECT& r) noexcept { left = r.left; top = r.top; right = r.right; bottom = r.bottom; }
    CRect(LPCRECT r) noexcept
    {
        if (r) { left = r->left; top = r->top; right = r->right; bottom = r->bottom; }
        else { left = top = right = bottom = 0; }
    }
    CRect(POINT p, SIZE s) noexcept { left = p.x; top = p.y; right = p.x + s.cx; bottom = p.y + s.cy; }

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    CPoint TopLeft() const noexcept { return CPoint(left, top); }
    CPoint BottomRight() const noexcept { return CPoint(right, bottom); }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }
    void SetRect(int l, int t, int r, int b) noexcept { left = l; top = t; right = r; bottom = b; }
    void SetRectEmpty() noexcept { left = top = right = bottom = 0; }
    bool IsRectEmpty() const noexcept { return right <= left || bottom <= top; }
    bool IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(POINT p) const noexcept { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void NormalizeRect() noexcept
    {
        if (left > right) { LONG t = left; left = right; right = t; }
        if (top > bottom) { LONG t = top; top = bottom; bottom = t; }
    }
    void OffsetRect(int dx, int dy) noexcept { left += dx; right += dx; top += dy; bottom += dy; }
    void InflateRect(int dx, int dy) noexcept { left -= dx; right += dx; top -= dy; bottom += dy; }
    void DeflateRect(int dx, int dy) noexcept { InflateRect(-dx, -dy); }
    bool IntersectRect(LPCRECT a, LPCRECT b) noexcept
    {
        CRect r(a->left > b->left ? a->left : b->left, a->top > b->top ? a->top : b->top,
                a->right < b->right ? a->right : b->right, a->bottom < b->bottom ? a->bottom : b->bottom);
        if (r.IsRectEmpty()) { SetRectEmpty(); return false; }
        *this = r;
        return true;
    }
    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }
    bool operator==(const RECT& o) const noexcept
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const RECT& o) const noexcept { return !(*this == o); }
    bool operator==(const CRect& o) const noexcept
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const noexcept { return !(*this == o); }
};
