// The off-screen picture a view paints into before copying it to its window in one block: a bitmap
// selected into a memory DC, both owned by the view, made at the client size and kept until the
// view lets them go.
#pragma once

#include "cxcgdi.h"

namespace cxc::gdi {

// Keeps an existing pair of bitmap and memory DC. Otherwise deletes whichever is left and makes
// both at the rectangle's size, the bitmap selected into the DC. A rectangle without width or height,
// or a bitmap or DC that cannot be made, gives no picture: 0, and both stay null.
int makeSurface(CBitmap*& bitmap, CDC*& memDC, CDC* paintDC, const CRect& rect);
// Deletes the DC first, so its bitmap is no longer selected when it goes; both become null.
void releaseSurface(CBitmap*& bitmap, CDC*& memDC);

}  // namespace cxc::gdi
