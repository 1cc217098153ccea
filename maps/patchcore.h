// The waveform layer shared by the MEG and EEG views: at every shown sensor, the coupling series of
// the current row with that sensor's channel over the selection, as a small curve centred on the
// sensor ((e - b) * timeScale px wide, positive values up by ampScale px per unit). The curve of the
// current column is drawn in the selection colour. Mirroring moves the curve with its sensor but
// does not reverse it; curve points are not clamped, the DC clips them.
//
// A selection that is empty after clamping to the series draws no curve. Curve points saturate far
// outside any bitmap; a NaN point is left out and the curve goes on from the next point with a move.
#pragma once

#include "sensorcore.h"

namespace cxc::maps {

int drawPatches(SensorMapFields& v, CDC* dc, int x0, int y0, int w, int h, int mirror, int type);

}  // namespace cxc::maps
