// The contour mode of map painting, shared by the MEG and EEG leaf views: the contour colours (a
// black background with white sensors and texts for the colour scales 512 and 768, white with black
// for "2"; they stay set, and the background already filled for this paint keeps the old colour),
// then by display type the field image (0), the contour lines (1) or both (any other value), and the
// frame of the grid's area. Painting draws sensors, labels and texts over it.
#pragma once

#include "sensormapfields.h"

namespace cxc::maps {

void setContourColours(SensorMapFields& v);
// Fills the w x h picture with `colour` outside `hole`.
void fillAround(CDC* dc, int w, int h, const CRect& hole, COLORREF colour);

// With `back` (only when the field is shown), the background has not been filled yet: it is filled in
// that colour around what the field wrote, which covers the rest.
template <class V>
void paintContourMode(V& v, CDC* dc, const COLORREF* back = nullptr)
{
    setContourColours(v);
    const int m = v.margin / 2, w = v.mapWidth, h = v.mapHeight;
    if (v.contourType != 1) {
        const bool drawn = v.drawFieldMap(dc, m, m, w, h, v.radiology) == 1;
        if (back && drawn && v.hqDraw.covered().IsRectEmpty()) {
            // Drawn another way (StretchDIBits) or not at all: the background goes under it, as usual.
            dc->FillSolidRect(0, 0, w, h, *back);
            v.drawFieldMap(dc, m, m, w, h, v.radiology);
        } else if (back) {
            fillAround(dc, w, h, drawn ? v.hqDraw.covered() : CRect(), *back);
        }
    }
    if (v.contourType != 0) v.drawContourLines(dc, m, m, w, h, v.radiology);
    v.drawFieldFrame(dc, m, m, w, h, v.radiology);
}

}  // namespace cxc::maps
