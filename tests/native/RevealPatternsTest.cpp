// The reveal patterns as the pixels they show: whole at the ends, growing in
// between, in the right direction, at the right pace, and random where they
// should be random.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "RevealMask.h"

#include "view/RevealOrder.h"
#include "view/RevealPatterns.h"
#include "view/RevealedSpans.h"

namespace {

// Odd and tiny sizes besides a preview: rounding must not leave gaps.
constexpr Size kSizes[] = {{1, 1}, {7, 5}, {97, 61}, {152, 112}, {12, 200}};

std::string Describe(std::int32_t pattern, double progress, Size size) {
    return "pattern " + std::to_string(pattern) + " at " + std::to_string(progress) + " in " +
           std::to_string(size.width) + "x" + std::to_string(size.height);
}

std::vector<double> Progresses() {
    std::vector<double> steps;
    for (int i = 0; i <= 40; ++i) steps.push_back(i / 40.0);
    steps.push_back(0.999999);
    steps.push_back(1e-9);
    return steps;
}

}  // namespace

TEST(RevealPatterns, ShowNothingAtTheStartAndEverythingAtTheEnd) {
    for (std::int32_t pattern = 0; pattern < kRevealPatternCount; ++pattern) {
        for (const Size size : kSizes) {
            EXPECT_EQ(RevealedMask(pattern, 0.0, size).Count(), 0) << Describe(pattern, 0, size);
            EXPECT_EQ(RevealedMask(pattern, 1.0, size).Count(), std::int64_t{size.width} * size.height)
                << Describe(pattern, 1, size);
            // Progress outside 0..1 (a late or early timer) stays at the ends.
            EXPECT_EQ(RevealedMask(pattern, -0.5, size).Count(), 0) << Describe(pattern, -0.5, size);
            EXPECT_EQ(RevealedMask(pattern, 1.5, size).Count(), std::int64_t{size.width} * size.height)
                << Describe(pattern, 1.5, size);
        }
    }
}

TEST(RevealPatterns, WhatIsShownStaysShown) {
    std::vector<double> steps = Progresses();
    std::sort(steps.begin(), steps.end());
    for (std::int32_t pattern = 0; pattern < kRevealPatternCount; ++pattern) {
        for (const Size size : kSizes) {
            Mask before = RevealedMask(pattern, 0.0, size);
            for (const double progress : steps) {
                const Mask now = RevealedMask(pattern, progress, size);
                for (std::size_t i = 0; i < now.shown.size(); ++i) {
                    ASSERT_TRUE(now.shown[i] || !before.shown[i])
                        << Describe(pattern, progress, size) << " hides pixel " << i << " again";
                }
                before = now;
            }
        }
    }
}

TEST(RevealPatterns, EvenPatternsShowTheProgressToAPixelLine) {
    // The tolerance is one line of pixels across the direction the edges move.
    enum Motion { Across, Down, Pixel };
    const struct {
        std::int32_t pattern;
        Motion motion;
    } rows[] = {
        {kWipeUp, Down},
        {kWipeDown, Down},
        {kWipeRight, Across},
        {kWipeLeft, Across},
        {kVerticalBlinds, Across},
        {kHorizontalBlinds, Down},
        {kRandomDissolve, Pixel},
        {kSplitVerticalIn, Across},
        {kSplitVerticalOut, Across},
        {kSplitHorizontalIn, Down},
        {kSplitHorizontalOut, Down},
        {kRandomBarsHorizontal, Down},
        {kRandomBarsVertical, Across},
    };
    for (const auto& row : rows) {
        for (const Size size : kSizes) {
            const double line = row.motion == Across ? size.height : row.motion == Down ? size.width : 1;
            for (const double progress : Progresses()) {
                const double wanted = progress * size.width * size.height;
                EXPECT_LE(std::abs(double(RevealedMask(row.pattern, progress, size).Count()) - wanted), line)
                    << Describe(row.pattern, progress, size);
            }
        }
    }
}

