// What both viewers do with their view's drawing area: the off-screen picture a view paints into
// (a memory DC with a bitmap of the client size, kept until the dialog is resized) and the resize
// rule that keeps a 10-pixel margin right of and below the view. Internal to the module.
#pragma once

#include "afxwin.h"

namespace cxc::viewers {

// Keeps an existing pair of bitmap and memory DC. Otherwise deletes whichever is left and makes
// both at the rectangle's size, the bitmap selected into the DC. A rectangle without width or height
// gets no picture: 0, and both stay null.
int makeSurface(CBitmap*& bitmap, CDC*& memDC, CDC* paintDC, const CRect& rect);
// Deletes the DC first, so its bitmap is no longer selected when it goes; both become null.
void releaseSurface(CBitmap*& bitmap, CDC*& memDC);

// The view's right and bottom edge follow the dialog's new client size less 10 pixels, but never
// pass its left or top edge: a dialog too small for the view leaves it empty, never inverted.
// Nothing happens while the view has no window.
void fitViewToDialog(CWnd& view, int cx, int cy);

}  // namespace cxc::viewers
