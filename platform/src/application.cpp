#include <QApplication>
#include <QByteArray>

#include <clocale>

#include "cxcplatform.h"

namespace cxc::platform {

namespace {
bool g_headless = false;
int g_argc = 0;  // QApplication keeps a reference to its argc for its whole life

// Never destroyed. Qt makes its own globals (font cache, platform integration) while it runs and
// tears them down at exit before any destructor or exit handler of ours could run, and a
// QApplication destroyed after them crashes the process on its way out.
QApplication* g_app = nullptr;
}  // namespace

void initApplication(int& argc, char** argv, bool headless)
{
    if (QCoreApplication::instance()) return;
    g_headless = headless;
    if (headless) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    g_argc = argc;
    g_app = new QApplication(g_argc, argv);
    // Qt applies the desktop's locale; numbers in texts and edits are always written with a point.
    std::setlocale(LC_NUMERIC, "C");
}

bool isHeadless() { return g_headless; }

int runEventLoop() { return QCoreApplication::instance() ? QApplication::exec() : 1; }

void quit(int code) { QCoreApplication::exit(code); }

}  // namespace cxc::platform
