#include "view/RevealPatterns.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

using Rects = std::vector<PixelRect>;

// The platform's transition filters: ten blinds, a checkerboard of 12 x 10
// squares; the strips' steps are a thirtieth of the shorter side.
constexpr std::int32_t kBlinds = 10;
constexpr std::int32_t kCheckerSquaresAcross = 12;
constexpr std::int32_t kCheckerSquaresDown = 10;
constexpr std::int32_t kStripStepsOnShorterSide = 30;

double Clamped(double progress) {
    return std::clamp(progress, 0.0, 1.0);
}

// Rounding error of a progress computed as 1 - p: it must not cost a whole line.
constexpr double kRoundingSlack = 1e-9;

// floor(progress * length), exact at both ends.
std::int32_t Portion(double progress, std::int32_t length) {
    return static_cast<std::int32_t>(std::floor(Clamped(progress) * length + kRoundingSlack));
}

std::int64_t FloorDivide(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Boundary i of `length` cut into `parts` nearly equal parts.
std::int32_t PartBoundary(std::int32_t length, std::int32_t parts, std::int32_t i) {
    return static_cast<std::int32_t>(FloorDivide(std::int64_t{length} * i, parts));
}

void AddClipped(Rects& rects, PixelRect rect, std::int32_t width, std::int32_t height) {
    rect = Intersection(rect, {0, 0, width, height});
    if (!rect.Empty()) rects.push_back(rect);
}

// The same shape with the axes swapped: builds the vertical twin of a horizontal pattern.
Rects Transposed(Rects rects) {
    for (PixelRect& r : rects) r = {r.top, r.left, r.bottom, r.right};
    return rects;
}

Rects MirroredAcross(Rects rects, std::int32_t width) {
    for (PixelRect& r : rects) r = {width - r.right, r.top, width - r.left, r.bottom};
    return rects;
}

Rects MirroredDown(Rects rects, std::int32_t height) {
    for (PixelRect& r : rects) r = {r.left, height - r.bottom, r.right, height - r.top};
    return rects;
}

// The window without one rectangle inside it: up to four bands.
Rects WindowWithout(const PixelRect& hole, std::int32_t width, std::int32_t height) {
    if (hole.Empty()) return {{0, 0, width, height}};
    Rects rects;
    AddClipped(rects, {0, 0, width, hole.top}, width, height);
    AddClipped(rects, {0, hole.top, hole.left, hole.bottom}, width, height);
    AddClipped(rects, {hole.right, hole.top, width, hole.bottom}, width, height);
    AddClipped(rects, {0, hole.bottom, width, height}, width, height);
    return rects;
}

PixelRect CentredRect(std::int32_t rectWidth, std::int32_t rectHeight, std::int32_t width,
                      std::int32_t height) {
    const std::int32_t left = (width - rectWidth) / 2;
    const std::int32_t top = (height - rectHeight) / 2;
    return {left, top, left + rectWidth, top + rectHeight};
}

PixelRect BoxOutRect(double progress, std::int32_t width, std::int32_t height) {
    const double p = Clamped(progress);
    return CentredRect(static_cast<std::int32_t>(std::lround(p * width)),
                       static_cast<std::int32_t>(std::lround(p * height)), width, height);
}

// A circle about the centre whose full radius reaches the corners; a pixel
// shows when its centre lies inside. One span per row.
Rects CircleOut(double progress, std::int32_t width, std::int32_t height) {
    const double centreX = width / 2.0;
    const double centreY = height / 2.0;
    const double radius = Clamped(progress) * std::hypot(centreX, centreY);
    Rects rects;
    for (std::int32_t y = 0; y < height; ++y) {
        const double dy = y + 0.5 - centreY;
        if (dy * dy >= radius * radius) continue;
        const double dx = std::sqrt(radius * radius - dy * dy);
        const auto left = static_cast<std::int32_t>(std::floor(centreX - dx - 0.5)) + 1;
        const auto right = static_cast<std::int32_t>(std::ceil(centreX + dx - 0.5));
        AddClipped(rects, {left, y, right, y + 1}, width, height);
    }
    return rects;
}

// Each row without its span of the circle.
Rects CircleIn(double progress, std::int32_t width, std::int32_t height) {
    const Rects circle = CircleOut(1.0 - progress, width, height);
    Rects rects;
    auto span = circle.begin();
    for (std::int32_t y = 0; y < height; ++y) {
        if (span != circle.end() && span->top == y) {
            AddClipped(rects, {0, y, span->left, y + 1}, width, height);
            AddClipped(rects, {span->right, y, width, y + 1}, width, height);
            ++span;
        } else {
            rects.push_back({0, y, width, y + 1});
        }
    }
    return rects;
}

Rects WipeRight(double progress, std::int32_t width, std::int32_t height) {
    Rects rects;
    AddClipped(rects, {0, 0, Portion(progress, width), height}, width, height);
    return rects;
}

// Ten bands side by side, each opening from its left edge. The shown columns
// are handed to the bands in turns, so that together they follow the progress
// to the column.
Rects VerticalBlinds(double progress, std::int32_t width, std::int32_t height) {
    const std::int32_t shown = Portion(progress, width);
    const std::int32_t shortest = width / kBlinds;
    std::int32_t longBandsLeft = shown - shortest * kBlinds;
    Rects rects;
    for (std::int32_t band = 0; band < kBlinds; ++band) {
        const std::int32_t left = PartBoundary(width, kBlinds, band);
        const std::int32_t bandWidth = PartBoundary(width, kBlinds, band + 1) - left;
        std::int32_t open;
        if (shown <= shortest * kBlinds) {
            open = shown / kBlinds + (band < shown % kBlinds ? 1 : 0);
        } else {
            open = shortest;
            if (bandWidth > shortest && longBandsLeft > 0) {
                ++open;
                --longBandsLeft;
            }
        }
        AddClipped(rects, {left, 0, left + open, height}, width, height);
    }
    return rects;
}

// Rows of squares, every other row shifted by half a square, each square
// filling from its left edge: halfway through the window is a checkerboard.
Rects CheckerboardAcross(double progress, std::int32_t width, std::int32_t height, std::int32_t across,
                         std::int32_t down) {
    Rects rects;
    const std::int32_t halfSquares = 2 * across;
    for (std::int32_t row = 0; row < down; ++row) {
        const std::int32_t top = PartBoundary(height, down, row);
        const std::int32_t bottom = PartBoundary(height, down, row + 1);
        // In half squares: the first square of a shifted row starts half outside.
        for (std::int32_t start = row % 2 == 0 ? 0 : -1; start < halfSquares; start += 2) {
            const std::int32_t left = PartBoundary(width, halfSquares, start);
            const std::int32_t right = PartBoundary(width, halfSquares, start + 2);
            AddClipped(rects, {left, top, left + Portion(progress, right - left), bottom}, width, height);
        }
    }
    return rects;
}

// A centred band of columns growing outward.
Rects SplitVerticalOut(double progress, std::int32_t width, std::int32_t height) {
    Rects rects;
    AddClipped(rects, CentredRect(Portion(progress, width), height, width, height), width, height);
    return rects;
}

Rects SplitVerticalIn(double progress, std::int32_t width, std::int32_t height) {
    return WindowWithout(CentredRect(Portion(1.0 - progress, width), height, width, height), width, height);
}

// Square steps on diagonals from the upper-left corner: a step shows once the
// sweep has passed its diagonal, so the edge is a sawtooth moving down and right.
Rects StripsFromUpperLeft(double progress, std::int32_t width, std::int32_t height) {
    const std::int32_t step = std::max(1, std::min(width, height) / kStripStepsOnShorterSide);
    const std::int32_t stepsAcross = (width + step - 1) / step;
    const std::int32_t stepsDown = (height + step - 1) / step;
    const std::int32_t diagonals = Portion(progress, stepsAcross + stepsDown - 1);
    Rects rects;
    for (std::int32_t row = 0; row < stepsDown; ++row) {
        const std::int32_t shown = std::clamp(diagonals - row, 0, stepsAcross);
        AddClipped(rects, {0, row * step, shown * step, (row + 1) * step}, width, height);
    }
    return rects;
}

// Runs a pattern that moves across on the transposed window.
template <typename Pattern>
Rects Downward(Pattern across, double progress, std::int32_t width, std::int32_t height) {
    return Transposed(across(progress, height, width));
}

}  // namespace

