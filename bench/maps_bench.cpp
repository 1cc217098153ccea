// The link and patch map dialogs on generated recordings (MEG 64, 128 and 275 sensors, EEG 64, 1000
// samples, a 100-sample selection), opened through the facade with the map view at 1000 x 800:
// - paint: the view invalidated and repainted (WM_PAINT into the off-screen surface, copied to the
//   window), the selection unchanged;
// - tick: one WM_TIMER of the playing dialog (the selection moves one sample, so every pair's
//   mean is computed anew) and the repaint it asks for;
// - graph report: the "GT SW" button, with the dialog's first threshold (half the largest
//   |coupling|) and with the threshold off;
// - sweeps of the link tick over the MEG sensor count (32 to 275) and, at 275, over the selection's
//   width (25 to 400 samples).
// Items per second count the channel pairs a link walk visits (the upper triangle). A tick also
// reports the memory of the sample-major copy it plays from (copy_MB) and, for links, its floor: the
// bytes of every pair's selection over the run's read bandwidth (floor_ms), and its CPU time against
// that floor (to_floor).
#include <benchmark/benchmark.h>

#include "benchdata.h"
#include "cxcharness.h"
#include "dlgeegcxctoplink2dmap.h"
#include "dlgeegcxctopwave2dmap.h"
#include "dlgmegcxctoplink2dmap.h"
#include "dlgmegcxctopwave2dmap.h"
#include "megshowccdata2dfaceqz.h"
#include "resource.h"
#include "testkit.h"

