#include "stdafx.h"

#include "viewsurface.h"

#include <algorithm>

namespace cxc::viewers {

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
