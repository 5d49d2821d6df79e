#include <gtest/gtest.h>

#include <cmath>

#include "view/FrameClock.h"
#include "view/FramePacing.h"
#include "view/TransitionLog.h"

namespace {

constexpr double kRefreshMs = 1000.0 / 60;
constexpr double kTimerMinimumMs = 10;
constexpr std::int32_t kChangeMs = 3000;

}  // namespace

TEST(FrameClock, ProgressIsLinearInTime) {
    FrameClock clock;
    clock.Start(1000, kRefreshMs, kChangeMs);
    const struct {
        double nowMs;
        double progress;
    } rows[] = {{980, 0.0},  {1000, 0.0}, {1300, 0.1}, {2500, 0.5}, {3999, 2999 / 3000.0},
                {4000, 1.0}, {61000, 1.0}};
    for (const auto& row : rows) EXPECT_DOUBLE_EQ(clock.Progress(row.nowMs), row.progress) << row.nowMs;
    clock.Start(1000, kRefreshMs, 0);
    EXPECT_DOUBLE_EQ(clock.Progress(1000), 1.0);
}

// A period has one frame, however often the timer fires in it; the change's
// end has its own, after which nothing is due.
TEST(FrameClock, OneFramePerPeriodAndOneAtTheEnd) {
    FrameClock clock;
    clock.Start(0, 20, 50);
    EXPECT_TRUE(clock.Due(0));
    EXPECT_FALSE(clock.Due(19.9));
    EXPECT_TRUE(clock.Due(20));
    EXPECT_FALSE(clock.Due(30));
    EXPECT_DOUBLE_EQ(clock.NextPeriodMs(30), 40);
    EXPECT_TRUE(clock.Due(45));
    EXPECT_TRUE(clock.Due(50)) << "the last frame shows the new page whatever the period";
    EXPECT_FALSE(clock.Running());
    EXPECT_FALSE(clock.Due(60));

    clock.Start(100, 20, 0);  // a cut: its first frame is its last
    EXPECT_TRUE(clock.Due(100));
    EXPECT_FALSE(clock.Running());
}

namespace {

// A system timer that fires on its clock's tick: at the first tick at or
// after the wait's end. Asking for the fine tick makes it tick every
// millisecond, as the system's timer does while a program asks for it.
struct SimulatedTimer {
    double tickMs;
    bool fineWhenAsked;

    double FireAfter(double nowMs, std::uint32_t waitMs, bool fineAsked) const {
        const double tick = fineAsked && fineWhenAsked ? 1.0 : tickMs;
        return std::ceil((nowMs + waitMs) / tick) * tick;
    }
};

struct ChangeFrames {
    int frames = 0;
    bool fineAsked = false;
};

// One change played as the view plays it: a frame at its start, then a
// wait for each next one.
ChangeFrames PlayChange(const SimulatedTimer& timer, FramePacing& pacing, double startMs) {
    FrameClock clock;
    clock.Start(startMs, kRefreshMs, kChangeMs);
    pacing.BeginChange(kRefreshMs);
    ChangeFrames result{clock.Due(startMs) ? 1 : 0};
    for (double now = startMs; clock.Running();) {
        const std::uint32_t waitMs = pacing.WaitMs(now, clock.NextPeriodMs(now));
        EXPECT_GE(waitMs, kTimerMinimumMs) << "a wait shorter than the system's shortest timer";
        now = timer.FireAfter(now, waitMs, pacing.WantsFineTick());
        pacing.Fired(now);
        result.fineAsked = result.fineAsked || pacing.WantsFineTick();
        result.frames += clock.Due(now);
    }
    return result;
}

}  // namespace

// A fine timer gives every refresh its frame without the fine tick; on the
// system's 15.625 ms tick the first late timer asks for it, and the next
// change from its start. Where it is refused, frames still come on every tick.
TEST(FramePacing, EveryRefreshHasItsFrameAndTheFineTickOnlyWhereNeeded) {
    const struct {
        SimulatedTimer timer;
        bool fineAsked;
        int fewestFrames;  // of the second change
    } rows[] = {{{1.0, true}, false, 178}, {{15.625, true}, true, 178}, {{15.625, false}, true, 93}};
    for (const auto& row : rows) {
        FramePacing pacing(kTimerMinimumMs, kRefreshMs);
        const ChangeFrames first = PlayChange(row.timer, pacing, 1000.3);
        const ChangeFrames second = PlayChange(row.timer, pacing, 9000);
        EXPECT_EQ(first.fineAsked, row.fineAsked) << row.timer.tickMs;
        EXPECT_GE(first.frames, row.fewestFrames - 4) << row.timer.tickMs;
        EXPECT_GE(second.frames, row.fewestFrames) << row.timer.tickMs;
        EXPECT_LE(second.frames, kChangeMs * 60 / 1000 + 1) << "more than one frame per refresh";
    }
}

// Each rule at its bound, in a 20 ms period: the wait rounded up and never
// below the shortest timer, lateness measured from where the timer was aimed,
// a quarter period late and no less, and a timer nobody waits for ignored.
TEST(FramePacing, EachRuleHoldsAtItsBound) {
    const struct {
        double dueMs;
        std::uint32_t waitMs;
        double firedMs;
        bool fine;
    } rows[] = {
        {16.2, 17, 21.9, false}, {16.2, 17, 22, true}, {17, 17, 17, false},
        {3, 10, 14.9, false},    {3, 10, 15, true},    {-5, 10, 10, false},
    };
    for (const auto& row : rows) {
        FramePacing pacing(kTimerMinimumMs, 20);
        EXPECT_EQ(pacing.WaitMs(0, row.dueMs), row.waitMs) << row.dueMs;
        pacing.Fired(row.firedMs);
        EXPECT_EQ(pacing.WantsFineTick(), row.fine) << row.dueMs << " fired at " << row.firedMs;
    }
    FramePacing stray(kTimerMinimumMs, 20);
    stray.Fired(1000);
    stray.WaitMs(0, 20);
    stray.Fired(20);
    stray.Fired(1000);
    stray.WaitMs(2000, 2020);
    stray.BeginChange(20);
    stray.Fired(3000);
    EXPECT_FALSE(stray.WantsFineTick()) << "a timer with no wait pending counted as late";
}

// The debug line of a page change: set-up until the first frame (which counts
// as drawn), frames that showed something, the longest gap between frames due.
TEST(TransitionLog, SummarisesOnePageChange) {
    TransitionLog log;
    log.PageHanded(1000);
    log.FrameDue(1040.5, false);
    log.FrameDue(1057, true);
    log.FrameDue(1090, false);
    log.FrameDue(1100, true);
    EXPECT_EQ(log.Summary("fade"), "fade: 3 frames, longest gap 33.0 ms, set-up 40.5 ms");
    log.PageHanded(5000);
    log.FrameDue(5001.5, false);
    EXPECT_EQ(log.Summary("cut"), "cut: 1 frames, longest gap 0.0 ms, set-up 1.5 ms");
}
