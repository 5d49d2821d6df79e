// What the slideshow's page writer and the built-in view's page reader agree
// on beyond the text itself.
#pragma once

#include <cstdint>

// How the photograph fills the window: to its height or to its width.
enum class PhotoFit { Height, Width };

// The reveal pattern number that stands for a pattern drawn anew for each
// transition, one past the last pattern of its own.
constexpr std::int32_t kRandomRevealPattern = 23;
