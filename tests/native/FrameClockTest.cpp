#include <gtest/gtest.h>

#include <cmath>

#include "view/FrameClock.h"
#include "view/FramePacing.h"

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
    ChangeFrames result;
    double now = startMs;
    if (clock.Due(now)) ++result.frames;
    while (clock.Running()) {
        const std::uint32_t waitMs = pacing.WaitMs(now, clock.NextPeriodMs(now));
        EXPECT_GE(waitMs, kTimerMinimumMs) << "a wait shorter than the system's shortest timer";
        now = timer.FireAfter(now, waitMs, pacing.WantsFineTick());
        pacing.Fired(now);
        result.fineAsked = result.fineAsked || pacing.WantsFineTick();
        if (clock.Due(now)) ++result.frames;
    }
    return result;
}

constexpr int kFramesAtTheDisplaysRate = kChangeMs / 1000 * 60;

}  // namespace

TEST(FramePacing, AFineTimerGivesEveryRefreshAFrameWithoutTheFineTick) {
    FramePacing pacing(kTimerMinimumMs, kRefreshMs);
    const ChangeFrames change = PlayChange({1.0, true}, pacing, 1000.3);
    EXPECT_GE(change.frames, kFramesAtTheDisplaysRate - 2);
    EXPECT_LE(change.frames, kFramesAtTheDisplaysRate + 1);
    EXPECT_FALSE(change.fineAsked);
}

// On the system's 15.625 ms tick the first late timer asks for the fine
// tick; the next change asks for it from its start.
TEST(FramePacing, TheSystemsCoarseTickIsMadeFineForTheChangesAlone) {
    FramePacing pacing(kTimerMinimumMs, kRefreshMs);
    const SimulatedTimer windows{15.625, true};
    const ChangeFrames first = PlayChange(windows, pacing, 1000);
    EXPECT_TRUE(first.fineAsked);
    EXPECT_GE(first.frames, kFramesAtTheDisplaysRate - 4);
    const ChangeFrames second = PlayChange(windows, pacing, 9000);
    EXPECT_GE(second.frames, kFramesAtTheDisplaysRate - 2);

    // Where the fine tick is refused, every tick still brings a frame at most.
    FramePacing refused(kTimerMinimumMs, kRefreshMs);
    const ChangeFrames coarse = PlayChange({15.625, false}, refused, 1000);
    EXPECT_GE(coarse.frames, kChangeMs / 32);
    EXPECT_LE(coarse.frames, kFramesAtTheDisplaysRate + 1);
}
