// The coupling class selector: which class of channel-by-channel coupling data a window shows. The
// values are passed unchanged to the coupling package; -1 asks it for the class it currently holds.
#pragma once

using CxcClass = int;

enum : int {
    CxcClassCurrent = -1,  // the class the coupling package holds
    CxcClassActive = 0,    // Active selection, "Active"
    CxcClassControl = 1,   // Control selection, "Control"
    CxcClassActCtl = 2,    // Active-Control result, "Act-Ctl"
};
