// A 100-frame GIF of the 275-sensor MEG link map, the view alone at 1000 x 800 pixels with its time
// below it, as `cxcmap movie --view-only` makes it: play ticks, frame capture, caption, palette and
// giflib's encoder together. Peak memory is the process's high-water mark (ru_maxrss) after the
// movie, next to the mark before it (the data set alone holds about 300 MB).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>

#include "benchdata.h"
#include "cxcharness.h"
#include "megshowccdata2dfaceqz.h"
#include "moviecommand.h"
#include "showtable.h"

namespace {

double peakMegabytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

void BM_MovieGif100FramesMegLink275(benchmark::State& state)
{
    cxc::bench::Host& h = cxc::bench::host(cxc::bench::Modality::Meg, 275);
    const cxc::ShowEntry& entry = *cxc::findShow("showDlgCxcMegActLink2DMap");
    (h.face.get()->*entry.show)(h.data.get(), nullptr);
    CDialog* dialog = cxc::dialogOf(*h.face, entry);
    cxc::bench::fitControl(dialog, entry.viewId, cxc::bench::kViewWidth, cxc::bench::kViewHeight);
    const std::filesystem::path out = std::filesystem::temp_directory_path() / "cxcmap-bench-movie.gif";
    const double before = peakMegabytes();
    for (auto _ : state) {
        const std::string error = cxc::app::recordMovie(*dialog, entry, h.data.get(), {out.string(), 100, 10, true}, nullptr);
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["peak_before_MB"] = before;
    state.counters["gif_KB"] = static_cast<double>(std::filesystem::file_size(out)) / 1024.0;
    std::filesystem::remove(out);
    cxc::harness::clickButton(dialog, entry.playId);  // stops the play the movie started
}
BENCHMARK(BM_MovieGif100FramesMegLink275)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);

}  // namespace
