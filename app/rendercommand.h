// `cxcmap render`: headless pictures of the module's windows. Each window is opened through its
// show function on a fresh facade, painted, optionally played for some timer ticks, and written as
// <show function>.png, .svg or .pdf (the whole dialog, or the view alone) from a recording of the
// view's paint; one line per file tells the time the last paint of the view took.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "figurefile.h"
#include "fieldtrip.h"

namespace cxc::app {

struct RenderOptions {
    std::string data;               // data folder or FieldTrip .mat file; empty: the built-in demo data
    data::FieldTripChoice fieldTrip;  // how a .mat file is read
    std::string out;                // folder of the pictures
    std::vector<std::string> only;  // show functions to render; empty: every window the module offers
    int ticks = 0;                  // play timer ticks on the windows that play
    bool viewOnly = false;          // the view's picture at the view's size instead of the dialog
    figure::Format format = figure::Format::Png;
    int scale = 1;                  // PNG only, 1 to 8
    int dpi = 0;                    // recorded resolution; 0: 96 per scale step
    bool rawScales = false;         // keep the module's default scales of viewers and patch maps
};

// Status 0, or 1 when the options, the data or the folder were refused or a window could not be opened, drawn
// or written (the others are still rendered).
int runRender(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace cxc::app
