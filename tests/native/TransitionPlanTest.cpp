#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "view/TransitionPlan.h"

namespace {

ExitTransition Reveal(std::int32_t pattern, std::int32_t durationMs = 3000) {
    return {ExitTransition::Kind::Reveal, pattern, durationMs};
}

}  // namespace

TEST(TransitionPlan, FadeAndFixedPatternsPlayAsWritten) {
    RandomGenerator random(3);
    const TransitionPlan fade = PlanTransition({ExitTransition::Kind::Fade, 0, 3000}, random);
    EXPECT_EQ(fade.kind, TransitionPlan::Kind::Fade);
    EXPECT_EQ(fade.durationMs, 3000);
    for (std::int32_t pattern = 0; pattern <= 22; ++pattern) {
        const TransitionPlan plan = PlanTransition(Reveal(pattern), random);
        EXPECT_EQ(plan.kind, TransitionPlan::Kind::Reveal) << pattern;
        EXPECT_EQ(plan.pattern, pattern);
        EXPECT_EQ(plan.durationMs, 3000);
    }
}

TEST(TransitionPlan, UnknownPatternsAndZeroDurationCut) {
    RandomGenerator random(3);
    for (const std::int32_t pattern : {24, 25, -1, 1000, INT32_MIN, INT32_MAX}) {
        const TransitionPlan plan = PlanTransition(Reveal(pattern), random);
        EXPECT_EQ(plan.kind, TransitionPlan::Kind::Cut) << pattern;
        EXPECT_EQ(plan.durationMs, 0) << pattern;
    }
    EXPECT_EQ(PlanTransition(Reveal(4, 0), random).kind, TransitionPlan::Kind::Cut);
    EXPECT_EQ(PlanTransition({ExitTransition::Kind::Fade, 0, 0}, random).kind, TransitionPlan::Kind::Cut);
    EXPECT_EQ(PlanTransition({}, random).kind, TransitionPlan::Kind::Cut);
}

TEST(TransitionPlan, Pattern23DrawsEveryPatternAndRepeatsForASeed) {
    std::set<std::int32_t> drawn;
    std::set<std::uint32_t> seeds;
    for (std::uint32_t seed = 0; seed < 400; ++seed) {
        RandomGenerator random(seed);
        const TransitionPlan plan = PlanTransition(Reveal(23), random);
        ASSERT_EQ(plan.kind, TransitionPlan::Kind::Reveal);
        ASSERT_GE(plan.pattern, 0);
        ASSERT_LE(plan.pattern, 22);
        drawn.insert(plan.pattern);
        seeds.insert(plan.seed);

        RandomGenerator again(seed);
        const TransitionPlan repeated = PlanTransition(Reveal(23), again);
        EXPECT_EQ(repeated.pattern, plan.pattern);
        EXPECT_EQ(repeated.seed, plan.seed);
    }
    EXPECT_EQ(drawn.size(), 23u);
    EXPECT_GT(seeds.size(), 390u);
}
