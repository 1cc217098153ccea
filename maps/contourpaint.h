// The contour mode of map painting, shared by the MEG and EEG leaf views: the contour colours (a
// black background with white sensors and texts for the colour scales 512 and 768, white with black
// for "2"; they stay set, and the background already filled for this paint keeps the old colour),
// then by display type the field image (0), the contour lines (1) or both (any other value), and the
// frame of the grid's area. Painting draws sensors, labels and texts over it.
#pragma once

#include "sensormapfields.h"

namespace cxc::maps {

void setContourColours(SensorMapFields& v);

template <class V>
void paintContourMode(V& v, CDC* dc)
{
    setContourColours(v);
    const int m = v.margin / 2, w = v.mapWidth, h = v.mapHeight;
    if (v.contourType != 1) v.drawFieldMap(dc, m, m, w, h, v.radiology);
    if (v.contourType != 0) v.drawContourLines(dc, m, m, w, h, v.radiology);
    v.drawFieldFrame(dc, m, m, w, h, v.radiology);
}

}  // namespace cxc::maps
