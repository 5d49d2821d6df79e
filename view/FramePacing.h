// How the frame timer of a change is asked. Windows fires a timer on its
// clock tick, 15.625 ms unless a program asks for a finer one, so a frame
// timer of 17 ms fires every 31 ms: half the display's rate. Each wait is
// aimed at the start of the next frame's period; a timer that fires a
// quarter period or more after its aim shows a coarse tick, and from then on
// every change asks the system for its fine tick while it runs (never
// outside a change). A wait is never shorter than the system's shortest
// timer: nothing spins, whatever the timer does.
#pragma once

#include <cstdint>

class FramePacing {
public:
    // The system's shortest timer; the display's refresh period.
    FramePacing(double timerMinimumMs, double framePeriodMs);

    // A change of this frame period begins.
    void BeginChange(double framePeriodMs);
    // The wait to ask for at this moment for a frame due at dueMs.
    std::uint32_t WaitMs(double nowMs, double dueMs);
    // The timer asked for by the last WaitMs fired at this moment.
    void Fired(double nowMs);

    // Whether the system's timer should tick finely while the change runs.
    bool WantsFineTick() const { return coarseTick_; }

private:
    double timerMinimumMs_;
    double framePeriodMs_;
    double aimMs_ = 0;
    bool waiting_ = false;
    bool coarseTick_ = false;
};
