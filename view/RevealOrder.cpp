#include "view/RevealOrder.h"

#include <cassert>
#include <limits>

#include "base/RandomGenerator.h"

namespace {

// A 32-bit mixing function: every input bit affects every output bit.
std::uint32_t Mix(std::uint32_t x) {
    x *= 0x9E3779B1u;
    x ^= x >> 15;
    x *= 0x85EBCA77u;
    x ^= x >> 13;
    x *= 0xC2B2AE3Du;
    return x ^ (x >> 16);
}

}  // namespace

RevealOrder::RevealOrder(std::uint64_t count, std::uint32_t seed) : count_(count) {
    // A Feistel network permutes the 2^(2 * halfBits) values of its square
    // domain, the smallest that holds count.
    while (halfBits_ < 32 && (std::uint64_t{1} << (2 * halfBits_)) < count) ++halfBits_;
    RandomGenerator keys(seed);
    for (std::uint32_t& key : keys_)
        key = static_cast<std::uint32_t>(keys.Draw(std::numeric_limits<std::int32_t>::max()));
}

std::uint64_t RevealOrder::Shuffle(std::uint64_t value) const {
    const std::uint64_t mask = (std::uint64_t{1} << halfBits_) - 1;
    std::uint64_t left = value >> halfBits_;
    std::uint64_t right = value & mask;
    for (const std::uint32_t key : keys_) {
        const std::uint64_t next = left ^ (Mix(static_cast<std::uint32_t>(right) ^ key) & mask);
        left = right;
        right = next;
    }
    return (left << halfBits_) | right;
}

// Walking the cycle until it comes back into 0..count-1 keeps the result a
// permutation of that range; the domain is under four times count, so few steps are needed.
std::uint64_t RevealOrder::At(std::uint64_t position) const {
    assert(position < count_);
    std::uint64_t value = position;
    do {
        value = Shuffle(value);
    } while (value >= count_);
    return value;
}
