#include "stdafx.h"

#include "contourpaint.h"

namespace cxc::maps {

void setContourColours(SensorMapFields& v)
{
    const bool dark = v.colorScale != 0;
    v.backColor = dark ? RGB(0, 0, 0) : RGB(255, 255, 255);
    v.sensorColor = v.textColor = dark ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

void fillAround(CDC* dc, int w, int h, const CRect& hole, COLORREF colour)
{
    const CRect all(0, 0, w, h);
    CRect inner;
    if (!inner.IntersectRect(&hole, &all)) {
        dc->FillSolidRect(0, 0, w, h, colour);
        return;
    }
    dc->FillSolidRect(0, 0, w, inner.top, colour);
    dc->FillSolidRect(0, inner.bottom, w, h - inner.bottom, colour);
    dc->FillSolidRect(0, inner.top, inner.left, inner.Height(), colour);
    dc->FillSolidRect(inner.right, inner.top, w - inner.right, inner.Height(), colour);
}

}  // namespace cxc::maps
