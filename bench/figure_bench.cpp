// Figures of the 275-sensor MEG link map (view 1000 x 800, about 200 links): the paint recorded, and
// the recording written as SVG, as PDF and as a PNG at scale 2, the view alone and the whole dialog.
// Counters: the file's size in kB.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "benchdata.h"
#include "cxcfigure.h"
#include "cxcharness.h"
#include "megshowccdata2dfaceqz.h"
#include "resource.h"

namespace {

namespace figure = cxc::figure;
using F = CMEGShowCCData2DFaceqz;

CDialog* linkMap275()
{
    cxc::bench::Host& h = cxc::bench::host(cxc::bench::Modality::Meg, 275);
    (h.face.get()->*&F::showDlgCxcMegActLink2DMap)(h.data.get(), nullptr);
    CDialog* dlg = h.face.get()->megLinkAct;
    cxc::bench::fitControl(dlg, IDC_MAP_VIEW, cxc::bench::kViewWidth, cxc::bench::kViewHeight);
    // A few recordings first, so that whichever case runs first pays no first-use costs of the heap.
    for (int i = 0; i < 3; ++i) benchmark::DoNotOptimize(figure::recordPaint(dlg->GetDlgItem(IDC_MAP_VIEW)));
    return dlg;
}

void MegLinkRecord275(benchmark::State& state)
{
    CWnd* view = linkMap275()->GetDlgItem(IDC_MAP_VIEW);
    for (auto _ : state) benchmark::DoNotOptimize(figure::recordPaint(view));
}

// Recording and writing, as `cxcmap render` does for one window.
void write(benchmark::State& state, figure::Format format, int scale)
{
    CDialog* dlg = linkMap275();
    CWnd* view = dlg->GetDlgItem(IDC_MAP_VIEW);
    const bool whole = state.range(0) != 0;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("cxcbench-figure-" + std::to_string(::getpid()) + ".out")).string();
    for (auto _ : state) {
        const figure::Picture pic = figure::recordPaint(view);
        const std::string error = whole ? figure::writeDialog(dlg, view, pic, {format, scale, 0}, path.c_str())
                                        : figure::write(pic, {format, scale, 0}, path.c_str());
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
    std::error_code ec;
    state.counters["kB"] = static_cast<double>(std::filesystem::file_size(path, ec)) / 1024.0;
    std::filesystem::remove(path, ec);
}

void MegLinkSvg275(benchmark::State& s) { write(s, figure::Format::Svg, 1); }
void MegLinkPdf275(benchmark::State& s) { write(s, figure::Format::Pdf, 1); }
void MegLinkPngScale2_275(benchmark::State& s) { write(s, figure::Format::Png, 2); }

}  // namespace

// Argument: 0 the view alone, 1 the whole dialog.
BENCHMARK(MegLinkSvg275)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(MegLinkPdf275)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(MegLinkPngScale2_275)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(MegLinkRecord275)->Unit(benchmark::kMillisecond);
