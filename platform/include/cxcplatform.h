// Start-up of the platform layer: the application object and the choice between a real desktop and
// headless use (tests and the headless renderer).
#pragma once

namespace cxc::platform {

// Makes the application object once; later calls do nothing. Headless selects Qt's offscreen
// platform whatever the environment says, records message boxes instead of showing them, and leaves
// timers to be fired by the caller (tests and the renderer deliver WM_TIMER themselves).
void initApplication(int& argc, char** argv, bool headless);
bool isHeadless();
// Runs the desktop event loop until the last window closes or quit() is called; returns its exit code.
int runEventLoop();
void quit(int code = 0);

}  // namespace cxc::platform
