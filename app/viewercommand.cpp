#include "viewercommand.h"

#include <cstdlib>
#include <ostream>

#include "cxcplatform.h"
#include "hostwnd.h"

namespace cxc::app {

namespace {
bool haveDisplay()
{
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}
}  // namespace

int runViewer(const ViewerOptions& o, int& qtArgc, char** qtArgv, std::ostream&, std::ostream& err)
{
    if (!haveDisplay()) {
        err << "cxcmap: no display to show the viewer on (DISPLAY is not set); `cxcmap render` draws without one\n";
        return 1;
    }
    DataSource source;
    if (const std::string error = loadData(o.data, source, o.fieldTrip); !error.empty()) {
        err << "cxcmap: " << error << "\n";
        return 1;
    }
    if (!source.warning.empty()) err << "cxcmap: " << source.warning << "\n";
    platform::initApplication(qtArgc, qtArgv, /*headless*/ false);
    CHostWnd host;
    if (!host.CreateHost(std::move(source))) {
        err << "cxcmap: the main window could not be made\n";
        return 1;
    }
    host.quitOnDestroy = true;
    host.fitScales = !o.rawScales;
    host.fieldTrip = o.fieldTrip;
    host.ShowWindow(SW_SHOW);
    for (const std::string& name : o.open)
        if (const ShowEntry* entry = findShow(name)) host.openWindow(*entry);
    return platform::runEventLoop();
}

}  // namespace cxc::app
