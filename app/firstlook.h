// The host's first look at a window: the module's default scales of the row/column viewer and the
// patch maps suit values in the thousands, so coupling values near 1 draw flat. After opening such a
// window the host types scales that fit the data into its Amp Scale and Time Scale edits and applies
// them, as a user would; the dialog then shows the numbers in force. Every host command that opens
// windows (the viewer, render, and whatever else shows them) calls this one function.
#pragma once

class CArrayMEDataSetqz;
class CMEGShowCCData2DFaceqz;

namespace cxc {
struct ShowEntry;
}

namespace cxc::app {

// For a row/column viewer or a patch map the facade has shown: an amplitude scale that makes the
// largest |value| of the current row of the window's class fill most of a viewer row (or of half a
// patch's spacing), and a time scale that fits the series into the view (or a patch into the
// spacing). The current row keeps it cheap on a recording of any size and matches what the window
// draws first. Other windows, a window not open and data without a finite non-zero value are left
// as they are; returns whether the scales were set.
bool fitFirstLookScales(CMEGShowCCData2DFaceqz& facade, const ShowEntry& entry, CArrayMEDataSetqz& dataSet);

}  // namespace cxc::app
