// The process's one pseudo-random generator. The slideshow reseeds it from the
// clock; tests seed it with fixed values to make every draw repeatable.
#pragma once

#include <cstdint>

class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 0) { Seed(seed); }

    // Restarts the sequence: equal seeds give equal sequences of draws.
    void Seed(std::uint32_t seed);

    // A uniformly distributed integer in 0..n-1; n must be positive.
    std::int32_t Draw(std::int32_t n);

private:
    std::uint32_t NextWord();

    std::uint64_t state_ = 0;
};

// The generator that the whole process shares; initially seeded with 0.
RandomGenerator& ProcessRandom();