TEST(RevealPatterns, InIsTheComplementOfOutRunBackwards) {
    const std::pair<std::int32_t, std::int32_t> pairs[] = {
        {kBoxIn, kBoxOut},
        {kCircleIn, kCircleOut},
        {kSplitVerticalIn, kSplitVerticalOut},
        {kSplitHorizontalIn, kSplitHorizontalOut},
    };
    for (const auto& [in, out] : pairs) {
        for (const Size size : kSizes) {
            for (const double progress : Progresses()) {
                const Mask inMask = RevealedMask(in, progress, size);
                const Mask outMask = RevealedMask(out, 1.0 - progress, size);
                for (std::size_t i = 0; i < inMask.shown.size(); ++i) {
                    ASSERT_NE(inMask.shown[i], outMask.shown[i])
                        << Describe(in, progress, size) << " pixel " << i;
                }
            }
        }
    }
}

TEST(RevealPatterns, EachMovesItsOwnWay) {
    // Pixels given as fractions of a 120 x 100 window, and whether each shows.
    struct Probe {
        double x, y;
        bool shown;
    };
    const struct {
        std::int32_t pattern;
        double progress;
        std::vector<Probe> probes;
    } rows[] = {
        {kBoxIn, 0.25, {{0.02, 0.02, true}, {0.5, 0.5, false}}},
        {kBoxOut, 0.25, {{0.02, 0.02, false}, {0.5, 0.5, true}}},
        {kCircleIn, 0.25, {{0.02, 0.02, true}, {0.5, 0.5, false}}},
        {kCircleOut, 0.25, {{0.02, 0.02, false}, {0.5, 0.5, true}}},
        // A circle, not a box: the middle of an edge shows before the corner.
        {kCircleOut, 0.72, {{0.5, 0.02, true}, {0.02, 0.02, false}}},
        {kWipeUp, 0.25, {{0.5, 0.9, true}, {0.5, 0.6, false}, {0.5, 0.1, false}}},
        {kWipeDown, 0.25, {{0.5, 0.1, true}, {0.5, 0.4, false}, {0.5, 0.9, false}}},
        {kWipeRight, 0.25, {{0.1, 0.5, true}, {0.4, 0.5, false}, {0.9, 0.5, false}}},
        {kWipeLeft, 0.25, {{0.9, 0.5, true}, {0.6, 0.5, false}, {0.1, 0.5, false}}},
        // Ten bands of 12 columns, each half open.
        {kVerticalBlinds,
         0.5,
         {{0.02, 0.5, true}, {0.08, 0.5, false}, {0.52, 0.5, true}, {0.58, 0.5, false}}},
        {kHorizontalBlinds,
         0.5,
         {{0.5, 0.02, true}, {0.5, 0.08, false}, {0.5, 0.52, true}, {0.5, 0.58, false}}},
        // Squares of 10 x 10 pixels; every other row or column is shifted by half a square.
        {kCheckerboardAcross,
         0.5,
         {{0.02, 0.05, true}, {0.06, 0.05, false}, {0.02, 0.15, false}, {0.06, 0.15, true}}},
        {kCheckerboardDown,
         0.5,
         {{0.04, 0.02, true}, {0.04, 0.07, false}, {0.12, 0.02, false}, {0.12, 0.07, true}}},
        {kSplitVerticalIn, 0.5, {{0.1, 0.5, true}, {0.9, 0.5, true}, {0.5, 0.5, false}}},
        {kSplitVerticalOut, 0.5, {{0.1, 0.5, false}, {0.9, 0.5, false}, {0.5, 0.5, true}}},
        {kSplitHorizontalIn, 0.5, {{0.5, 0.1, true}, {0.5, 0.9, true}, {0.5, 0.5, false}}},
        {kSplitHorizontalOut, 0.5, {{0.5, 0.1, false}, {0.5, 0.9, false}, {0.5, 0.5, true}}},
        {kStripsLeftDown,
         0.3,
         {{0.02, 0.02, true}, {0.98, 0.02, false}, {0.02, 0.98, false}, {0.98, 0.98, false}}},
        {kStripsLeftUp,
         0.3,
         {{0.02, 0.98, true}, {0.98, 0.98, false}, {0.02, 0.02, false}, {0.98, 0.02, false}}},
        {kStripsRightDown,
         0.3,
         {{0.98, 0.02, true}, {0.02, 0.02, false}, {0.98, 0.98, false}, {0.02, 0.98, false}}},
        {kStripsRightUp,
         0.3,
         {{0.98, 0.98, true}, {0.02, 0.98, false}, {0.98, 0.02, false}, {0.02, 0.02, false}}},
    };
    const Size size{120, 100};
    for (const auto& row : rows) {
        const Mask mask = RevealedMask(row.pattern, row.progress, size);
        for (const Probe& probe : row.probes) {
            const auto x = static_cast<std::int32_t>(probe.x * size.width);
            const auto y = static_cast<std::int32_t>(probe.y * size.height);
            EXPECT_EQ(mask.At(x, y), probe.shown)
                << Describe(row.pattern, row.progress, size) << " at (" << x << ", " << y << ")";
        }
    }
}

