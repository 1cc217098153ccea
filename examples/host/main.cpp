// cxchost DATA_FOLDER OUT_FOLDER: loads a data folder, opens the MEG link map and the matrix viewer
// through the facade with its own main window as parent, plays ten timer ticks and writes the two
// windows' pictures.
#include <cstdio>
#include <string>

#include "cxccompanions.h"
#include "cxcharness.h"
#include "cxcmap2d.h"
#include "cxcplatform.h"
#include "datafolder.h"
#include "resource.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: cxchost DATA_FOLDER OUT_FOLDER\n");
        return 2;
    }
    cxc::platform::initApplication(argc, argv, /*headless*/ true);  // timers advance when told to
    cxc::data::LoadResult data = cxc::data::loadDataFolder(argv[1]);
    if (!data.dataSet) {
        std::fprintf(stderr, "%s\n", data.error.c_str());
        return 1;
    }

    CWnd mainWindow;
    if (!mainWindow.CreateEx(0, nullptr, L"cxchost", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 480), nullptr, 0))
        return 1;
    CMEGShowCCData2DFaceqz face;  // keeps the windows it opens; deletes them when it goes
    if (!face.showDlgCxcMegActLink2DMap(data.dataSet.get(), &mainWindow) ||
        !face.showDlgCxcMatrixAct(data.dataSet.get(), &mainWindow))
        return 1;

    cxc::harness::clickButton(face.megLinkAct, IDC_PLAY);
    cxc::harness::clickButton(face.matrixAct, IDC_MATRIX_PLAY);
    cxc::harness::advanceTime(10 * 100);  // ten ticks of the windows' 100 ms timers

    const std::string out = argv[2];
    const struct {
        CWnd* window;
        const char* name;
    } pictures[] = {{face.megLinkAct, "link.png"}, {face.matrixAct, "matrix.png"}};
    for (const auto& p : pictures) {
        const std::string path = out + "/" + p.name;
        if (!cxc::harness::writePng(p.window, path.c_str())) {
            std::fprintf(stderr, "%s: cannot write\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
