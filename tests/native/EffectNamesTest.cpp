#include <gtest/gtest.h>

#include <set>
#include <string>

#include "config/EffectNames.h"

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

TEST(EffectNames, NamedEffectsStandAtTheirNumbers) {
    EXPECT_STREQ(kEffectLabels[0], "Box in");
    EXPECT_STREQ(kEffectLabels[12], "Random dissolve");
    EXPECT_STREQ(kEffectLabels[22], "Random bars vertical");
    EXPECT_STREQ(kEffectLabels[kFadeEffect], "Fade");
    EXPECT_STREQ(kEffectLabels[kRandomEffect], "Random");
    EXPECT_EQ(kDefaultEffect, kFadeEffect);
}

}  // namespace
