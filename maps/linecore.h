// The line layer shared by the MEG and EEG views: contour lines traced through the grid values by
// the contour library and drawn with the layer's pens. Lines are traced when a view has none (its
// first drawing, or after the contour object was cleaned) and by every animation step; every other
// paint draws the lines it has, so a new threshold or level count shows at the next tracing.
// Builds on the field layer.
#pragma once

#include "sensormapfields.h"

namespace cxc::maps {

// The five pens of the line layer, made with it and destroyed with it.
struct ContourPens {
    CPen red;     // solid, 1 px, (255, 0, 0): lines at positive levels (colour scales 512, 768)
    CPen blue;    // solid, 1 px, (0, 0, 255): lines at negative levels
    CPen select;  // solid, 1 px, (0, 0, 239)
    CPen dashed;  // dash, 1 px, black: positive levels on the black-and-white scale "2"
    CPen bold;    // solid, 2 px, black: negative levels on that scale
    ContourPens();
};

// True when the contour object holds traced lines.
bool holdsContourLines(const CContourLineMapqz& contour);
// 0 without grid values or for levels < 1; 1 after tracing (with or without lines).
int calcContourLines(SensorMapFields& v, double threshold, double maximum, int levels);
// 0 for a null DC, or when the view holds no lines and none can be traced.
int drawContourLines(SensorMapFields& v, ContourPens& pens, CDC* dc, int x0, int y0, int w, int h, int mirror);

}  // namespace cxc::maps
