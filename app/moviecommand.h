// `cxcmap movie`: a movie of a window that plays (the link and patch maps' Play, the contour maps'
// Animate, the matrix viewer's Start). Its button is pressed as a user would, then each play tick
// is delivered as the window's timer message and one frame is taken after it: the whole dialog,
// or the view alone with the selection's time burned in below it.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <iosfwd>
#include <string>

#include "cxcmap2d.h"
#include "moviewriter.h"
#include "fieldtrip.h"
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
    bool rawScales = false;  // keep the module's default scales of patch maps
    data::FieldTripChoice fieldTrip;
};

struct MovieRequest {
    std::string out;
    int ticks = 0;
    int fps = 10;
    bool viewOnly = false;
};

// After frame k of n has been written; false cancels the movie.
using MovieProgress = std::function<bool(int k, int n)>;

// A movie recorded one frame at a time, so a desktop host can keep its windows alive (and offer a
// cancel) between frames. Frames go to a temporary name beside the target, which finish() renames
// into place; a recorder that goes without finishing leaves nothing. While it records, the window's
// own play timer is held back, so every tick of the movie is one of its frames.
class MovieRecorder {
public:
    MovieRecorder(CDialog& dialog, const ShowEntry& entry, CArrayMEDataSetqz* dataSet, MovieRequest request);
    ~MovieRecorder();
    MovieRecorder(const MovieRecorder&) = delete;
    MovieRecorder& operator=(const MovieRecorder&) = delete;

    // Each returns an empty string or the message of what failed (then nothing more can be done).
    std::string start();
    std::string step();  // one play tick, then its frame
    std::string finish();
    int framesDone() const { return done_; }
    int frameCount() const { return request_.ticks; }

private:
    void abandon();

    CDialog& dialog_;
    const ShowEntry& entry_;
    CArrayMEDataSetqz* dataSet_;
    MovieRequest request_;
    std::filesystem::path target_, temp_;
    int format_ = 0;
    std::unique_ptr<MovieWriter> writer_;
    unsigned heldPeriod_ = 0;  // the window's timer period while it is held back; 0: not held
    int done_ = 0;
};

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
