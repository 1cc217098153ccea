// The grid layer shared by the MEG and EEG views: a regular grid laid over the bounding box of the
// sensor table (reaching `border` cells beyond it on every side), normalised sensor weights at every
// grid point, and the grid values of the current selection, rescaled to the sensors' value span.
//
// Weights: a sensor at distance d < r from a point weighs 1 - d / r + 0.125 (so 1.125 on the sensor,
// nothing at r itself); the weights of a point are divided by their sum. They are built once per
// rebuild for the class data's current row (`gridRow`); an animation step only multiplies and sums.
// Values: extremes ignore NaN; a span or scale that is zero or not finite leaves the stored range
// and threshold as they were and answers 0 (only a zero grid span with differing sensor values says
// "Grid data range is 0.0?").
#pragma once

#include "sensormapfields.h"

namespace cxc::maps {

// 0 when nx or ny leaves no cell between the borders (before anything is allocated), when the grid
// cannot be allocated (see CDataGridRect's limits) or when there are no sensors.
int setupGridPoints(SensorMapFields& v, int nx, int ny, int border);
// meanMode: 1.6 x the mean nearest-neighbour distance (one sensor: 1.6 x sqrt(DBL_MAX)); otherwise
// 0.3 x the smallest distance between two sensors, at most 30.0. 0.0 for no table or n < 1.
double calcInfluenceRadius(const SnsrLocIndx* table, int n, int meanMode);
// 0 without sensors, grid points, a positive radius, class data, pair array or a current row inside it.
int buildGridWeights(SensorMapFields& v, int meanMode);
int calcGridData(SensorMapFields& v);

}  // namespace cxc::maps
