// What the transition painter decides for each frame, apart from how it
// draws: where two pages differ, when a change spread over the whole picture
// has come far enough for its next step, and what a step of a random order
// touches.
#pragma once

#include <cstdint>

#include "view/PixelRect.h"
#include "view/RevealPatterns.h"
#include "view/TransitionPlan.h"

// A change spread over the whole picture (the fade, the random orders) copies
// nearly all of it to the screen with every frame: it is drawn in at most
// this many steps, which over three seconds is still over forty frames a
// second. The fade's step is two levels of opacity, under one per cent of the
// brightness, which shows no better in two half steps.
inline constexpr std::int32_t kSpreadChangeSteps = 128;

// The smallest rectangle that holds every pixel in which the two pictures
// (width x height, rows one after the other) differ; empty where they are equal.
PixelRect DifferingArea(const std::uint32_t* a, const std::uint32_t* b, std::int32_t width,
                        std::int32_t height);

// The smallest rectangle that holds both.
PixelRect Union(const PixelRect& a, const PixelRect& b);

// The steps a change of this plan is drawn in at most; 0 when in as many as
// the frames give (a cut, a shape).
std::int32_t MostSteps(const TransitionPlan& plan);

// The fade's opacity at this progress, 0 to 255.
std::uint32_t FadeAlpha(double progress);
// Whether the fade draws a frame of this opacity: only once it has grown by a
// whole step over the opacity shown.
bool FadeStepDue(std::uint32_t alpha, std::uint32_t shownAlpha);

// Whether a random order draws a frame: `due` of `count` elements are due,
// `shown` are shown, and the difference is at least a whole step.
bool OrderStepDue(std::int64_t due, std::int64_t shown, std::int64_t count);

// What a step of a random order touches, from the first to the last element
// it copied (in memory order): whole rows for pixels and rows, whole columns
// for columns, in a width x height picture.
PixelRect OrderedStepArea(RevealStyle style, std::int32_t first, std::int32_t last, std::int32_t width,
                          std::int32_t height);

// The shift that puts `count` elements into at most 1024 groups by their high
// bits, so that a group spans a few kilobytes of the picture.
int ElementGroupShift(std::int64_t count);
