// The transition painter's decisions: where it draws, when, and in how many steps.
#include <gtest/gtest.h>

#include <vector>

#include "view/PainterChoices.h"

TEST(PainterChoices, DifferingAreaHoldsExactlyThePixelsThatDiffer) {
    const struct {
        std::vector<PixelRect> changedPixels;  // one-pixel rectangles of a 7 x 5 picture
        PixelRect expected;
    } rows[] = {
        {{}, {}},
        {{{0, 0, 1, 1}}, {0, 0, 1, 1}},
        {{{6, 4, 7, 5}}, {6, 4, 7, 5}},
        {{{2, 1, 3, 2}, {5, 3, 6, 4}}, {2, 1, 6, 4}},
        {{{5, 1, 6, 2}, {1, 3, 2, 4}}, {1, 1, 6, 4}},  // left from a lower row, right from an upper
        {{{0, 2, 1, 3}, {6, 2, 7, 3}}, {0, 2, 7, 3}},
    };
    for (const auto& row : rows) {
        std::vector<std::uint32_t> a(7 * 5, 0x112233);
        std::vector<std::uint32_t> b = a;
        for (const PixelRect& pixel : row.changedPixels) b[std::size_t(pixel.top * 7 + pixel.left)] ^= 1;
        const PixelRect area = DifferingArea(a.data(), b.data(), 7, 5);
        EXPECT_EQ(area, row.expected)
            << area.left << "," << area.top << "," << area.right << "," << area.bottom;
    }
}

TEST(PainterChoices, UnionOfRectanglesIgnoresTheEmptyOne) {
    EXPECT_EQ(Union({}, {1, 2, 3, 4}), (PixelRect{1, 2, 3, 4}));
    EXPECT_EQ(Union({1, 2, 3, 4}, {5, 5, 5, 9}), (PixelRect{1, 2, 3, 4}));
    EXPECT_EQ(Union({1, 6, 3, 7}, {2, 2, 9, 4}), (PixelRect{1, 2, 9, 7}));
}

TEST(PainterChoices, OnlyChangesSpreadOverThePictureHaveFewerSteps) {
    const auto plan = [](TransitionPlan::Kind kind, std::int32_t pattern) {
        TransitionPlan result;
        result.kind = kind;
        result.pattern = pattern;
        result.durationMs = 3000;
        return result;
    };
    EXPECT_EQ(MostSteps(plan(TransitionPlan::Kind::Cut, 0)), 0);
    EXPECT_EQ(MostSteps(plan(TransitionPlan::Kind::Fade, 0)), 128);
    EXPECT_EQ(MostSteps(plan(TransitionPlan::Kind::Reveal, kBoxIn)), 0);
    for (const std::int32_t pattern : {kRandomDissolve, kRandomBarsHorizontal, kRandomBarsVertical}) {
        EXPECT_EQ(MostSteps(plan(TransitionPlan::Kind::Reveal, pattern)), 128) << pattern;
    }
}

TEST(PainterChoices, AStepIsDrawnOnceItIsAWholeStep) {
    EXPECT_EQ(FadeAlpha(-0.5), 0u);
    EXPECT_EQ(FadeAlpha(0.5), 128u);  // 127.5 rounds up
    EXPECT_EQ(FadeAlpha(2.0), 255u);
    // A fade's step is two levels: 255 / 128 rounded up.
    EXPECT_FALSE(FadeStepDue(1, 0));
    EXPECT_TRUE(FadeStepDue(2, 0));
    EXPECT_FALSE(FadeStepDue(101, 100));
    EXPECT_TRUE(FadeStepDue(102, 100));
    // An order's step is a 128th of its elements.
    EXPECT_FALSE(OrderStepDue(10, 10, 128));
    EXPECT_TRUE(OrderStepDue(11, 10, 128));
    EXPECT_FALSE(OrderStepDue(1000 + 999, 1000, 128000));
    EXPECT_TRUE(OrderStepDue(1000 + 1000, 1000, 128000));
    EXPECT_FALSE(OrderStepDue(5, 6, 0));
}

TEST(PainterChoices, AnOrdersStepTouchesTheLinesFromItsFirstToItsLastElement) {
    // A 10 x 6 picture: pixel 23 lies in row 2, pixel 40 in row 4.
    EXPECT_EQ(OrderedStepArea(RevealStyle::PixelOrder, 23, 40, 10, 6), (PixelRect{0, 2, 10, 5}));
    EXPECT_EQ(OrderedStepArea(RevealStyle::PixelOrder, 9, 10, 10, 6), (PixelRect{0, 0, 10, 2}));
    EXPECT_EQ(OrderedStepArea(RevealStyle::RowOrder, 1, 3, 10, 6), (PixelRect{0, 1, 10, 4}));
    EXPECT_EQ(OrderedStepArea(RevealStyle::ColumnOrder, 0, 9, 10, 6), (PixelRect{0, 0, 10, 6}));
}

TEST(PainterChoices, ElementsFallIntoAtMost1024Groups) {
    const struct {
        std::int64_t count;
        int shift;
    } rows[] = {{0, 0}, {1024, 0}, {1025, 1}, {2049, 1}, {2050, 2}, {1920 * 1080, 11}};
    for (const auto& row : rows) EXPECT_EQ(ElementGroupShift(row.count), row.shift) << row.count;
}
