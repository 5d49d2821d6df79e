// What one page change looked like: how long the page took to set up before
// its first frame, how many frames showed something new, and the longest the
// screen went without being brought up to date (a frame due that finds
// nothing new to show is up to date too). The view writes it as one debug
// line per page change, so that the figures can be read from outside while
// the drawing stays the same.
#pragma once

#include <cstdint>
#include <string>

class TransitionLog {
public:
    // A page was handed to the view at this moment (milliseconds on any clock).
    void PageHanded(double nowMs);
    // A frame was due at this moment; `drawn` when it showed something new.
    void FrameDue(double nowMs, bool drawn);

    // "<effect>: <n> frames, longest gap <ms> ms, set-up <ms> ms"; the
    // effect as the plan names it. The first frame due counts as drawn.
    std::string Summary(const std::string& effect) const;

private:
    double handedAt_ = 0;
    double lastFrameAt_ = 0;
    double setUpMs_ = 0;
    double longestGapMs_ = 0;
    std::int32_t due_ = 0;
    std::int32_t frames_ = 0;
};
