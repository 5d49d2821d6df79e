// The clock of the slideshow: the play order of the fifty photographs, the
// countdown between them, and how each photograph fits the window.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "slideshow/PageText.h"
#include "base/RandomGenerator.h"

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

// The photograph numbers a play order shows now and shows next, as far as
// they are known: none before the first advance, only the current one at the
// end of a pass (the next pass is not shuffled yet).
std::vector<std::int32_t> ShownAndNext(const std::vector<std::string>& order, std::int32_t photoIndex);

// The clock of a further monitor: its own play order, advanced on the same
// ticks and by the same rules as the slideshow's.
struct CompanionClock {
    std::vector<std::string> order = AscendingPlayOrder();
    std::int32_t photoIndex = kPhotoCount;
    std::int32_t countdown = kFirstCountdown;
    std::optional<std::int32_t> shown;
};

// One tick of a companion's clock, so that no two monitors show the same
// photograph: a companion whose photograph is in use elsewhere (`inUse`: what
// the other monitors show, and what the slideshow shows next) moves on at
// once, and an advance passes over the photographs in use. Returns the
// photograph to show now; nothing when the clock is not due, or when every
// photograph is in use (the companion then keeps its own).
std::optional<std::int32_t> TickCompanionClock(CompanionClock& clock, const std::vector<std::int32_t>& inUse,
                                               RandomGenerator& random, const std::function<void()>& reseed);

// Fits a w x h photograph to the window's height when, scaled to that height,
// it is narrower than the window; otherwise to its width. The scaled width is
// rounded to the nearest integer, ties to even.
PhotoFit FitPhoto(std::int32_t photoWidth, std::int32_t photoHeight, std::int32_t windowWidth,
                  std::int32_t windowHeight);
