#include "view/FrameClock.h"

#include <algorithm>
#include <cmath>

void FrameClock::Start(double nowMs, double periodMs, std::int32_t durationMs) {
    startMs_ = nowMs;
    periodMs_ = std::max(periodMs, 1.0);
    durationMs_ = durationMs;
    lastPeriod_ = -1;
    running_ = true;
}

double FrameClock::Progress(double nowMs) const {
    if (durationMs_ <= 0) return 1.0;
    return std::clamp((nowMs - startMs_) / durationMs_, 0.0, 1.0);
}

std::int64_t FrameClock::PeriodAt(double nowMs) const {
    return static_cast<std::int64_t>(std::floor(std::max(nowMs - startMs_, 0.0) / periodMs_));
}

bool FrameClock::Due(double nowMs) {
    if (!running_) return false;
    const bool last = Progress(nowMs) >= 1.0;
    const std::int64_t period = PeriodAt(nowMs);
    if (period == lastPeriod_ && !last) return false;
    lastPeriod_ = period;
    if (last) running_ = false;
    return true;
}

double FrameClock::NextPeriodMs(double nowMs) const {
    return startMs_ + static_cast<double>(PeriodAt(nowMs) + 1) * periodMs_;
}
