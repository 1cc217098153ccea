#include "cxcsurface.h"

#include <climits>

namespace cxc::gdi {

int makeSurface(CBitmap*& bitmap, CDC*& memDC, CDC* paintDC, const CRect& rect)
{
    if (bitmap && memDC) return 1;
    releaseSurface(bitmap, memDC);
    const long long w = static_cast<long long>(rect.right) - rect.left;
    const long long h = static_cast<long long>(rect.bottom) - rect.top;
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

}  // namespace cxc::gdi