bool IsRevealPattern(std::int32_t pattern) {
    return pattern >= 0 && pattern < kRevealPatternCount;
}

RevealStyle StyleOf(std::int32_t pattern) {
    assert(IsRevealPattern(pattern));
    switch (pattern) {
        case kRandomDissolve:
            return RevealStyle::PixelOrder;
        case kRandomBarsHorizontal:
            return RevealStyle::RowOrder;
        case kRandomBarsVertical:
            return RevealStyle::ColumnOrder;
        default:
            return RevealStyle::Region;
    }
}

std::vector<PixelRect> RevealedRegion(std::int32_t pattern, double progress, std::int32_t width,
                                      std::int32_t height) {
    assert(StyleOf(pattern) == RevealStyle::Region);
    if (width <= 0 || height <= 0) return {};
    const auto checkerboardAcross = [](double p, std::int32_t w, std::int32_t h) {
        return CheckerboardAcross(p, w, h, kCheckerSquaresAcross, kCheckerSquaresDown);
    };
    const auto checkerboardDown = [](double p, std::int32_t w, std::int32_t h) {
        return CheckerboardAcross(p, w, h, kCheckerSquaresDown, kCheckerSquaresAcross);
    };
    switch (pattern) {
        case kBoxIn:
            return WindowWithout(BoxOutRect(1.0 - progress, width, height), width, height);
        case kBoxOut: {
            Rects rects;
            AddClipped(rects, BoxOutRect(progress, width, height), width, height);
            return rects;
        }
        case kCircleIn:
            return CircleIn(progress, width, height);
        case kCircleOut:
            return CircleOut(progress, width, height);
        case kWipeUp:
            return MirroredDown(Downward(WipeRight, progress, width, height), height);
        case kWipeDown:
            return Downward(WipeRight, progress, width, height);
        case kWipeRight:
            return WipeRight(progress, width, height);
        case kWipeLeft:
            return MirroredAcross(WipeRight(progress, width, height), width);
        case kVerticalBlinds:
            return VerticalBlinds(progress, width, height);
        case kHorizontalBlinds:
            return Downward(VerticalBlinds, progress, width, height);
        case kCheckerboardAcross:
            return checkerboardAcross(progress, width, height);
        case kCheckerboardDown:
            return Downward(checkerboardDown, progress, width, height);
        case kSplitVerticalIn:
            return SplitVerticalIn(progress, width, height);
        case kSplitVerticalOut:
            return SplitVerticalOut(progress, width, height);
        case kSplitHorizontalIn:
            return Downward(SplitVerticalIn, progress, width, height);
        case kSplitHorizontalOut:
            return Downward(SplitVerticalOut, progress, width, height);
        case kStripsLeftDown:
            return StripsFromUpperLeft(progress, width, height);
        case kStripsLeftUp:
            return MirroredDown(StripsFromUpperLeft(progress, width, height), height);
        case kStripsRightDown:
            return MirroredAcross(StripsFromUpperLeft(progress, width, height), width);
        case kStripsRightUp:
            return MirroredDown(MirroredAcross(StripsFromUpperLeft(progress, width, height), width), height);
    }
    return {};
}

std::int64_t RevealedCount(double progress, std::int64_t elements) {
    return static_cast<std::int64_t>(
        std::floor(Clamped(progress) * static_cast<double>(elements) + kRoundingSlack));
}

std::int64_t OrderedElements(RevealStyle style, std::int32_t width, std::int32_t height) {
    switch (style) {
        case RevealStyle::PixelOrder:
            return std::int64_t{width} * height;
        case RevealStyle::RowOrder:
            return height;
        case RevealStyle::ColumnOrder:
            return width;
        case RevealStyle::Region:
            break;
    }
    return 0;
}
