// `cxcmap` without a command: the interactive viewer on a desktop, until its main window closes.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "fieldtrip.h"

namespace cxc::app {

struct ViewerOptions {
    std::string data;               // data folder or FieldTrip .mat file; empty: the built-in demo data
    data::FieldTripChoice fieldTrip;  // how a .mat file is read
    std::vector<std::string> open;  // windows to open at the start, by show function name
    bool rawScales = false;         // keep the module's default scales of viewers and patch maps
};

// Needs a display (DISPLAY or WAYLAND_DISPLAY, unless QT_QPA_PLATFORM names a platform).
int runViewer(const ViewerOptions& options, int& qtArgc, char** qtArgv, std::ostream& out, std::ostream& err);

}  // namespace cxc::app
