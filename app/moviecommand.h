// `cxcmap movie`: a movie of a window that plays (the link and patch maps' Play, the contour maps'
// Animate, the matrix viewer's Start). Its button is pressed as a user would, then each play tick
// is delivered as the window's timer message and one frame is taken after it: the whole dialog,
// or the view alone with the selection's time burned in below it.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "cxcmap2d.h"
#include "showtable.h"

namespace cxc::app {

struct MovieOptions {
    std::string data;        // data folder; empty: the built-in demo data
    std::string only;        // the show function of the window
    std::string out;         // .gif, .mp4, .webm, or a folder of PNG frames
    int ticks = 0;           // frames: one after each play tick
    int fps = 10;            // the windows' own pace is one tick per 100 ms
    long long from = -1;     // first sample of the selection when Play is pressed; -1: the data's own
    bool viewOnly = false;
    bool quiet = false;      // no progress line
};

struct MovieRequest {
    std::string out;
    int ticks = 0;
    int fps = 10;
    bool viewOnly = false;
};

// After frame k of n has been written; false cancels the movie.
using MovieProgress = std::function<bool(int k, int n)>;

// Records the movie of an open dialog of `entry` into request.out, pressing its play button unless
// its timer already runs. Empty, or the message of what failed; a failed or cancelled movie leaves
// no file behind and the old file, if any, as it was.
std::string recordMovie(CDialog& dialog, const ShowEntry& entry, CArrayMEDataSetqz* dataSet,
                        const MovieRequest& request, const MovieProgress& progress);

// "120 - 150 ms": the selection's first and last latency as the window's class data gives them.
std::string selectionCaption(CArrayMEDataSetqz* dataSet, int cxcClass);

// The show functions of the windows that play, comma separated.
std::string playingWindowNames();

// Status 0; 1 when the data, the window or the file fail; 2 for a request that cannot be met.
int runMovie(const MovieOptions& options, std::ostream& out, std::ostream& err);

}  // namespace cxc::app
