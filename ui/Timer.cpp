#include "ui/Timer.h"

#include <map>

#include "ui/Application.h"

namespace {

// Thread timers carry no context, so each live timer is found by its id.
std::map<UINT_PTR, Timer*>& LiveTimers() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}

}  // namespace

Timer::Timer(UINT intervalMs, std::function<void()> onTimer)
    : interval_(intervalMs), onTimer_(std::move(onTimer)) {
    SetEnabled(true);
}

Timer::~Timer() {
    SetEnabled(false);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    if (enabled) {
        id_ = SetTimer(nullptr, 0, interval_, Tick);
        LiveTimers()[id_] = this;
    } else {
        KillTimer(nullptr, id_);
        LiveTimers().erase(id_);
        id_ = 0;
    }
}

void CALLBACK Timer::Tick(HWND, UINT, UINT_PTR id, DWORD) noexcept {
    const auto found = LiveTimers().find(id);
    if (found == LiveTimers().end() || found->second->inHandler_) return;
    // A timer lives as long as its owner, which no handler of its ends.
    Timer& timer = *found->second;
    timer.inHandler_ = true;
    Application::Guard(timer.onTimer_);
    timer.inHandler_ = false;
}