namespace {

// Runs of shown pixels along row y, or along column x.
int RunsAlongRow(const Mask& mask, std::int32_t y) {
    int runs = 0;
    for (std::int32_t x = 0; x < mask.width; ++x) runs += mask.At(x, y) && (x == 0 || !mask.At(x - 1, y));
    return runs;
}
int RunsAlongColumn(const Mask& mask, std::int32_t x) {
    int runs = 0;
    for (std::int32_t y = 0; y < mask.height; ++y) runs += mask.At(x, y) && (y == 0 || !mask.At(x, y - 1));
    return runs;
}

}  // namespace

// In a window that is not square, both checkerboards have 12 squares across
// and 10 down, each half open halfway: the squares along the direction of
// motion make one run each, those across it alternate.
TEST(RevealPatterns, CheckerboardsHaveTwelveByTenSquares) {
    const Size size{360, 200};  // squares of 30 x 20 pixels
    const Mask across = RevealedMask(kCheckerboardAcross, 0.5, size);
    EXPECT_EQ(RunsAlongRow(across, 5), 12);
    EXPECT_EQ(RunsAlongColumn(across, 5), 5);
    const Mask down = RevealedMask(kCheckerboardDown, 0.5, size);
    EXPECT_EQ(RunsAlongColumn(down, 5), 10);
    EXPECT_EQ(RunsAlongRow(down, 5), 6);
}

// The circles are centred: mirrored across and down they stay the same.
TEST(RevealPatterns, CirclesAreMirrorSymmetric) {
    for (const std::int32_t pattern : {kCircleIn, kCircleOut}) {
        for (const Size size : {Size{97, 61}, Size{152, 112}}) {
            for (const double progress : {0.2, 0.5, 0.8}) {
                const Mask mask = RevealedMask(pattern, progress, size);
                for (std::int32_t y = 0; y < size.height; ++y) {
                    for (std::int32_t x = 0; x < size.width; ++x) {
                        ASSERT_EQ(mask.At(x, y), mask.At(size.width - 1 - x, y))
                            << Describe(pattern, progress, size) << " at (" << x << ", " << y << ")";
                        ASSERT_EQ(mask.At(x, y), mask.At(x, size.height - 1 - y))
                            << Describe(pattern, progress, size) << " at (" << x << ", " << y << ")";
                    }
                }
            }
        }
    }
}

TEST(RevealPatterns, StripsEdgeIsAStaircaseOfSquareSteps) {
    // Along the edge, each row of steps reaches one step further than the next.
    const Size size{400, 300};  // steps of 10 pixels, a thirtieth of the shorter side
    const Mask mask = RevealedMask(kStripsLeftDown, 0.5, size);
    std::vector<std::int32_t> reach;
    for (std::int32_t y = 0; y < size.height; ++y) {
        std::int32_t x = 0;
        while (x < size.width && mask.At(x, y)) ++x;
        reach.push_back(x);
    }
    for (std::int32_t y = 10; y < size.height; ++y) {
        const std::int32_t expected = y % 10 == 0 ? std::max(reach[y - 1] - 10, 0) : reach[y - 1];
        ASSERT_EQ(reach[y], expected) << "row " << y;
    }
    EXPECT_EQ(reach[0], 340);  // 34 of the 69 diagonals of 40 x 30 steps
}

