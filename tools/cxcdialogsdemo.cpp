// Opens the link and patch map dialogs of the Active class on the built-in demo data headless,
// through the facade's show functions as a host would, and writes a screenshot of each:
//   cxcdialogsdemo [OUTDIR]   (default: out) -> OUTDIR/dlg-meg-link.png, dlg-eeg-link.png,
//                             dlg-meg-patch.png, dlg-eeg-patch.png, dlg-meg-stdset.png
// The user's steps are played through the dialogs' controls: the reference row is the channel of the
// dialog's kind most strongly coupled with the others of its kind, the link dialogs take a threshold
// near the strongest coupling of their kind with room for the whole network, and the patch dialogs
// raise their amplitude scale.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "afxwin.h"
#include "cxccompanions.h"
#include "cxcharness.h"
#include "cxcmodule.h"
#include "cxcplatform.h"
#include "demodata.h"
#include "dlgeegcxctoplink2dmap.h"
#include "dlgeegcxctopwave2dmap.h"
#include "dlgmegcxcshowstdset.h"
#include "dlgmegcxctoplink2dmap.h"
#include "dlgmegcxctopwave2dmap.h"
#include "megshowccdata2dfaceqz.h"
#include "resource.h"

namespace harness = cxc::harness;

namespace {

// The row of that kind whose coupling with the others of its kind is strongest over the selection,
// and the strongest coupling of two channels of that kind.
struct Strongest {
    int row = 0;
    double coupling = 0.0;
};
Strongest strongest(CSnsCohDataqz& data, CMDTrialqz& trial, bool meg)
{
    auto ofKind = [&](long long i) {
        const CWavChnlChnlDataqz* self = data.pairAt(i, i);
        CMDChannelqz* ch = self ? trial.channelAt(self->colChnl) : nullptr;
        return ch && (meg ? ch->isMEGMeasureChannel() : ch->isEEGMeasureChannel());
    };
    Strongest best;
    double bestSum = -1.0;
    for (long long i = 0; i < data.rowCount; ++i) {
        if (!ofKind(i)) continue;
        double sum = 0.0;
        for (long long j = 0; j < data.colCount; ++j) {
            const double v = j != i && ofKind(j) ? std::fabs(data.getValueSelect(-1, -1, i, j)) : 0.0;
            if (!std::isfinite(v)) continue;
            sum += v;
            best.coupling = std::max(best.coupling, v);
        }
        if (sum > bestSum) {
            bestSum = sum;
            best.row = static_cast<int>(i);
        }
    }
    return best;
}

bool shoot(CWnd* dlg, const std::string& path)
{
    harness::pumpPaints();
    const bool ok = dlg && harness::writePng(dlg, path.c_str());
    std::printf("%s %s\n", ok ? "wrote" : "could not write", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string outDir = argc > 1 ? argv[1] : "out";
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    if (!cxcmapModuleInit()) {
        std::fprintf(stderr, "cxcdialogsdemo: the module could not start\n");
        return 1;
    }
    std::filesystem::create_directories(outDir);
    auto data = cxc::demo::build();
    CMEGDataqz* session = data ? data->getSessionData(-1) : nullptr;
    CMDTrialqz* trial = session ? session->getTrialqz(-1) : nullptr;
    CSnsCohFaceqz* package = trial ? trial->getCoherenceFaceqzTime(false) : nullptr;
    CSnsCohDataqz* active = package ? package->getCoherenceData(0) : nullptr;
    if (!active) {
        std::fprintf(stderr, "cxcdialogsdemo: the demo data set could not be built\n");
        return 1;
    }
    const Strongest meg = strongest(*active, *trial, true);
    const Strongest eeg = strongest(*active, *trial, false);

    CMEGShowCCData2DFaceqz face;
    bool ok = true;

    // Link maps: the row chosen in the list, room for the whole network, and a threshold at nine
    // tenths of the strongest coupling of the map's kind (Fit Top would take the strongest of all
    // kinds, which leaves the weaker EEG network almost empty).
    auto link = [&](CDialog* dlg, const Strongest& best, const char* name) {
        if (!dlg) return false;
        harness::selectCombo(dlg, IDC_ROW_COMBO, best.row);
        harness::selectCombo(dlg, IDC_COLUMN_COMBO, best.row);
        harness::typeText(dlg, IDC_MAX_LINK, L"2000");
        CString threshold;
        threshold.Format(L"%.3f", 0.9 * best.coupling);
        harness::typeText(dlg, IDC_LINK_THRESHOLD, threshold);
        harness::clickButton(dlg, IDC_APPLY);
        return shoot(dlg, outDir + "/" + name);
    };
    ok &= face.showDlgCxcMegActLink2DMap(data.get(), nullptr) == 1;
    ok &= link(face.megLinkAct, meg, "dlg-meg-link.png");
    ok &= face.showDlgCxcEegActLink2DMap(data.get(), nullptr) == 1;
    ok &= link(face.eegLinkAct, eeg, "dlg-eeg-link.png");

    // The standard display parameters of the MEG link map: the 768-level colour scale.
    if (auto* megLink = dynamic_cast<CDlgMegCxcTopLink2DMap*>(face.megLinkAct)) {
        harness::clickButton(megLink, IDC_SETTING);
        if (megLink->stdSetDlg) {
            harness::clickRadio(megLink->stdSetDlg, IDC_SCALE_768);
            ok &= shoot(megLink->stdSetDlg, outDir + "/dlg-meg-stdset.png");
            harness::clickButton(megLink->stdSetDlg, IDOK);
        }
    }

    // Patch maps: the row chosen in the list (its own curve highlighted), curves tall enough to read.
    auto patch = [&](CDialog* dlg, int row, const char* name) {
        if (!dlg) return false;
        harness::selectCombo(dlg, IDC_ROW_COMBO, row);
        harness::selectCombo(dlg, IDC_COLUMN_COMBO, row);
        harness::typeText(dlg, IDC_AMP_SCALE, L"40");
        return shoot(dlg, outDir + "/" + name);
    };
    ok &= face.showDlgCxcMegActWave2DMap(data.get(), nullptr) == 1;
    ok &= patch(face.megWaveAct, meg.row, "dlg-meg-patch.png");
    ok &= face.showDlgCxcEegActWave2DMap(data.get(), nullptr) == 1;
    ok &= patch(face.eegWaveAct, eeg.row, "dlg-eeg-patch.png");

    for (const auto& m : harness::messageBoxes())
        std::fprintf(stderr, "cxcdialogsdemo: message box \"%s\"\n", cxc::toUtf8(m.text).c_str());
    return ok ? 0 : 1;
}
