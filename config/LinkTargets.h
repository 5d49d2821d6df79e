// The web pages the configuration dialog opens, by the click handler that
// opens them.
#pragma once

#include <array>

struct LinkTarget {
    const char* handler;
    const char* address;
};

inline constexpr int kLinkCount = 12;
extern const std::array<LinkTarget, kLinkCount> kLinkTargets;

// The address a link handler opens; nullptr when the handler opens none.
const char* LinkAddressOf(const char* handler);
