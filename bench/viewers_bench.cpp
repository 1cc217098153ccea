// The matrix view painting 275 x 275 MEG channel pairs into 1000 x 800 pixels, as on every paint and
// play tick: 20-pixel cells with labels (most pairs fall outside the view and are skipped), and
// 2-pixel cells without labels (every pair drawn); the tick case moves the sample first, so no pair
// mean is remembered from the paint before.
#include <benchmark/benchmark.h>

#include <cmath>

#include "cxccompanions.h"
#include "statcxcmatrix2dview.h"
#include "testkit.h"

namespace {

constexpr int kChannels = 275;
constexpr long long kSamples = 100;

// One series per channel pair, shared by both orders, as symmetric coupling is stored.
std::unique_ptr<CArrayMEDataSetqz> matrixData()
{
    auto data = cxc::testkit::DataSet().meg(kChannels).noCoupling().build();
    auto cls = std::make_unique<CSnsCohDataqz>();
    cls->allocatePairs(kChannels, kChannels, kSamples);
    for (int i = 0; i < kChannels; ++i)
        for (int j = i; j < kChannels; ++j) {
            double* s = cls->newSeries();
            for (long long t = 0; t < kSamples; ++t) s[t] = std::sin(0.05 * static_cast<double>(t) + 0.1 * (i - j));
            cls->setPair(i, j, i, j, s);
            cls->setPair(j, i, j, i, s);
        }
    cls->setSelect(40, 50);
    cls->rangeMin = -1.0;
    cls->rangeMax = 1.0;
    cxc::testkit::trialOf(*data)->getCoherenceFaceqzTime(true)->setClassData(0, std::move(cls));
    return data;
}

struct Fixture {
    Fixture() : data(matrixData())
    {
        view.dataSet = data.get();
        paintDc.CreateCompatibleDC(nullptr);
    }
    std::unique_ptr<CArrayMEDataSetqz> data;
    CStatCxcMatrix2DView view;
    CDC paintDc;
};

void paint(benchmark::State& state, double cell, BOOL labels, bool tick)
{
    static Fixture f;
    f.view.cellWidth = f.view.cellHeight = cell;
    f.view.showLabels = labels;
    CSnsCohDataqz* data = f.view.getCxcData(0);
    long long s = 0;
    for (auto _ : state) {
        if (tick) data->setSelect(s, s + 10), s = (s + 1) % (kSamples - 10);
        benchmark::DoNotOptimize(f.view.drawMatrix(&f.paintDc, CRect(0, 0, 1000, 800)));
    }
}

void MatrixCells20Labels(benchmark::State& s) { paint(s, 20.0, TRUE, false); }
void MatrixCells2(benchmark::State& s) { paint(s, 2.0, FALSE, false); }
void MatrixCells2Tick(benchmark::State& s) { paint(s, 2.0, FALSE, true); }

}  // namespace

BENCHMARK(MatrixCells20Labels)->Unit(benchmark::kMillisecond);
BENCHMARK(MatrixCells2)->Unit(benchmark::kMillisecond);
BENCHMARK(MatrixCells2Tick)->Unit(benchmark::kMillisecond);