// A centred shape in a window of odd sizes lies half a pixel to the left and up.
TEST(RevealPatterns, CentredShapesRoundTowardsTheTopLeft) {
    EXPECT_EQ(RevealedRegion(kBoxOut, 0.5, 7, 5), (std::vector<PixelRect>{{1, 1, 5, 4}}));
    EXPECT_EQ(RevealedRegion(kSplitVerticalOut, 0.3, 7, 5), (std::vector<PixelRect>{{2, 0, 4, 5}}));
}

TEST(RevealPatterns, RandomOnesRepeatForASeedAndDifferBetweenSeeds) {
    for (const std::int32_t pattern : {kRandomDissolve, kRandomBarsHorizontal, kRandomBarsVertical}) {
        const Size size{152, 112};
        const Mask first = RevealedMask(pattern, 0.5, size, 7);
        EXPECT_EQ(first.shown, RevealedMask(pattern, 0.5, size, 7).shown) << "pattern " << pattern;
        EXPECT_NE(first.shown, RevealedMask(pattern, 0.5, size, 8).shown) << "pattern " << pattern;
    }
}

TEST(RevealOrder, IsAPermutationThatLooksShuffled) {
    for (const std::uint64_t count : {1u, 2u, 3u, 5u, 17u, 64u, 65u, 1000u, 17024u}) {
        const RevealOrder order(count, 42);
        std::set<std::uint64_t> seen;
        std::uint64_t inPlace = 0;
        for (std::uint64_t k = 0; k < count; ++k) {
            const std::uint64_t element = order.At(k);
            ASSERT_LT(element, count);
            seen.insert(element);
            inPlace += element == k;
        }
        EXPECT_EQ(seen.size(), count);
        // A shuffle leaves about one element where it was; the identity would leave all.
        if (count >= 64) {
            EXPECT_LT(inPlace, 10u) << count;
        }
    }
}

TEST(RevealOrder, DissolveScattersItsFirstPixels) {
    // The first tenth of a dissolve touches every part of the window, not one corner.
    const Size size{152, 112};
    const Mask mask = RevealedMask(kRandomDissolve, 0.1, size);
    for (std::int32_t quarterY = 0; quarterY < 4; ++quarterY) {
        for (std::int32_t quarterX = 0; quarterX < 4; ++quarterX) {
            std::int64_t shown = 0;
            for (std::int32_t y = quarterY * 28; y < (quarterY + 1) * 28; ++y) {
                for (std::int32_t x = quarterX * 38; x < (quarterX + 1) * 38; ++x) shown += mask.At(x, y);
            }
            EXPECT_GT(shown, 38 * 28 / 20) << "block " << quarterX << "," << quarterY;
            EXPECT_LT(shown, 38 * 28 / 5) << "block " << quarterX << "," << quarterY;
        }
    }
}

// What a shape reveals beyond the last frame, piece by piece: rows from the
// top (the bottom row included), pieces from the left, no empty piece, spans
// given in any order.
TEST(RevealedSpans, GivesOnlyWhatIsNewRowByRowFromTheLeft) {
    RevealedSpans before(3);
    before.Assign({{2, 0, 4, 1}, {5, 1, 6, 2}, {0, 1, 1, 2}});
    RevealedSpans after(3);
    after.Assign({{0, 0, 9, 3}});  // the buffers, larger first, are reused
    after.Assign({{2, 0, 10, 1}, {0, 1, 10, 2}, {7, 2, 9, 3}, {3, 2, 5, 3}});
    std::vector<PixelRect> pieces;
    after.ForEachBeyond(before, [&](const PixelRect& piece) { pieces.push_back(piece); });
    const std::vector<PixelRect> expected = {
        {4, 0, 10, 1}, {1, 1, 5, 2}, {6, 1, 10, 2}, {3, 2, 5, 3}, {7, 2, 9, 3}};
    EXPECT_EQ(pieces, expected);
    pieces.clear();
    before.ForEachBeyond(after, [&](const PixelRect& piece) { pieces.push_back(piece); });
    EXPECT_EQ(pieces, std::vector<PixelRect>{}) << "what was shown stays shown";
}
