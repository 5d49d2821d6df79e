// The transition effects: their numbers and the labels the dialog lists.
#pragma once

#include <array>
#include <cstdint>

inline constexpr std::int32_t kEffectCount = 25;
inline constexpr std::int32_t kFadeEffect = 23;    // also the default
inline constexpr std::int32_t kRandomEffect = 24;  // reveal pattern at random, sometimes the fade
inline constexpr std::int32_t kDefaultEffect = kFadeEffect;

// Index = stored effect number = position in the dialog's effect list.
extern const std::array<const char*, kEffectCount> kEffectLabels;
