// One play tick of the map dialogs as a user sees it: the timer step (the selection moves through the
// coupling library and the dialog reloads what it shows) and the repaint of the whole map, on the
// built-in demo data (150 MEG sensors and 64 EEG electrodes, 200 samples, selection of 31 samples)
// with the map view at 1000 x 800 pixels; and the two halves of a patch tick apart.
#include <benchmark/benchmark.h>

#include <memory>

#include "cxcharness.h"
#include "demodata.h"
#include "dlgeegcxctoplink2dmap.h"
#include "dlgeegcxctopwave2dmap.h"
#include "dlgmegcxctoplink2dmap.h"
#include "dlgmegcxctopwave2dmap.h"
#include "megshowccdata2dfaceqz.h"
#include "moduleresources.h"
#include "resource.h"

namespace {

namespace harness = cxc::harness;

struct Demo {
    Demo() : data(cxc::demo::build()) { cxc::resources::joinResourceChain(); }
    std::unique_ptr<CArrayMEDataSetqz> data;
    CMEGShowCCData2DFaceqz face;
};

Demo& demo()
{
    static Demo d;
    return d;
}

using Show = int (CMEGShowCCData2DFaceqz::*)(CArrayMEDataSetqz*, CWnd*);
using Slot = CDialog* CMEGShowCCData2DFaceqz::*;

// Opens the dialog with its map at 1000 x 800 and paints it once.
CDlgCxcMapCore* open(Show show, Slot slot)
{
    Demo& d = demo();
    (d.face.*show)(d.data.get(), nullptr);
    auto* dlg = dynamic_cast<CDlgCxcMapCore*>(d.face.*slot);
    const CRect view = harness::controlRect(dlg, IDC_MAP_VIEW);
    harness::resize(dlg, view.left + 1000 + 10, view.top + 800 + 10);
    harness::pumpPaints();
    return dlg;
}

// Starts play and ticks.
void tick(benchmark::State& state, Show show, Slot slot)
{
    CDlgCxcMapCore* dlg = open(show, slot);
    harness::clickButton(dlg, IDC_PLAY);
    harness::pumpPaints();
    for (auto _ : state) {
        harness::fireTimer(dlg, 100);
        benchmark::DoNotOptimize(harness::pumpPaints());
    }
    harness::clickButton(dlg, IDC_PLAY);
}

// The two halves of a patch tick: the dialog's refresh (lists, selection, caption, controls) and
// the paint of the map.
void DemoMegPatchRefresh(benchmark::State& state)
{
    CDlgCxcMapCore* dlg = open(&CMEGShowCCData2DFaceqz::showDlgCxcMegActWave2DMap, &CMEGShowCCData2DFaceqz::megWaveAct);
    for (auto _ : state) benchmark::DoNotOptimize(dlg->refreshDialog());
}
void DemoMegPatchPaint(benchmark::State& state)
{
    CDlgCxcMapCore* dlg = open(&CMEGShowCCData2DFaceqz::showDlgCxcMegActWave2DMap, &CMEGShowCCData2DFaceqz::megWaveAct);
    for (auto _ : state) {
        dlg->viewWindow().Invalidate(FALSE);
        benchmark::DoNotOptimize(harness::pumpPaints());
    }
}

using F = CMEGShowCCData2DFaceqz;
void DemoMegLinkTick(benchmark::State& s) { tick(s, &F::showDlgCxcMegActLink2DMap, &F::megLinkAct); }
void DemoEegLinkTick(benchmark::State& s) { tick(s, &F::showDlgCxcEegActLink2DMap, &F::eegLinkAct); }
void DemoMegPatchTick(benchmark::State& s) { tick(s, &F::showDlgCxcMegActWave2DMap, &F::megWaveAct); }
void DemoEegPatchTick(benchmark::State& s) { tick(s, &F::showDlgCxcEegActWave2DMap, &F::eegWaveAct); }

}  // namespace

BENCHMARK(DemoMegLinkTick)->Unit(benchmark::kMillisecond);
BENCHMARK(DemoEegLinkTick)->Unit(benchmark::kMillisecond);
BENCHMARK(DemoMegPatchTick)->Unit(benchmark::kMillisecond);
BENCHMARK(DemoEegPatchTick)->Unit(benchmark::kMillisecond);
BENCHMARK(DemoMegPatchRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(DemoMegPatchPaint)->Unit(benchmark::kMillisecond);
