#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "config/EffectNames.h"
#include "view/RevealPatterns.h"

namespace {

// The stored number is the label's position: a missing, empty or repeated
// label would shift or hide effects in the dialog's list.
TEST(EffectNames, EveryEffectHasItsOwnLabel) {
    std::set<std::string> seen;
    for (std::size_t effect = 0; effect < kEffectLabels.size(); ++effect) {
        SCOPED_TRACE(effect);
        ASSERT_NE(kEffectLabels[effect], nullptr);
        EXPECT_STRNE(kEffectLabels[effect], "");
        EXPECT_TRUE(seen.insert(kEffectLabels[effect]).second) << kEffectLabels[effect];
    }
}

// The dialog lists the labels by effect number, and an effect number below
// 23 is the reveal pattern of that number: each label must name the pattern
// whose geometry the reveal tests hold to that name.
TEST(EffectNames, EachLabelNamesThePatternOfItsNumber) {
    const struct {
        std::int32_t effect;
        const char* label;
    } rows[] = {
        {kBoxIn, "Box in"},
        {kBoxOut, "Box out"},
        {kCircleIn, "Circle in"},
        {kCircleOut, "Circle out"},
        {kWipeUp, "Wipe up"},
        {kWipeDown, "Wipe down"},
        {kWipeRight, "Wipe right"},
        {kWipeLeft, "Wipe left"},
        {kVerticalBlinds, "Vertical blinds"},
        {kHorizontalBlinds, "Horizontal blinds"},
        {kCheckerboardAcross, "Checkerboard across"},
        {kCheckerboardDown, "Checkerboard down"},
        {kRandomDissolve, "Random dissolve"},
        {kSplitVerticalIn, "Split vertical in"},
        {kSplitVerticalOut, "Split vertical out"},
        {kSplitHorizontalIn, "Split horizontal in"},
        {kSplitHorizontalOut, "Split horizontal out"},
        {kStripsLeftDown, "Strips left down"},
        {kStripsLeftUp, "Strips left up"},
        {kStripsRightDown, "Strips right down"},
        {kStripsRightUp, "Strips right up"},
        {kRandomBarsHorizontal, "Random bars horizontal"},
        {kRandomBarsVertical, "Random bars vertical"},
        {kFadeEffect, "Fade"},
        {kRandomEffect, "Random"},
    };
    static_assert(std::size(rows) == kEffectCount);
    for (const auto& row : rows)
        EXPECT_STREQ(kEffectLabels[row.effect], row.label) << "effect " << row.effect;
    EXPECT_EQ(kFadeEffect, kRevealPatternCount);
    EXPECT_EQ(kDefaultEffect, kFadeEffect);
}

}  // namespace
