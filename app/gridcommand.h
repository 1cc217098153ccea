// `cxcmap grid`: the contour view's interpolation grid for one row and selection, built by the
// view's own rebuildFieldGrid, written as CSV: "i,j,x,y,value" and one line per grid point.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "datasource.h"

namespace cxc::app {

struct GridOptions {
    std::string data;    // data folder or FieldTrip .mat file; empty: the built-in demo data
    data::FieldTripChoice fieldTrip;  // how a .mat file is read
    ClassChoice choice;  // modality, class, row (the grid's reference row), selection
    std::string out;     // CSV file
};

struct GridPointValue {
    int i, j;       // column and row of the grid
    double x, y;    // plane units
    double value;
};

// The grid as the contour view computes it, or false with the reason it cannot be built.
bool fieldGrid(CArrayMEDataSetqz& dataSet, const ClassChoice& choice, std::vector<GridPointValue>& grid,
               std::string& error);

// The CSV text of a grid ("%.17g" numbers, whatever the locale).
std::string gridCsv(const std::vector<GridPointValue>& grid);

// The whole command: the file written whole, or one line on `err` and status 1.
int runGrid(const GridOptions& options, std::ostream& out, std::ostream& err);

}  // namespace cxc::app