namespace {

namespace harness = cxc::harness;
using cxc::bench::Modality;
using F = CMEGShowCCData2DFaceqz;

enum class Kind { Link, Patch };

// The Active link or patch dialog of a generated set, opened (again) and painted once at 1000 x 800.
CDlgCxcMapCore* open(Modality m, int channels, Kind kind)
{
    cxc::bench::Host& h = cxc::bench::host(m, channels);
    using Show = int (F::*)(CArrayMEDataSetqz*, CWnd*);
    Show show = nullptr;
    CDialog* F::*slot = nullptr;
    if (kind == Kind::Link) {
        show = m == Modality::Meg ? &F::showDlgCxcMegActLink2DMap : &F::showDlgCxcEegActLink2DMap;
        slot = m == Modality::Meg ? &F::megLinkAct : &F::eegLinkAct;
    } else {
        show = m == Modality::Meg ? &F::showDlgCxcMegActWave2DMap : &F::showDlgCxcEegActWave2DMap;
        slot = m == Modality::Meg ? &F::megWaveAct : &F::eegWaveAct;
    }
    (h.face.get()->*show)(h.data.get(), nullptr);
    auto* dlg = dynamic_cast<CDlgCxcMapCore*>(h.face.get()->*slot);
    cxc::bench::fitControl(dlg, IDC_MAP_VIEW, cxc::bench::kViewWidth, cxc::bench::kViewHeight);
    return dlg;
}

long long pairsOf(int channels) { return static_cast<long long>(channels) * (channels - 1) / 2; }

// Link style 1 (signed), or a magnitude style with one ramp per sign.
void setStyle(CDlgCxcMapCore* dlg, bool magnitude)
{
    auto* meg = dynamic_cast<CDlgMegCxcTopLink2DMap*>(dlg);
    if (meg) {
        meg->mapView.linkStyle = magnitude ? 5 : 1;
        meg->mapView.polarityView = magnitude ? 1 : 0;
    }
}

void paint(benchmark::State& state, Modality m, Kind kind, bool magnitude = false)
{
    const int channels = static_cast<int>(state.range(0));
    CDlgCxcMapCore* dlg = open(m, channels, kind);
    setStyle(dlg, magnitude);
    for (auto _ : state) {
        dlg->viewWindow().Invalidate(FALSE);
        benchmark::DoNotOptimize(harness::pumpPaints());
    }
    if (kind == Kind::Link) {
        state.counters["links"] = static_cast<double>(dlg->viewFields().linkCount);
        state.counters["threshold"] = dlg->viewFields().linkThreshold;
        state.SetItemsProcessed(state.iterations() * pairsOf(channels));
    }
    setStyle(dlg, false);
}

// width: samples of the selection while playing (0: the set's 100).
void tick(benchmark::State& state, Modality m, Kind kind, long long width = 0)
{
    const int channels = static_cast<int>(state.range(0));
    CDlgCxcMapCore* dlg = open(m, channels, kind);
    CSnsCohDataqz* data = cxc::testkit::classOf(*cxc::bench::host(m, channels).data, 0);
    if (width > 0) {
        data->setSelect(cxc::bench::kSelectBegin, cxc::bench::kSelectBegin + width - 1);
        dlg->refreshDialog();
    }
    harness::clickButton(dlg, IDC_PLAY);
    const double selected = static_cast<double>(data->selectEnd - data->selectBegin + 1);
    cxc::bench::readBandwidth();  // measured before the clock starts
    // One tick first: it builds the sample-major copy that the timed ticks play from.
    double cpu = cxc::bench::threadCpuSeconds();
    harness::fireTimer(dlg, cxc::dialogs::kPlayTimerId);
    harness::pumpPaints();
    state.counters["first_tick_ms"] = cxc::bench::firstTickMs(dlg, 1e3 * (cxc::bench::threadCpuSeconds() - cpu));
    cpu = 0.0;
    for (auto _ : state) {
        const double t0 = cxc::bench::threadCpuSeconds();
        harness::fireTimer(dlg, cxc::dialogs::kPlayTimerId);
        benchmark::DoNotOptimize(harness::pumpPaints());
        cpu += cxc::bench::threadCpuSeconds() - t0;
    }
    harness::clickButton(dlg, IDC_PLAY);
    state.counters["copy_MB"] = 1e-6 * static_cast<double>(data->sampleMajorBytes());
    // The floor of a link tick: the selection of every pair of the upper triangle, read once.
    if (kind == Kind::Link)
        cxc::bench::floorCounters(state, cpu, static_cast<double>(pairsOf(channels)) * selected * sizeof(double));
    // Back to the selection the other cases start from.
    data->setSelect(cxc::bench::kSelectBegin, cxc::bench::kSelectEnd);
    if (kind == Kind::Link) {
        state.counters["links"] = static_cast<double>(dlg->viewFields().linkCount);
        state.counters["threshold"] = dlg->viewFields().linkThreshold;
        state.SetItemsProcessed(state.iterations() * pairsOf(channels));
    }
}

// The "GT SW" button; gtThreshold is the menu's "Threshold" check.
void report(benchmark::State& state, Modality m, int useThreshold)
{
    const int channels = static_cast<int>(state.range(0));
    auto* dlg = dynamic_cast<CDlgCxcLinkMapCore*>(open(m, channels, Kind::Link));
    dlg->gtThreshold = useThreshold;
    for (auto _ : state) benchmark::DoNotOptimize(harness::clickButton(dlg, IDC_GT_SW));
    dlg->gtThreshold = 1;
}

void MegLinkPaintSigned(benchmark::State& s) { paint(s, Modality::Meg, Kind::Link); }
void MegLinkPaintMagnitude(benchmark::State& s) { paint(s, Modality::Meg, Kind::Link, true); }
void EegLinkPaintSigned(benchmark::State& s) { paint(s, Modality::Eeg, Kind::Link); }
void MegLinkTick(benchmark::State& s) { tick(s, Modality::Meg, Kind::Link); }
void EegLinkTick(benchmark::State& s) { tick(s, Modality::Eeg, Kind::Link); }
void MegGraphReportThreshold(benchmark::State& s) { report(s, Modality::Meg, 1); }
void MegGraphReportAll(benchmark::State& s) { report(s, Modality::Meg, 0); }
void MegPatchPaint(benchmark::State& s) { paint(s, Modality::Meg, Kind::Patch); }
void EegPatchPaint(benchmark::State& s) { paint(s, Modality::Eeg, Kind::Patch); }
void MegPatchTick(benchmark::State& s) { tick(s, Modality::Meg, Kind::Patch); }
void EegPatchTick(benchmark::State& s) { tick(s, Modality::Eeg, Kind::Patch); }
void SweepMegLinkTick(benchmark::State& s) { tick(s, Modality::Meg, Kind::Link); }
void SweepSelectionMegLinkTick275(benchmark::State& s) { tick(s, Modality::Meg, Kind::Link, s.range(1)); }

}  // namespace

// Sizes in ascending order, so that each large set is built once.
#define CXC_MEG_SIZES ->Arg(64)->Arg(128)->Arg(275)
#define CXC_CASE(name) BENCHMARK(name)->Unit(benchmark::kMillisecond)
CXC_CASE(MegLinkPaintSigned) CXC_MEG_SIZES;
CXC_CASE(MegLinkPaintMagnitude) CXC_MEG_SIZES;
CXC_CASE(MegLinkTick) CXC_MEG_SIZES;
CXC_CASE(MegGraphReportThreshold) CXC_MEG_SIZES;
CXC_CASE(MegGraphReportAll) CXC_MEG_SIZES;
CXC_CASE(MegPatchPaint) CXC_MEG_SIZES;
CXC_CASE(MegPatchTick) CXC_MEG_SIZES;
CXC_CASE(EegLinkPaintSigned)->Arg(64);
CXC_CASE(EegLinkTick)->Arg(64);
CXC_CASE(EegPatchPaint)->Arg(64);
CXC_CASE(EegPatchTick)->Arg(64);
CXC_CASE(SweepMegLinkTick)->Arg(32)->Arg(64)->Arg(96)->Arg(128)->Arg(192)->Arg(275);
// Arguments: sensors, samples of the selection.
CXC_CASE(SweepSelectionMegLinkTick275)->Args({275, 25})->Args({275, 50})->Args({275, 100})->Args({275, 200})->Args({275, 400});
