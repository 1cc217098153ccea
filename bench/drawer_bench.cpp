// The coupling waveform drawer painting one row of 275 MEG partners of 1000 samples into 1000 x 800
// pixels, as the row/column viewer does on every paint: overlay (All and four regions) and columns,
// at 1 and at 0.25 pixels per sample.
#include <benchmark/benchmark.h>

#include <cmath>

#include "cxccompanions.h"
#include "megdrawccdataqz.h"
#include "testkit.h"

namespace {

constexpr int kChannels = 275;
constexpr long long kSamples = 1000;

// Only the drawn row holds series: a full 275 x 275 array of 1000 samples would not fit the machine.
std::unique_ptr<CArrayMEDataSetqz> rowData()
{
    auto data = cxc::testkit::DataSet().meg(kChannels).noCoupling().build();
    auto cls = std::make_unique<CSnsCohDataqz>();
    cls->allocatePairs(kChannels, kChannels, kSamples);
    for (int k = 0; k < kChannels; ++k) {
        double* s = cls->newSeries();
        for (long long t = 0; t < kSamples; ++t) s[t] = std::sin(0.01 * static_cast<double>(t) * (1 + k % 7));
        cls->setPair(0, k, 0, k, s);
    }
    cls->setSelect(400, 500);
    cxc::testkit::trialOf(*data)->getCoherenceFaceqzTime(true)->setClassData(0, std::move(cls));
    return data;
}

struct Fixture {
    Fixture() : data(rowData())
    {
        drawer.setDrawMEGData(data.get());
        drawer.ampScale = 40.0;
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, 1000, 800);
        old = dc.SelectObject(&bitmap);
    }
    ~Fixture() { dc.SelectObject(old); }
    std::unique_ptr<CArrayMEDataSetqz> data;
    CMEGDrawCCDataqz drawer;
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};

void paint(benchmark::State& state, unsigned mode, int overlayType)
{
    static Fixture f;
    f.drawer.displayMode = mode;
    f.drawer.overlayType = overlayType;
    f.drawer.setDisplayColumn(5);
    f.drawer.pxPerSample = state.range(0) == 1 ? 1.0 : 0.25;
    for (auto _ : state) benchmark::DoNotOptimize(f.drawer.drawWaveCCData(&f.dc, CRect(0, 0, 1000, 800), 0));
}

void OverlayAll(benchmark::State& s) { paint(s, 0, 0); }
void OverlayRegions(benchmark::State& s) { paint(s, 0, 2); }
void Columns(benchmark::State& s) { paint(s, 1, 0); }

}  // namespace

// Argument 1: 1 pixel per sample; 4: 0.25 pixels per sample.
BENCHMARK(OverlayAll)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayRegions)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(Columns)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
