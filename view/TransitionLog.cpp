#include "view/TransitionLog.h"

#include <algorithm>
#include <cstdio>

void TransitionLog::PageHanded(double nowMs) {
    *this = TransitionLog();
    handedAt_ = nowMs;
}

void TransitionLog::FrameDue(double nowMs, bool drawn) {
    if (due_ == 0) {
        setUpMs_ = nowMs - handedAt_;
    } else {
        longestGapMs_ = std::max(longestGapMs_, nowMs - lastFrameAt_);
    }
    lastFrameAt_ = nowMs;
    frames_ += drawn || due_ == 0;
    ++due_;
}

std::string TransitionLog::Summary(const std::string& effect) const {
    char line[160];
    std::snprintf(line, sizeof line, "%s: %d frames, longest gap %.1f ms, set-up %.1f ms", effect.c_str(),
                  frames_, longestGapMs_, setUpMs_);
    return line;
}
