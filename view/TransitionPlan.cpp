#include "view/TransitionPlan.h"

#include <algorithm>
#include <limits>

#include "view/RevealPatterns.h"

TransitionPlan PlanTransition(const ExitTransition& exit, RandomGenerator& random) {
    TransitionPlan plan;
    if (exit.durationMs <= 0) return plan;
    plan.durationMs = exit.durationMs;
    switch (exit.kind) {
        case ExitTransition::Kind::Cut:
            break;
        case ExitTransition::Kind::Fade:
            plan.kind = TransitionPlan::Kind::Fade;
            break;
        case ExitTransition::Kind::Reveal:
            if (exit.pattern == kRandomRevealPattern) {
                plan.pattern = random.Draw(kRevealPatternCount);
            } else if (IsRevealPattern(exit.pattern)) {
                plan.pattern = exit.pattern;
            } else {
                break;
            }
            plan.kind = TransitionPlan::Kind::Reveal;
            plan.seed = static_cast<std::uint32_t>(random.Draw(std::numeric_limits<std::int32_t>::max()));
            break;
    }
    if (plan.kind == TransitionPlan::Kind::Cut) plan.durationMs = 0;
    return plan;
}
