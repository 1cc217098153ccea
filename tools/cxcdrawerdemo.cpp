// Draws the coupling waveform drawer's three display modes on the built-in demo data set, for the MEG
// pair whose coupling grows most from the first 50 samples to the default selection (a pair of the
// network), the row of one of its channels with the other highlighted, and writes one PNG per mode:
//   cxcdrawerdemo [OUTDIR]   (default: out) -> drawer-overlay.png, drawer-columns.png, drawer-beside.png
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "afxwin.h"
#include "cxccompanions.h"
#include "cxcplatform.h"
#include "demodata.h"
#include "megdrawccdataqz.h"

namespace {

// The MEG pair whose coupling grows most from the first 50 samples to the selection.
void networkPair(CSnsCohDataqz& data, int megCount, __int64& row, __int64& col)
{
    double best = -1.0;
    for (__int64 i = 0; i < megCount; ++i)
        for (__int64 j = i + 1; j < megCount; ++j) {
            const double v = data.getValueSelect(-1, -1, i, j) - data.getValueSelect(0, 49, i, j);
            if (v > best) {
                best = v;
                row = i;
                col = j;
            }
        }
}

bool drawMode(CMEGDrawCCDataqz& drawer, unsigned mode, int width, int height, const std::string& path)
{
    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(nullptr);
    if (!bitmap.CreateCompatibleBitmap(&dc, width, height)) return false;
    CBitmap* old = dc.SelectObject(&bitmap);
    drawer.displayMode = mode;
    drawer.drawWaveCCData(&dc, CRect(0, 0, width, height), 0);
    const bool ok = cxc::gdi::writePng(dc, path.c_str());
    dc.SelectObject(old);
    if (ok) std::printf("%s\n", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string outDir = argc > 1 ? argv[1] : "out";
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    std::unique_ptr<CArrayMEDataSetqz> data = cxc::demo::build();
    CMDTrialqz* trial = data->getSessionData(-1)->getTrialqz(-1);
    CSnsCohDataqz* active = trial->getCoherenceFaceqzTime(false)->getCoherenceData(0);
    networkPair(*active, trial->getMeasureMegCoilADimension(), active->curRow, active->curCol);

    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    // Deleted last: the overlay leaves its axis pen selected in the pictures' DCs.
    CMEGDrawCCDataqz drawer;
    drawer.setDrawMEGData(data.get());
    bool ok = true;

    // Overlay: correlations of -1..1 over 300 px around the base line, the series across the width.
    drawer.baseLineY = 300;
    drawer.ampScale = 150.0;
    drawer.showGrid1 = 1;
    drawer.pxPerSample = (1000.0 - static_cast<double>(drawer.nameWidth)) / static_cast<double>(active->sampleCount);
    ok = drawMode(drawer, 0, 1000, 600, outDir + "/drawer-overlay.png") && ok;

    // Columns: every partner of the row in six columns, decimated (two samples per pixel).
    drawer.setDisplayColumn(6);
    drawer.ampScale = 10.0;
    drawer.pxPerSample = 0.45;
    ok = drawMode(drawer, 1, 1400, 1000, outDir + "/drawer-columns.png") && ok;

    // Overlay beside columns: the strip takes a quarter of the width with three columns beside it.
    drawer.setDisplayColumn(3);
    drawer.pxPerSample = 1.0;
    drawer.ampScale = 10.0;
    ok = drawMode(drawer, 2, 1400, 1000, outDir + "/drawer-beside.png") && ok;
    return ok ? 0 : 1;
}
