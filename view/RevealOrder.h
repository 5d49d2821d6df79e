// The random order in which dissolve and random bars show their pixels or
// lines: a permutation computed position by position, so that a transition
// needs neither a table of millions of entries nor time to shuffle one.
#pragma once

#include <cstdint>

class RevealOrder {
public:
    // A permutation of 0..count-1; equal seeds give equal orders.
    RevealOrder(std::uint64_t count, std::uint32_t seed);

    // The element shown in the given place of the order (position < count).
    std::uint64_t At(std::uint64_t position) const;

    std::uint64_t Count() const { return count_; }

private:
    std::uint64_t Shuffle(std::uint64_t value) const;

    std::uint64_t count_;
    std::uint32_t halfBits_ = 1;
    std::uint32_t keys_[4];
};
