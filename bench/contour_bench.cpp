// The contour map dialogs on the generated recordings (MEG 64, 128 and 275 sensors, EEG 64, 1000
// samples, a 100-sample selection), opened through the facade with the map view at 1000 x 800:
// - a rebuild (the view's rebuildFieldGrid: sensor table, grid, weights, values), as "Refresh" and
//   every show of the dialog run it;
// - the grid values of one animation step alone (multiplies and sums over the kept weights);
// - one animation step, the dialog's WM_TIMER (the selection moves one sample, the grid values and,
//   for lines and both, the contour lines are computed again) and the repaint it asks for, for the
//   display types field, lines and both.
// Each reports the heap blocks it asks for per iteration ("allocs").
#include <benchmark/benchmark.h>

#include "benchdata.h"
#include "cxcharness.h"
#include "heapcount.h"
#include "dlgeegcxccontourfieldline2dmap.h"
#include "dlgmegcxccontourfieldline2dmap.h"
#include "megshowccdata2dfaceqz.h"
#include "resource.h"
#include "testkit.h"

namespace {

namespace harness = cxc::harness;
using cxc::bench::Modality;

// Heap blocks asked for per iteration of the loop that `run` timed.
template <class Run>
void countBlocks(benchmark::State& state, Run&& run)
{
    const long long before = cxc::bench::heapBlocks();
    run();
    const long long blocks = cxc::bench::heapBlocks() - before;
    state.counters["allocs"] = state.iterations() ? static_cast<double>(blocks) / static_cast<double>(state.iterations()) : 0.0;
}

CDlgCxcContourMapCore* open(Modality m, int channels)
{
    cxc::bench::Host& h = cxc::bench::host(m, channels);
    if (m == Modality::Meg) h.face->showDlgCxcMegActCntFieldLine2DMap(h.data.get(), nullptr);
    else h.face->showDlgCxcEegActCntFieldLine2DMap(h.data.get(), nullptr);
    auto* dlg = dynamic_cast<CDlgCxcContourMapCore*>(m == Modality::Meg ? h.face->megCntAct : h.face->eegCntAct);
    cxc::bench::fitControl(dlg, IDC_MAP_VIEW, cxc::bench::kViewWidth, cxc::bench::kViewHeight);
    return dlg;
}

// The view's own operation, whichever the modality.
template <class Op>
int onView(CDlgCxcContourMapCore* dlg, Op&& op)
{
    if (auto* meg = dynamic_cast<CDlgMegCxcContourFieldLine2DMap*>(dlg)) return op(meg->mapView);
    if (auto* eeg = dynamic_cast<CDlgEegCxcContourFieldLine2DMap*>(dlg)) return op(eeg->mapView);
    return 0;
}

void rebuildCase(benchmark::State& state, Modality m)
{
    CDlgCxcContourMapCore* dlg = open(m, static_cast<int>(state.range(0)));
    countBlocks(state, [&] {
        for (auto _ : state) benchmark::DoNotOptimize(onView(dlg, [](auto& view) { return view.rebuildFieldGrid(); }));
    });
    state.counters["grid"] = dlg->viewFields().grid.nx * dlg->viewFields().grid.ny;
}

void gridValuesCase(benchmark::State& state, Modality m)
{
    const int channels = static_cast<int>(state.range(0));
    CDlgCxcContourMapCore* dlg = open(m, channels);
    CSnsCohDataqz& data = *cxc::testkit::classOf(*cxc::bench::host(m, channels).data, 0);
    countBlocks(state, [&] {
        for (auto _ : state) {
            data.nextSelect(+1, 1);
            benchmark::DoNotOptimize(onView(dlg, [](auto& view) { return view.calcGridData(); }));
        }
    });
    data.setSelect(cxc::bench::kSelectBegin, cxc::bench::kSelectEnd);
}

// Display type 0 field, 1 lines, 2 both, chosen with the dialog's radio buttons.
void stepCase(benchmark::State& state, Modality m, int type)
{
    const int channels = static_cast<int>(state.range(0));
    CDlgCxcContourMapCore* dlg = open(m, channels);
    const int radio[] = {IDC_TYPE_FIELD, IDC_TYPE_LINE, IDC_TYPE_BOTH};
    harness::clickRadio(dlg, radio[type]);
    harness::pumpPaints();
    harness::clickButton(dlg, IDC_PLAY);
    countBlocks(state, [&] {
        for (auto _ : state) {
            harness::fireTimer(dlg, cxc::dialogs::kPlayTimerId);
            benchmark::DoNotOptimize(harness::pumpPaints());
        }
    });
    harness::clickButton(dlg, IDC_PLAY);
    cxc::testkit::classOf(*cxc::bench::host(m, channels).data, 0)
        ->setSelect(cxc::bench::kSelectBegin, cxc::bench::kSelectEnd);
}

void MegContourRebuild(benchmark::State& s) { rebuildCase(s, Modality::Meg); }
void EegContourRebuild(benchmark::State& s) { rebuildCase(s, Modality::Eeg); }
void MegContourGridValues(benchmark::State& s) { gridValuesCase(s, Modality::Meg); }
void MegContourStepField(benchmark::State& s) { stepCase(s, Modality::Meg, 0); }
void MegContourStepLines(benchmark::State& s) { stepCase(s, Modality::Meg, 1); }
void MegContourStepBoth(benchmark::State& s) { stepCase(s, Modality::Meg, 2); }
void EegContourStepBoth(benchmark::State& s) { stepCase(s, Modality::Eeg, 2); }

}  // namespace

BENCHMARK(MegContourRebuild)->Arg(64)->Arg(128)->Arg(275)->Unit(benchmark::kMillisecond);
BENCHMARK(MegContourGridValues)->Arg(64)->Arg(128)->Arg(275)->Unit(benchmark::kMicrosecond);
BENCHMARK(MegContourStepField)->Arg(64)->Arg(128)->Arg(275)->Unit(benchmark::kMillisecond);
BENCHMARK(MegContourStepLines)->Arg(64)->Arg(128)->Arg(275)->Unit(benchmark::kMillisecond);
BENCHMARK(MegContourStepBoth)->Arg(64)->Arg(128)->Arg(275)->Unit(benchmark::kMillisecond);
BENCHMARK(EegContourRebuild)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(EegContourStepBoth)->Arg(64)->Unit(benchmark::kMillisecond);
