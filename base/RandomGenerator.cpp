#include "base/RandomGenerator.h"

#include <cassert>

void RandomGenerator::Seed(std::uint32_t seed) {
    state_ = seed;
}

// SplitMix64: every state, the seed 0 included, is a good starting point, and
// consecutive seeds (clock readings) still give unrelated sequences.
std::uint32_t RandomGenerator::NextWord() {
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

// Scales a 32-bit word to 0..n-1 by multiplication and rejects the few words
// that would make some results one count more likely than others.
std::int32_t RandomGenerator::Draw(std::int32_t n) {
    assert(n > 0);
    const auto range = static_cast<std::uint32_t>(n);
    const std::uint32_t rejectBelow = (0u - range) % range;
    std::uint64_t product;
    do {
        product = std::uint64_t{NextWord()} * range;
    } while (static_cast<std::uint32_t>(product) < rejectBelow);
    return static_cast<std::int32_t>(product >> 32);
}

RandomGenerator& ProcessRandom() {
    static RandomGenerator generator;
    return generator;
}
