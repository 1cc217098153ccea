// Window timers. On a desktop each is a QTimer whose ticks become WM_TIMER; headless they run on
// the harness's virtual clock (advanceTime, fireTimer), so every tick is deterministic.
#include <QTimer>

#include <algorithm>

#include "wnd_internal.h"

namespace cxc::wnd {

namespace {
void disposeTimer(Timer& t)
{
    if (!t.qt) return;
    t.qt->stop();
    // The tick being handled may be this timer's own: Qt deletes it after the signal returns.
    t.qt->deleteLater();
    t.qt = nullptr;
}
}  // namespace

UINT_PTR setTimer(Window& w, UINT_PTR id, UINT ms, TIMERPROC proc)
{
    if (id == 0) return 0;
    Core& c = core();
    const unsigned period = std::clamp<unsigned>(ms, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    Timer& t = w.timers[id];
    disposeTimer(t);
    t.period = period;
    t.due = c.now + period;
    t.seq = ++c.timerSeq;
    t.proc = proc;
    if (!headless()) {
        t.qt = new QTimer;
        const HWND h = w.handle;
        QObject::connect(t.qt, &QTimer::timeout, [h, id] { guarded([&] { fireTimer(h, id); }); });
        t.qt->start(static_cast<int>(period));
    }
    return id;
}

bool killTimer(Window& w, UINT_PTR id)
{
    auto it = w.timers.find(id);
    if (it == w.timers.end()) return false;
    disposeTimer(it->second);
    w.timers.erase(it);
    return true;
}

void killAllTimers(Window& w)
{
    for (auto& [id, t] : w.timers) disposeTimer(t);
    w.timers.clear();
}

void fireTimer(HWND hwnd, UINT_PTR id)
{
    Window* w = find(hwnd);
    if (!w) return;
    auto it = w->timers.find(id);
    if (it == w->timers.end()) return;
    if (TIMERPROC proc = it->second.proc) {
        proc(hwnd, WM_TIMER, id, static_cast<DWORD>(core().now));
        return;
    }
    send(hwnd, WM_TIMER, id, 0);
}

}  // namespace cxc::wnd
