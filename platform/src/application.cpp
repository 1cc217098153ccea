#include <QApplication>
#include <QByteArray>

#include <memory>

#include "cxcplatform.h"

namespace cxc::platform {

namespace {
bool g_headless = false;
std::unique_ptr<QApplication> g_app;
}  // namespace

void initApplication(int& argc, char** argv, bool headless)
{
    if (QCoreApplication::instance()) return;
    g_headless = headless;
    if (headless) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    g_app = std::make_unique<QApplication>(argc, argv);
}

bool isHeadless() { return g_headless; }

int runEventLoop() { return QCoreApplication::instance() ? QApplication::exec() : 1; }

void quit(int code) { QCoreApplication::exit(code); }

}  // namespace cxc::platform
