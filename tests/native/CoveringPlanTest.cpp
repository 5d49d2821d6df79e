#include <gtest/gtest.h>

#include <ostream>

#include "slideshow/CoveringPlan.h"

std::ostream& operator<<(std::ostream& out, const ScreenArea& area) {
    return out << "(" << area.left << "," << area.top << ")-(" << area.right << "," << area.bottom << ")";
}

namespace {

constexpr ScreenArea kMain{0, 0, 1280, 1024};
constexpr ScreenArea kRight{1280, 0, 2304, 768};
constexpr ScreenArea kLeftAbove{-1920, -1080, 0, 0};
constexpr ScreenArea kBelow{0, 1024, 1600, 1924};

TEST(PlanCovering, ThePrimaryGetsTheSlideshowAndEveryOtherMonitorACompanion) {
    struct Case {
        const char* name;
        std::vector<Monitor> monitors;
        ScreenArea primary;
        std::vector<ScreenArea> companions;
    };
    const Case cases[] = {
        {"one monitor", {{kMain, true}}, kMain, {}},
        {"two side by side", {{kMain, true}, {kRight, false}}, kMain, {kRight}},
        {"primary reported last", {{kRight, false}, {kMain, true}}, kMain, {kRight}},
        {"left of and above the primary",
         {{kLeftAbove, false}, {kMain, true}, {kBelow, false}},
         kMain,
         {kLeftAbove, kBelow}},
        {"none marked primary", {{kRight, false}, {kMain, false}}, kRight, {kMain}},
        {"an empty monitor", {{kMain, true}, {{5, 5, 5, 900}, false}}, kMain, {}},
        {"an empty primary", {{{0, 0, 1280, 0}, true}, {kRight, false}, {kMain, false}}, kRight, {kMain}},
        {"a mirror of the primary", {{kMain, true}, {kMain, false}}, kMain, {}},
        {"a monitor inside another",
         {{kMain, true}, {kRight, false}, {{1280, 0, 2000, 600}, false}},
         kMain,
         {kRight}},
        {"no monitor at all", {}, {}, {}},
    };
    for (const Case& row : cases) {
        const CoveringPlan plan = PlanCovering(row.monitors);
        EXPECT_EQ(plan.primary, row.primary) << row.name;
        EXPECT_EQ(plan.companions, row.companions) << row.name;
    }
}

TEST(FollowLayout, KeepsWhatStaysMovesTheRestAndAddsOrRemovesTheDifference) {
    {
        SCOPED_TRACE("unchanged");
        const CompanionChanges changes = FollowLayout({kRight, kBelow}, {kRight, kBelow});
        EXPECT_TRUE(changes.moves.empty() && changes.removals.empty() && changes.additions.empty());
    }
    {
        SCOPED_TRACE("a monitor unplugged");
        const CompanionChanges changes = FollowLayout({kRight, kBelow}, {kBelow});
        EXPECT_TRUE(changes.moves.empty());
        EXPECT_EQ(changes.removals, std::vector<std::size_t>{0});
        EXPECT_TRUE(changes.additions.empty());
    }
    {
        SCOPED_TRACE("a monitor added");
        const CompanionChanges changes = FollowLayout({kRight}, {kLeftAbove, kRight});
        EXPECT_TRUE(changes.moves.empty() && changes.removals.empty());
        EXPECT_EQ(changes.additions, std::vector<ScreenArea>{kLeftAbove});
    }
    {
        SCOPED_TRACE("a resolution changed");
        const ScreenArea wider{1280, 0, 2560, 1024};
        const CompanionChanges changes = FollowLayout({kBelow, kRight}, {kBelow, wider});
        ASSERT_EQ(changes.moves.size(), 1u);
        EXPECT_EQ(changes.moves[0].companion, 1u);
        EXPECT_EQ(changes.moves[0].to, wider);
        EXPECT_TRUE(changes.removals.empty() && changes.additions.empty());
    }
    {
        SCOPED_TRACE("down to one monitor");
        const CompanionChanges changes = FollowLayout({kRight, kBelow}, {});
        EXPECT_EQ(changes.removals, (std::vector<std::size_t>{0, 1}));
    }
    {
        SCOPED_TRACE("two equal areas wanted, one covered");
        const CompanionChanges changes = FollowLayout({kRight}, {kRight, kRight});
        EXPECT_EQ(changes.additions, std::vector<ScreenArea>{kRight});
    }
}

}  // namespace
