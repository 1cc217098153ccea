// The coupling waveform drawer painting one row of 275 MEG partners of 1000 samples into 1000 x 800
// pixels, as the row/column viewer does on every paint: overlay (All and four regions) and columns,
// at 1 and at 0.25 pixels per sample.
#include <benchmark/benchmark.h>

#include "benchdata.h"
#include "cxccompanions.h"
#include "megdrawccdataqz.h"

namespace {

// The generated 275-sensor helmet, the row drawn being row 0 (its 275 partners, 1000 samples).
struct Fixture {
    Fixture()
    {
        drawer.setDrawMEGData(cxc::bench::host(cxc::bench::Modality::Meg, 275).data.get());
        drawer.ampScale = 40.0;
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, 1000, 800);
        old = dc.SelectObject(&bitmap);
    }
    ~Fixture() { dc.SelectObject(old); }
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
