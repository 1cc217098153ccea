// The field layer shared by the MEG and EEG views: the grid values as a colour image, one 32-bit
// pixel per grid point, stretched over the map by the high-quality resampler (or by StretchDIBits
// when it refuses), the clip-overlay frame around the grid's area, and the whole grid pipeline
// (sensor table, grid size, points, weights, values). Builds on the grid layer.
//
// Colours: positive values index the positive table and everything else (0.0 and NaN too) the
// negative one, at trunc(|v| / step) within 0 .. top, where step = (fieldMaximum - threshold) / 512
// (scales 0 and 1) or / 768 (other scales). A quotient that does not fit 32 bits, or any quotient
// of a zero step, takes entry 0. The header and pixels are kept while the grid keeps its size.
#pragma once

#include "sensormapfields.h"

namespace cxc::maps {

// The signed table pair, its last entry and the value step of one colour scale.
struct FieldScale {
    const RGBQUAD* pos = nullptr;
    const RGBQUAD* neg = nullptr;
    int top = 0;
    double step = 0.0;
};
FieldScale fieldScale(const CMegIndex2Colorqz& colors, int colorScale, double fieldMaximum, double threshold);

// squareGrid: the grid is n x n from the horizontal span (MEG); otherwise each side from its span.
// 0 without a trial or sensors, for a span that gives no usable grid, or when a grid step fails.
int rebuildFieldGrid(SensorMapFields& v, bool squareGrid);
// 0 for a null DC or when there are no grid values and none can be built (squareGrid as above).
int drawFieldMap(SensorMapFields& v, bool squareGrid, CDC* dc, int x0, int y0, int w, int h, int mirror);
// 0 for a null DC or a grid without points.
int drawFieldFrame(SensorMapFields& v, CDC* dc, int x0, int y0, int w, int h, int mirror);
// Frees the field image's header and pixels.
void releaseFieldImage(SensorMapFields& v);

}  // namespace cxc::maps
