// The geometry of the reveal transitions: which part of the window shows the
// new picture at a given progress (0 at the start, 1 at the end). Every
// pattern shows nothing of the new picture at 0 and all of it at 1, and what
// it has shown stays shown.
#pragma once

#include <cstdint>
#include <vector>

#include "base/PageFormat.h"
#include "view/PixelRect.h"

// The reveal patterns by the numbers the exit tag carries.
enum RevealPattern : std::int32_t {
    kBoxIn,
    kBoxOut,
    kCircleIn,
    kCircleOut,
    kWipeUp,
    kWipeDown,
    kWipeRight,
    kWipeLeft,
    kVerticalBlinds,
    kHorizontalBlinds,
    kCheckerboardAcross,
    kCheckerboardDown,
    kRandomDissolve,
    kSplitVerticalIn,
    kSplitVerticalOut,
    kSplitHorizontalIn,
    kSplitHorizontalOut,
    kStripsLeftDown,
    kStripsLeftUp,
    kStripsRightDown,
    kStripsRightUp,
    kRandomBarsHorizontal,
    kRandomBarsVertical,
    kRevealPatternCount,
};
static_assert(kRandomRevealPattern == kRevealPatternCount,
              "the random pattern's number follows the last pattern's");

enum class RevealStyle {
    Region,       // a shape, given by RevealedRegion
    PixelOrder,   // single pixels in a random order
    RowOrder,     // rows one pixel high in a random order
    ColumnOrder,  // columns one pixel wide in a random order
};

bool IsRevealPattern(std::int32_t pattern);

// pattern must be one of 0..22.
RevealStyle StyleOf(std::int32_t pattern);

// Where a Region pattern shows the new picture in a width x height window, as
// rectangles that do not overlap.
std::vector<PixelRect> RevealedRegion(std::int32_t pattern, double progress, std::int32_t width,
                                      std::int32_t height);

// How many of the elements of an ordered pattern show: progress * elements, rounded down.
std::int64_t RevealedCount(double progress, std::int64_t elements);

// The number of pixels, rows or columns an ordered pattern puts in order.
std::int64_t OrderedElements(RevealStyle style, std::int32_t width, std::int32_t height);
