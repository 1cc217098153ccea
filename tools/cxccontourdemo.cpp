// Opens the contour map dialogs of the Active class on the built-in demo data headless, through the
// facade's show functions as a host would, and writes a screenshot of each display type:
//   cxccontourdemo [OUTDIR]   (default: out) -> OUTDIR/contour-{meg,eeg}-{field,line,both}.png
// The user's steps are played through the dialogs' controls: the reference row is the channel of
// the map's kind most strongly coupled with the others of its kind, chosen in the row list and
// shown with "Refresh"; then each display type is chosen with its radio button.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "afxwin.h"
#include "cxccompanions.h"
#include "cxcharness.h"
#include "cxcmodule.h"
#include "cxcplatform.h"
#include "demodata.h"
#include "dlgeegcxccontourfieldline2dmap.h"
#include "dlgmegcxccontourfieldline2dmap.h"
#include "megshowccdata2dfaceqz.h"
#include "resource.h"

namespace harness = cxc::harness;

namespace {

// The row of that kind whose coupling with the others of its kind is strongest over the selection.
int strongestRow(CSnsCohDataqz& data, CMDTrialqz& trial, bool meg)
{
    auto ofKind = [&](long long i) {
        const CWavChnlChnlDataqz* self = data.pairAt(i, i);
        CMDChannelqz* ch = self ? trial.channelAt(self->colChnl) : nullptr;
        return ch && (meg ? ch->isMEGMeasureChannel() : ch->isEEGMeasureChannel());
    };
    int best = 0;
    double bestSum = -1.0;
    for (long long i = 0; i < data.rowCount; ++i) {
        if (!ofKind(i)) continue;
        double sum = 0.0;
        for (long long j = 0; j < data.colCount; ++j) {
            const double v = j != i && ofKind(j) ? std::fabs(data.getValueSelect(-1, -1, i, j)) : 0.0;
            if (std::isfinite(v)) sum += v;
        }
        if (sum > bestSum) {
            bestSum = sum;
            best = static_cast<int>(i);
        }
    }
    return best;
}

// The dialog in each display type: the map painted twice, as the contour colours take over from
// the second paint on.
template <class D>
bool shootTypes(D* dlg, int row, const std::string& prefix)
{
    if (!dlg) return false;
    harness::selectCombo(dlg, IDC_ROW_COMBO, row);
    harness::selectCombo(dlg, IDC_COLUMN_COMBO, row);
    harness::menuCommand(dlg, ID_VIEW_REFRESH);
    bool ok = true;
    const struct {
        int id;
        const char* name;
    } types[] = {{IDC_TYPE_FIELD, "field"}, {IDC_TYPE_LINE, "line"}, {IDC_TYPE_BOTH, "both"}};
    for (const auto& t : types) {
        harness::clickRadio(dlg, t.id);
        harness::pumpPaints();
        dlg->mapView.Invalidate(FALSE);
        harness::pumpPaints();
        const std::string path = prefix + t.name + ".png";
        const bool wrote = harness::writePng(dlg, path.c_str());
        std::printf("%s %s\n", wrote ? "wrote" : "could not write", path.c_str());
        ok &= wrote;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string outDir = argc > 1 ? argv[1] : "out";
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    if (!cxcmapModuleInit()) {
        std::fprintf(stderr, "cxccontourdemo: the module could not start\n");
        return 1;
    }
    std::filesystem::create_directories(outDir);
    auto data = cxc::demo::build();
    CMEGDataqz* session = data ? data->getSessionData(-1) : nullptr;
    CMDTrialqz* trial = session ? session->getTrialqz(-1) : nullptr;
    CSnsCohFaceqz* package = trial ? trial->getCoherenceFaceqzTime(false) : nullptr;
    CSnsCohDataqz* active = package ? package->getCoherenceData(0) : nullptr;
    if (!active) {
        std::fprintf(stderr, "cxccontourdemo: the demo data set could not be built\n");
        return 1;
    }
    const int megRow = strongestRow(*active, *trial, true);
    const int eegRow = strongestRow(*active, *trial, false);

    CMEGShowCCData2DFaceqz face;
    bool ok = face.showDlgCxcMegActCntFieldLine2DMap(data.get(), nullptr) == 1;
    ok &= shootTypes(dynamic_cast<CDlgMegCxcContourFieldLine2DMap*>(face.megCntAct), megRow, outDir + "/contour-meg-");
    ok &= face.showDlgCxcEegActCntFieldLine2DMap(data.get(), nullptr) == 1;
    ok &= shootTypes(dynamic_cast<CDlgEegCxcContourFieldLine2DMap*>(face.eegCntAct), eegRow, outDir + "/contour-eeg-");

    for (const auto& m : harness::messageBoxes())
        std::fprintf(stderr, "cxccontourdemo: message box \"%s\"\n", cxc::toUtf8(m.text).c_str());
    return ok ? 0 : 1;
}
