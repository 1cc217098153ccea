// Paints the sensor map views on the built-in demo data headless and writes their pictures:
//   cxcviewdemo [OUTDIR]   (default: out) -> OUTDIR/view-meg-link.png, view-meg-link-magnitude.png,
//                          view-meg-patch.png, view-eeg-link.png, view-eeg-patch.png
// Each view is a child window of a plain host, given the data set and a drawer as the link and
// patch dialogs give them, and painted through WM_PAINT. The reference row is the strongest channel
// of the view's kind; links start at nine tenths of the strongest coupling of that kind over the
// selection, with room for the whole network rather than the first 200 pairs.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <type_traits>

#include "afxwin.h"
#include "cxccompanions.h"
#include "cxcharness.h"
#include "cxcplatform.h"
#include "demodata.h"
#include "megdrawccdataqz.h"
#include "resource.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 800;

// Rows of the view's kind, the one whose coupling with the others of its kind is strongest over the
// selection, and the strongest coupling of two channels of that kind.
struct Strongest {
    long long row = 0;
    double coupling = 0.0;
};
Strongest strongest(CSnsCohDataqz& data, CMDTrialqz& trial, bool meg)
{
    CMDChannelqz** channels = trial.getAllChannelPt();
    const int n = trial.getTotalChannel();
    auto ofKind = [&](long long i) {
        const int c = data.pairAt(i, i) ? data.pairAt(i, i)->colChnl : -1;
        if (!channels || c < 0 || c >= n || !channels[c]) return false;
        return (meg ? channels[c]->isMEGMeasureChannel() : channels[c]->isEEGMeasureChannel()) != 0;
    };
    Strongest s;
    double bestSum = -1.0;
    for (long long i = 0; i < data.rowCount; ++i) {
        if (!ofKind(i)) continue;
        double sum = 0.0;
        for (long long j = 0; j < data.colCount; ++j) {
            if (j == i || !ofKind(j)) continue;
            const double v = std::fabs(data.getValueSelect(-1, -1, i, j));
            if (std::isfinite(v)) {
                sum += v;
                s.coupling = std::max(s.coupling, v);
            }
        }
        if (sum > bestSum) {
            bestSum = sum;
            s.row = i;
        }
    }
    return s;
}

template <class View>
bool render(CArrayMEDataSetqz& data, CMEGDrawCCDataqz& drawer, bool meg, int mode, int linkStyle,
            const std::string& path)
{
    CMEGDataqz* session = data.getSessionData(-1);
    CMDTrialqz* trial = session ? session->getTrialqz(-1) : nullptr;
    CSnsCohFaceqz* package = trial ? trial->getCoherenceFaceqzTime(false) : nullptr;
    CSnsCohDataqz* cls = package ? package->getCoherenceData(0) : nullptr;
    if (!cls) return false;
    const Strongest best = strongest(*cls, *trial, meg);
    cls->curRow = best.row;
    cls->curCol = -1;

    CWnd host;
    host.CreateEx(0, nullptr, L"cxcviewdemo", WS_POPUP, CRect(0, 0, kWidth, kHeight), nullptr, 0);
    View view;
    view.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &host, IDC_MAP_VIEW);
    view.dataSet = &data;
    view.drawer = &drawer;
    view.cxcClass = 0;
    view.mapMode = mode;
    view.linkStyle = linkStyle;
    const double top = best.coupling;
    view.linkThreshold = 0.9 * top;
    view.maxLink = 2000;  // the whole network at that threshold, not only the first 200 pairs
    if constexpr (std::is_same_v<View, CStatMEGCClCntMapqz>) view.linkRangeMax = top;
    view.timeScale = 1.0;
    view.ampScale = 30.0;
    host.ShowWindow(SW_SHOW);
    cxc::harness::pumpPaints();
    const bool ok = cxc::harness::writePng(&view, path.c_str());
    std::printf("%s %s\n", ok ? "wrote" : "could not write", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string outDir = argc > 1 ? argv[1] : "out";
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    std::filesystem::create_directories(outDir);
    auto data = cxc::demo::build();
    if (!data) {
        std::fprintf(stderr, "cxcviewdemo: the demo data set could not be built\n");
        return 1;
    }
    CMEGDrawCCDataqz drawer;
    drawer.setDrawMEGData(data.get());
    bool ok = true;
    ok &= render<CStatMEGCClCntMapqz>(*data, drawer, true, MapModeTopLink, 1, outDir + "/view-meg-link.png");
    ok &= render<CStatMEGCClCntMapqz>(*data, drawer, true, MapModeTopLink, 5, outDir + "/view-meg-link-magnitude.png");
    ok &= render<CStatMEGCClCntMapqz>(*data, drawer, true, MapModeTopWave, 1, outDir + "/view-meg-patch.png");
    ok &= render<CStatEEGCxcCntMapqz>(*data, drawer, false, MapModeTopLink, 1, outDir + "/view-eeg-link.png");
    ok &= render<CStatEEGCxcCntMapqz>(*data, drawer, false, MapModeTopWave, 1, outDir + "/view-eeg-patch.png");
    for (const auto& m : cxc::harness::messageBoxes())
        std::fprintf(stderr, "cxcviewdemo: message box \"%s\"\n", cxc::toUtf8(m.text).c_str());
    return ok ? 0 : 1;
}
