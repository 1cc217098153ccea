// Paints the contour map views on the built-in demo data headless and writes their pictures:
//   cxccontourdemo [OUTDIR]   (default: out) -> OUTDIR/contour-{meg,eeg}-{field,line,both}.png
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

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

template <class View>
bool render(CArrayMEDataSetqz& data, CMEGDrawCCDataqz& drawer, long long row, int type, const std::string& path)
{
    CMDTrialqz* trial = data.getSessionData(-1)->getTrialqz(-1);
    CSnsCohDataqz* cls = trial->getCoherenceFaceqzTime(false)->getCoherenceData(0);
    cls->curRow = row;
    CWnd host;
    host.CreateEx(0, nullptr, L"cxccontourdemo", WS_POPUP, CRect(0, 0, kWidth, kHeight), nullptr, 0);
    View view;
    view.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &host, IDC_MAP_VIEW);
    view.dataSet = &data;
    view.drawer = &drawer;
    view.mapMode = MapModeContour;
    view.contourType = type;
    view.checkInitTrial();
    const int built = view.rebuildFieldGrid();
    std::printf("rebuild %d nx %d ny %d max %g thr %g\n", built, view.grid.nx, view.grid.ny, view.grid.fieldMaximum,
                view.contourThreshold);
    host.ShowWindow(SW_SHOW);
    cxc::harness::pumpPaints();
    view.Invalidate(FALSE);
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
    if (!data) return 1;
    CMEGDrawCCDataqz drawer;
    drawer.setDrawMEGData(data.get());
    bool ok = true;
    const char* names[] = {"field", "line", "both"};
    for (int t = 0; t < 3; ++t) {
        ok &= render<CStatMEGCClCntMapqz>(*data, drawer, 10, t, outDir + "/contour-meg-" + names[t] + ".png");
        ok &= render<CStatEEGCxcCntMapqz>(*data, drawer, 160, t, outDir + "/contour-eeg-" + names[t] + ".png");
    }
    for (const auto& m : cxc::harness::messageBoxes())
        std::fprintf(stderr, "message box \"%s\"\n", cxc::toUtf8(m.text).c_str());
    return ok ? 0 : 1;
}
