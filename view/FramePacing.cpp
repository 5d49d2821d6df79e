#include "view/FramePacing.h"

#include <algorithm>
#include <cmath>

FramePacing::FramePacing(double timerMinimumMs, double framePeriodMs)
    : timerMinimumMs_(timerMinimumMs), framePeriodMs_(framePeriodMs) {}

void FramePacing::BeginChange(double framePeriodMs) {
    framePeriodMs_ = framePeriodMs;
    waiting_ = false;
}

std::uint32_t FramePacing::WaitMs(double nowMs, double dueMs) {
    const double waitMs = std::max(timerMinimumMs_, std::ceil(dueMs - nowMs));
    aimMs_ = nowMs + waitMs;
    waiting_ = true;
    return static_cast<std::uint32_t>(waitMs);
}

void FramePacing::Fired(double nowMs) {
    if (!waiting_) return;
    waiting_ = false;
    if (nowMs - aimMs_ >= framePeriodMs_ / 4) coarseTick_ = true;
}
