// The clock of the slideshow: the play order of the fifty photographs, the
// countdown between them, and how each photograph fits the window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "slideshow/PageText.h"
#include "slideshow/RandomGenerator.h"

inline constexpr std::int32_t kPhotoCount = 50;
// Photograph n is the executable's resource n + kPhotoResourceBase.
inline constexpr std::int32_t kPhotoResourceBase = 110;
// Ticks before the first photograph, and the range of ticks between two.
inline constexpr std::int32_t kFirstCountdown = 20;
inline constexpr std::int32_t kShortestCountdown = 60;
inline constexpr std::int32_t kCountdownSpread = 30;

// The photograph numbers "0" to "49" in ascending order.
std::vector<std::string> AscendingPlayOrder();

// n random transpositions of the list as it stands (not a uniform
// permutation): for each, two draws in order, then a swap.
void TransposeRandomly(std::vector<std::string>& order, RandomGenerator& random);

// Shuffles the play order: reseeds the generator, then transposes.
void ShuffleOrder(std::vector<std::string>& order, RandomGenerator& random,
                  const std::function<void()>& reseed);

// One tick: counts down while the countdown is positive and returns false;
// otherwise advances photoIndex (shuffling when it runs past the end and
// wraps to the start), draws the next countdown and returns true. With an
// empty order (before the window's activation) nothing advances: false.
bool TickClock(std::int32_t& countdown, std::int32_t& photoIndex, std::vector<std::string>& order,
               RandomGenerator& random, const std::function<void()>& reseed);

// Fits a w x h photograph to the window's height when, scaled to that height,
// it is narrower than the window; otherwise to its width. The scaled width is
// rounded to the nearest integer, ties to even.
PhotoFit FitPhoto(std::int32_t photoWidth, std::int32_t photoHeight, std::int32_t windowWidth,
                  std::int32_t windowHeight);
