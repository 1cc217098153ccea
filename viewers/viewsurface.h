// What both viewers do with their view's drawing area: the off-screen picture of the platform
// (kept until the dialog is resized) and the resize rule that keeps a 10-pixel margin right of and
// below the view. Internal to the module.
#pragma once

#include "afxwin.h"
#include "cxcsurface.h"

namespace cxc::viewers {

// The view's right and bottom edge follow the dialog's new client size less 10 pixels, but never
// pass its left or top edge: a dialog too small for the view leaves it empty, never inverted.
// Nothing happens while the view has no window.
void fitViewToDialog(CWnd& view, int cx, int cy);

}  // namespace cxc::viewers
