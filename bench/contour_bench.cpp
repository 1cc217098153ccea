// The contour map of 275 MEG sensors (and 64 EEG electrodes) over 1000 samples with a selection of
// 100, painted into 1000 x 800 pixels: a rebuild (sensor table, grid, weights, values), the grid
// values of one animation step alone (multiplies and sums over the kept weights), and a whole step
// as the contour dialog's timer runs it (grid values, lines, paint). Each reports the heap blocks
// it asks for per iteration ("allocs").
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "cxccompanions.h"
#include "heapcount.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"
#include "testkit.h"

namespace {

constexpr long long kSamples = 1000;

// Heap blocks asked for per iteration of the loop that `run` timed.
template <class Run>
void countBlocks(benchmark::State& state, Run&& run)
{
    const long long before = cxc::bench::heapBlocks();
    run();
    const long long blocks = cxc::bench::heapBlocks() - before;
    state.counters["allocs"] = state.iterations() ? static_cast<double>(blocks) / static_cast<double>(state.iterations()) : 0.0;
}

// Only the reference row holds series: a full array of 1000 samples would not fit the machine.
std::unique_ptr<CArrayMEDataSetqz> rowData(int channels, bool meg)
{
    cxc::testkit::DataSet d;
    (meg ? d.meg(channels) : d.eeg(channels)).noCoupling();
    auto data = d.build();
    auto cls = std::make_unique<CSnsCohDataqz>();
    cls->allocatePairs(channels, channels, kSamples);
    for (int k = 0; k < channels; ++k) {
        double* s = cls->newSeries();
        for (long long t = 0; t < kSamples; ++t)
            s[t] = std::sin(0.01 * static_cast<double>(t) * (1 + k % 7)) * std::cos(0.05 * k);
        cls->setPair(0, k, 0, k, s);
    }
    cls->setSelect(400, 500);
    cxc::testkit::trialOf(*data)->getCoherenceFaceqzTime(true)->setClassData(0, std::move(cls));
    return data;
}

template <class View>
struct Fixture {
    Fixture(int channels, bool meg) : data(rowData(channels, meg))
    {
        paintDc.CreateCompatibleDC(nullptr);
        view.dataSet = data.get();
        view.mapMode = MapModeContour;
        view.contourType = 2;
        view.checkInitTrial();
        view.rebuildFieldGrid();
        view.paintMap(&paintDc, CRect(0, 0, 1000, 800));
    }
    CSnsCohDataqz& cls() { return *cxc::testkit::classOf(*data, 0); }
    std::unique_ptr<CArrayMEDataSetqz> data;
    View view;
    CDC paintDc;
};

template <class View>
void rebuild(benchmark::State& state, int channels, bool meg)
{
    Fixture<View> f(channels, meg);
    countBlocks(state, [&] {
        for (auto _ : state) benchmark::DoNotOptimize(f.view.rebuildFieldGrid());
    });
    state.counters["grid"] = f.view.grid.nx * f.view.grid.ny;
}

template <class View>
void gridValues(benchmark::State& state, int channels, bool meg)
{
    Fixture<View> f(channels, meg);
    countBlocks(state, [&] {
        for (auto _ : state) {
            f.cls().nextSelect(+1, 1);
            benchmark::DoNotOptimize(f.view.calcGridData());
        }
    });
}

template <class View>
void animationStep(benchmark::State& state, int channels, bool meg)
{
    Fixture<View> f(channels, meg);
    countBlocks(state, [&] {
        for (auto _ : state) {
            f.cls().nextSelect(+1, 1);
            f.view.calcGridData();
            f.view.calcContourLines(f.view.contourThreshold, f.view.grid.fieldMaximum, f.view.contourLevels);
            benchmark::DoNotOptimize(f.view.paintMap(&f.paintDc, CRect(0, 0, 1000, 800)));
        }
    });
}

void ContourRebuildMeg(benchmark::State& s) { rebuild<CStatMEGCClCntMapqz>(s, static_cast<int>(s.range(0)), true); }
void ContourRebuildEeg(benchmark::State& s) { rebuild<CStatEEGCxcCntMapqz>(s, 64, false); }
void ContourGridValuesMeg(benchmark::State& s) { gridValues<CStatMEGCClCntMapqz>(s, static_cast<int>(s.range(0)), true); }
void ContourGridValuesEeg(benchmark::State& s) { gridValues<CStatEEGCxcCntMapqz>(s, 64, false); }
void ContourStepMeg(benchmark::State& s) { animationStep<CStatMEGCClCntMapqz>(s, static_cast<int>(s.range(0)), true); }
void ContourStepEeg(benchmark::State& s) { animationStep<CStatEEGCxcCntMapqz>(s, 64, false); }

}  // namespace

// Argument: the number of MEG channels.
BENCHMARK(ContourRebuildMeg)->Arg(68)->Arg(137)->Arg(275)->Unit(benchmark::kMillisecond);
BENCHMARK(ContourRebuildEeg)->Unit(benchmark::kMillisecond);
BENCHMARK(ContourGridValuesMeg)->Arg(68)->Arg(137)->Arg(275)->Unit(benchmark::kMicrosecond);
BENCHMARK(ContourGridValuesEeg)->Unit(benchmark::kMicrosecond);
BENCHMARK(ContourStepMeg)->Arg(68)->Arg(137)->Arg(275)->Unit(benchmark::kMillisecond);
BENCHMARK(ContourStepEeg)->Unit(benchmark::kMillisecond);
