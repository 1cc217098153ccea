#include "stdafx.h"

#include "linecore.h"

namespace cxc::maps {

ContourPens::ContourPens()
{
    red.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    blue.CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    select.CreatePen(PS_SOLID, 1, RGB(0, 0, 239));
    dashed.CreatePen(PS_DASH, 1, RGB(0, 0, 0));
    bold.CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
}

bool holdsContourLines(const CContourLineMapqz& contour) { return contour.segCount != 0 && contour.segments; }

int calcContourLines(SensorMapFields& v, double threshold, double maximum, int levels)
{
    if (!v.grid.values || levels < 1) return 0;
    v.contour._clean();
    v.contour.initLevelAbs(threshold, maximum, levels);
    v.contour.dataGrid2ContourLinePro(&v.grid);
    return 1;
}

int drawContourLines(SensorMapFields& v, ContourPens& pens, CDC* dc, int x0, int y0, int w, int h, int mirror)
{
    if (!dc) return 0;
    if (!holdsContourLines(v.contour) &&
        !calcContourLines(v, v.contourThreshold, v.grid.fieldMaximum, v.contourLevels))
        return 0;
    cxc::gdi::DcStateGuard keep(*dc);  // the pen comes back
    CPen* first = &pens.red;
    CPen* second = &pens.blue;
    if (v.colorScale != 0) {
        dc->SelectObject(&pens.select);
    } else {
        dc->SelectObject(&pens.bold);
        first = &pens.dashed;
        second = &pens.bold;
    }
    v.contour.drawMap(dc, x0, y0, v.scaleX, v.scaleY, w, h, mirror != 0, false, first, second);
    return 1;
}

}  // namespace cxc::maps
