// The grid, field and line layers shared by the MEG and EEG views: interpolation of the sensors'
// coupling values onto a grid over the 2-D plane, the field image drawn from it and the contour
// lines traced through it. Their members and pens exist and are released with the view; the
// computations and drawings are not built yet and answer 0 (nothing computed, nothing drawn).
#pragma once

#include "sensormapfields.h"

namespace cxc::maps {

// The five pens of the line layer, made with it and destroyed with it.
struct ContourPens {
    CPen red;     // solid, 1 px, (255, 0, 0): lines at positive levels
    CPen blue;    // solid, 1 px, (0, 0, 255): lines at negative levels
    CPen select;  // solid, 1 px, (0, 0, 239)
    CPen dashed;  // dash, 1 px, black
    CPen bold;    // solid, 2 px, black
    ContourPens();
};

// Grid layer.
int setupGridPoints(SensorMapFields& v, int nx, int ny, int border);
double calcInfluenceRadius(SnsrLocIndx* table, int n, int meanMode);
int buildGridWeights(SensorMapFields& v, int meanMode);
int calcGridData(SensorMapFields& v);

// Field layer. squareGrid: the MEG grid is n x n from the horizontal span.
int rebuildFieldGrid(SensorMapFields& v, bool squareGrid);
int drawFieldMap(SensorMapFields& v, CDC* dc, int x0, int y0, int w, int h, int mirror);
int drawFieldFrame(SensorMapFields& v, CDC* dc, int x0, int y0, int w, int h, int mirror);
// Frees the field image's header and pixels.
void releaseFieldImage(SensorMapFields& v);

// Line layer.
int calcContourLines(SensorMapFields& v, double threshold, double maximum, int levels);
int drawContourLines(SensorMapFields& v, ContourPens& pens, CDC* dc, int x0, int y0, int w, int h, int mirror);

}  // namespace cxc::maps
