// The clock of one page change's frames: when the change began, how far its
// frames lie apart, and whether a moment brings a new frame. One frame is due
// per period at most (a refresh of the display, or longer for a change drawn
// in fewer steps) and one at the change's end; each shows the progress of its
// own moment, so a late frame catches up in what it shows, never in number.
#pragma once

#include <cstdint>

class FrameClock {
public:
    // A change of this duration begins at this moment, its frames a period apart.
    void Start(double nowMs, double periodMs, std::int32_t durationMs);
    // Ends the change where it stands: no frame is due any more.
    void Stop() { running_ = false; }
    bool Running() const { return running_; }

    // The change's progress at this moment, 0 to 1: linear in time, and 1
    // for a change without duration.
    double Progress(double nowMs) const;

    // True when a frame is due at this moment: the first of its period, or
    // the last of the change (progress 1), after which the clock stops.
    bool Due(double nowMs);

    // When the next period begins, the moment the next frame is due.
    double NextPeriodMs(double nowMs) const;

private:
    std::int64_t PeriodAt(double nowMs) const;

    double startMs_ = 0;
    double periodMs_ = 1;
    std::int32_t durationMs_ = 0;
    std::int64_t lastPeriod_ = -1;
    bool running_ = false;
};
