// Opens the row/column viewer and the matrix viewer on the built-in demo data set through the facade,
// as a host does, sets them up through their controls as a user would, and writes a screenshot of
// each dialog:
//   cxcviewerdemo [OUTDIR]   (default: out) -> viewer-overlay-all.png, viewer-overlay-two-sides.png,
//                            viewer-overlay-four-regions.png, viewer-columns.png, viewer-matrix.png,
//                            viewer-matrix-whole.png
// The row shown is an MEG channel of the network (the pair whose coupling grows most from the first
// 50 samples to the default selection), with its partner highlighted.
#include <cstdio>
#include <filesystem>
#include <string>

#include "afxwin.h"
#include "cxccompanions.h"
#include "cxcharness.h"
#include "cxcmap2d.h"
#include "cxcplatform.h"
#include "demodata.h"
#include "dlgcxcmatrix2dviewer.h"
#include "dlgcxcrowcolumn2dviewer.h"
#include "resource.h"

namespace {

using namespace cxc::harness;

void networkPair(CSnsCohDataqz& data, int megCount, int& row, int& col)
{
    double best = -1.0;
    for (int i = 0; i < megCount; ++i)
        for (int j = i + 1; j < megCount; ++j) {
            const double v = data.getValueSelect(-1, -1, i, j) - data.getValueSelect(0, 49, i, j);
            if (v > best) {
                best = v;
                row = i;
                col = j;
            }
        }
}

bool shoot(CWnd* dialog, const std::string& path)
{
    pumpPaints();
    const bool ok = writePng(dialog, path.c_str());
    std::printf("%s %s\n", ok ? "wrote" : "could not write", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string outDir = argc > 1 ? argv[1] : "out";
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    if (!cxcmapModuleInit()) {
        std::fprintf(stderr, "cxcviewerdemo: the module could not start\n");
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    auto data = cxc::demo::build();
    CMEGDataqz* session = data ? data->getSessionData(-1) : nullptr;
    CMDTrialqz* trial = session ? session->getTrialqz(-1) : nullptr;
    CSnsCohFaceqz* package = trial ? trial->getCoherenceFaceqzTime(false) : nullptr;
    CSnsCohDataqz* active = package ? package->getCoherenceData(0) : nullptr;
    if (!trial || !active) {
        std::fprintf(stderr, "cxcviewerdemo: the demo data set could not be built\n");
        return 1;
    }
    int row = 0, col = 1;
    networkPair(*active, trial->getMeasureMegCoilADimension(), row, col);

    bool ok = true;
    {
        CMEGShowCCData2DFaceqz face;
        if (!face.showDlgCxcRowColumnAct(data.get(), nullptr)) return 1;
        CWnd* rc = face.rowColAct;
        // The row first: the lists are filled from the row the viewer shows.
        selectCombo(rc, IDC_ROW_COMBO, row);
        face.showDlgCxcRowColumnAct(data.get(), nullptr);
        selectCombo(rc, IDC_RC_COLUMN, col);
        typeText(rc, IDC_TIME_SCALE, L"5.9");
        typeText(rc, IDC_AMP_SCALE, L"140");
        clickButton(rc, IDC_REFRESH);
        ok = shoot(rc, outDir + "/viewer-overlay-all.png") && ok;
        typeText(rc, IDC_AMP_SCALE, L"60");
        selectCombo(rc, IDC_RC_TYPE, 1);
        ok = shoot(rc, outDir + "/viewer-overlay-two-sides.png") && ok;
        typeText(rc, IDC_AMP_SCALE, L"40");
        selectCombo(rc, IDC_RC_TYPE, 2);
        ok = shoot(rc, outDir + "/viewer-overlay-four-regions.png") && ok;
        selectCombo(rc, IDC_RC_LAYOUT, 1);
        selectCombo(rc, IDC_RC_TYPE, 6);
        typeText(rc, IDC_TIME_SCALE, L"0.34");
        typeText(rc, IDC_AMP_SCALE, L"10");
        clickButton(rc, IDC_REFRESH);
        ok = shoot(rc, outDir + "/viewer-columns.png") && ok;

        if (!face.showDlgCxcMatrixAct(data.get(), nullptr)) return 1;
        CWnd* mx = face.matrixAct;
        ok = shoot(mx, outDir + "/viewer-matrix.png") && ok;
        typeText(mx, IDC_PIXEL_WIDTH, L"2");
        typeText(mx, IDC_PIXEL_HEIGHT, L"2");
        typeText(mx, IDC_ORIGIN_X, L"30");
        typeText(mx, IDC_ORIGIN_Y, L"30");
        clickCheck(mx, IDC_MATRIX_SHOW_LABEL);
        clickButton(mx, IDC_REFRESH);
        ok = shoot(mx, outDir + "/viewer-matrix-whole.png") && ok;
    }
    return ok ? 0 : 1;
}
