// What one page change plays: the leaving page's exit tag made definite,
// with the random choices of that transition drawn once at its start.
#pragma once

#include <cstdint>

#include "view/PageReader.h"
#include "base/RandomGenerator.h"

struct TransitionPlan {
    enum class Kind { Cut, Fade, Reveal };
    Kind kind = Kind::Cut;
    std::int32_t pattern = 0;  // 0..22 for a reveal
    std::uint32_t seed = 0;    // for the random orders
    std::int32_t durationMs = 0;
};

// Pattern 23 becomes one of 0..22 at random; a pattern outside 0..23 (a
// hand-edited setting) and a zero duration become a cut. Draws from the
// generator only for a reveal: the pattern when it is 23, then the seed.
TransitionPlan PlanTransition(const ExitTransition& exit, RandomGenerator& random);
