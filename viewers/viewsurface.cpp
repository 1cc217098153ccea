#include "stdafx.h"

#include "viewsurface.h"

#include <algorithm>

namespace cxc::viewers {

int makeSurface(CBitmap*& bitmap, CDC*& memDC, CDC* paintDC, const CRect& rect)
{
    if (bitmap && memDC) return 1;
    releaseSurface(bitmap, memDC);
    const __int64 w = static_cast<__int64>(rect.right) - rect.left;
    const __int64 h = static_cast<__int64>(rect.bottom) - rect.top;
    if (w < 1 || h < 1 || w > INT_MAX || h > INT_MAX) return 0;
    auto* b = new CBitmap;
    if (!b->CreateCompatibleBitmap(paintDC, static_cast<int>(w), static_cast<int>(h))) {
        delete b;
        return 0;
    }
    auto* dc = new CDC;
    if (!dc->CreateCompatibleDC(paintDC) || !dc->SelectObject(b)) {
        delete dc;
        delete b;
        return 0;
    }
    bitmap = b;
    memDC = dc;
    return 1;
}

void releaseSurface(CBitmap*& bitmap, CDC*& memDC)
{
    delete memDC;
    memDC = nullptr;
    delete bitmap;
    bitmap = nullptr;
}

void fitViewToDialog(CWnd& view, int cx, int cy)
{
    if (!view.GetSafeHwnd()) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!view.GetWindowPlacement(&placement)) return;
    RECT& r = placement.rcNormalPosition;
    r.right = static_cast<LONG>(std::max<__int64>(r.left, static_cast<__int64>(cx) - 10));
    r.bottom = static_cast<LONG>(std::max<__int64>(r.top, static_cast<__int64>(cy) - 10));
    view.SetWindowPlacement(&placement);
}

}  // namespace cxc::viewers
