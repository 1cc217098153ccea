// The two viewers on the generated 275-sensor MEG recording (1000 samples), opened through the facade
// as a host opens them, their views repainted through WM_PAINT:
// - the matrix view of 275 x 275 pairs: the default 20-pixel cells with labels in 1000 x 800 (most
//   pairs fall outside the view and are skipped), 2-pixel cells in 1000 x 800 and 3-pixel cells in
//   1000 x 910 without labels (every pair drawn), and a play tick at 3-pixel cells (timer 101: the
//   sample moves, so no pair's mean is remembered from the paint before), with the memory of the
//   sample-major copy it plays from, its floor (one sample of every element over the run's read
//   bandwidth) and its CPU time against that floor;
// - the row/column view of one row of 275 series of 1000 samples in 1000 x 800, overlay All and
//   three columns, at 1 and at 0.25 pixels per sample.
#include <benchmark/benchmark.h>

#include "benchdata.h"
#include "cxcharness.h"
#include "dlgcxcmatrix2dviewer.h"
#include "dlgcxcrowcolumn2dviewer.h"
#include "megshowccdata2dfaceqz.h"
#include "resource.h"
#include "testkit.h"

namespace {

namespace harness = cxc::harness;
using cxc::bench::Modality;
constexpr int kChannels = 275;

CDlgCxcMatrix2DViewer* openMatrix(int cell, BOOL labels, int height)
{
    cxc::bench::Host& h = cxc::bench::host(Modality::Meg, kChannels);
    h.face->showDlgCxcMatrixAct(h.data.get(), nullptr);
    auto* dlg = dynamic_cast<CDlgCxcMatrix2DViewer*>(h.face->matrixAct);
    dlg->pixelWidth = dlg->pixelHeight = cell;
    dlg->showLabel = labels;
    dlg->UpdateData(FALSE);
    dlg->applyViewer();
    // The view's border takes one pixel on every side.
    cxc::bench::fitControl(dlg, IDC_MATRIX_VIEW, cxc::bench::kViewWidth + 2, height + 2);
    return dlg;
}

void matrixPaint(benchmark::State& state, int cell, BOOL labels, int height)
{
    CDlgCxcMatrix2DViewer* dlg = openMatrix(cell, labels, height);
    for (auto _ : state) {
        dlg->view.Invalidate(FALSE);
        benchmark::DoNotOptimize(harness::pumpPaints());
    }
}

void MatrixCells20Labels(benchmark::State& s) { matrixPaint(s, 20, TRUE, cxc::bench::kViewHeight); }
void MatrixCells2(benchmark::State& s) { matrixPaint(s, 2, FALSE, cxc::bench::kViewHeight); }
void MatrixCells3(benchmark::State& s) { matrixPaint(s, 3, FALSE, 910); }

void MatrixCells3Tick(benchmark::State& state)
{
    CDlgCxcMatrix2DViewer* dlg = openMatrix(3, FALSE, 910);
    harness::clickButton(dlg, IDC_MATRIX_PLAY);
    cxc::bench::readBandwidth();  // measured before the clock starts
    // One tick first: it builds the sample-major copy that the timed ticks play from.
    double cpu = cxc::bench::threadCpuSeconds();
    harness::fireTimer(dlg, CDlgCxcMatrix2DViewer::kPlayTimer);
    harness::pumpPaints();
    state.counters["first_tick_ms"] = cxc::bench::firstTickMs(dlg, 1e3 * (cxc::bench::threadCpuSeconds() - cpu));
    cpu = 0.0;
    for (auto _ : state) {
        const double t0 = cxc::bench::threadCpuSeconds();
        harness::fireTimer(dlg, CDlgCxcMatrix2DViewer::kPlayTimer);
        benchmark::DoNotOptimize(harness::pumpPaints());
        cpu += cxc::bench::threadCpuSeconds() - t0;
    }
    harness::clickButton(dlg, IDC_MATRIX_PLAY);
    CSnsCohDataqz* data = cxc::testkit::classOf(*cxc::bench::host(Modality::Meg, kChannels).data, 0);
    state.counters["copy_MB"] = 1e-6 * static_cast<double>(data->sampleMajorBytes());
    // The floor of a matrix tick: one sample of every element, all of them in view.
    cxc::bench::floorCounters(state, cpu, static_cast<double>(kChannels) * kChannels * sizeof(double));
    cxc::testkit::classOf(*cxc::bench::host(Modality::Meg, kChannels).data, 0)
        ->setSelect(cxc::bench::kSelectBegin, cxc::bench::kSelectEnd);
}

// Display mode 0 overlay (type All) or 1 columns (three); argument 1: 1 px per sample, 4: 0.25.
void rowColumnPaint(benchmark::State& state, int mode)
{
    cxc::bench::Host& h = cxc::bench::host(Modality::Meg, kChannels);
    h.face->showDlgCxcRowColumnAct(h.data.get(), nullptr);
    auto* dlg = dynamic_cast<CDlgCxcRowColumn2DViewer*>(h.face->rowColAct);
    dlg->displayMode = mode;
    dlg->overlayType = 0;
    dlg->displayColumn = 3;
    dlg->startSample = 0;
    dlg->timeScale = state.range(0) == 1 ? 1.0 : 0.25;
    dlg->ampScale = 20.0;
    dlg->UpdateData(FALSE);
    dlg->applyToDrawer();
    cxc::bench::fitControl(dlg, IDC_RC_VIEW, cxc::bench::kViewWidth, cxc::bench::kViewHeight);
    for (auto _ : state) {
        dlg->view.Invalidate(FALSE);
        benchmark::DoNotOptimize(harness::pumpPaints());
    }
    state.SetItemsProcessed(state.iterations() * kChannels * cxc::bench::kSamples);
}

void RowColumnOverlayAll(benchmark::State& s) { rowColumnPaint(s, 0); }
void RowColumnColumns(benchmark::State& s) { rowColumnPaint(s, 1); }

}  // namespace

BENCHMARK(MatrixCells20Labels)->Unit(benchmark::kMillisecond);
BENCHMARK(MatrixCells2)->Unit(benchmark::kMillisecond);
BENCHMARK(MatrixCells3)->Unit(benchmark::kMillisecond);
BENCHMARK(MatrixCells3Tick)->Unit(benchmark::kMillisecond);
// Argument 1: 1 pixel per sample; 4: 0.25 pixels per sample.
BENCHMARK(RowColumnOverlayAll)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(RowColumnColumns)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
