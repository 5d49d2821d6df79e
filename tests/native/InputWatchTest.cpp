#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "slideshow/InputWatch.h"

namespace {

struct WatchCase {
    const char* name;
    std::uint32_t message;
    std::uintptr_t wParam;
    WatchAction expected;
};

const char* ActionName(WatchAction action) {
    switch (action) {
        case WatchAction::PassOn:
            return "PassOn";
        case WatchAction::Swallow:
            return "Swallow";
        case WatchAction::TryClose:
            return "TryClose";
        case WatchAction::TestMovement:
            return "TestMovement";
    }
    return "?";
}

void ExpectDecisions(WatchAction (*decide)(std::uint32_t, std::uintptr_t),
                     const std::vector<WatchCase>& cases) {
    for (const auto& row : cases) {
        const WatchAction got = decide(row.message, row.wParam);
        EXPECT_EQ(got, row.expected) << row.name << ": got " << ActionName(got) << ", want "
                                     << ActionName(row.expected);
    }
}

TEST(InputWatch, DecidesEachMessage) {
    constexpr std::uintptr_t kMinimizedInactive = 0x00010000;  // high word: minimised, low word: WA_INACTIVE
    ExpectDecisions(DecideWatch, {
                                     {"WM_ACTIVATE WA_INACTIVE", 0x0006, 0, WatchAction::TryClose},
                                     {"WM_ACTIVATE WA_INACTIVE minimised", 0x0006, kMinimizedInactive,
                                      WatchAction::TryClose},
                                     {"WM_ACTIVATE WA_ACTIVE", 0x0006, 1, WatchAction::Swallow},
                                     {"WM_ACTIVATE WA_CLICKACTIVE", 0x0006, 2, WatchAction::Swallow},
                                     {"WM_ACTIVATEAPP false", 0x001C, 0, WatchAction::TryClose},
                                     {"WM_ACTIVATEAPP true", 0x001C, 1, WatchAction::Swallow},
                                     {"WM_NCACTIVATE false", 0x0086, 0, WatchAction::TryClose},
                                     {"WM_NCACTIVATE true", 0x0086, 1, WatchAction::Swallow},
                                     {"WM_KEYDOWN", 0x0100, 'A', WatchAction::TryClose},
                                     {"WM_KEYUP", 0x0101, 'A', WatchAction::TryClose},
                                     {"WM_SYSKEYDOWN", 0x0104, 0x12, WatchAction::TryClose},
                                     {"WM_SYSKEYUP", 0x0105, 0x12, WatchAction::TryClose},
                                     {"WM_MOUSEMOVE", 0x0200, 0, WatchAction::TestMovement},
                                     {"WM_LBUTTONDOWN", 0x0201, 1, WatchAction::TryClose},
                                     {"WM_RBUTTONDOWN", 0x0204, 2, WatchAction::TryClose},
                                     {"WM_MBUTTONDOWN", 0x0207, 0x10, WatchAction::TryClose},
                                     {"WM_LBUTTONUP", 0x0202, 0, WatchAction::PassOn},
                                     {"WM_LBUTTONDBLCLK", 0x0203, 1, WatchAction::PassOn},
                                     {"WM_RBUTTONUP", 0x0205, 0, WatchAction::PassOn},
                                     {"WM_MBUTTONUP", 0x0208, 0, WatchAction::PassOn},
                                     {"WM_MOUSEWHEEL", 0x020A, 0x00780000, WatchAction::PassOn},
                                     {"WM_CHAR", 0x0102, 'a', WatchAction::PassOn},
                                     {"WM_SYSCHAR", 0x0106, 'a', WatchAction::PassOn},
                                     {"WM_TIMER", 0x0113, 1, WatchAction::PassOn},
                                     {"WM_PAINT", 0x000F, 0, WatchAction::PassOn},
                                     {"WM_SYSCOMMAND", 0x0112, 0xF020, WatchAction::PassOn},
                                     {"companion input", kCompanionInputMessage, 0, WatchAction::TryClose},
                                 });
}

// A companion is never to be active: its activation is input, its
// deactivation (and the application's) is the slideshow window's to judge.
TEST(InputWatch, CompanionWindowsTakeActivationAsInput) {
    ExpectDecisions(DecideCompanionWatch,
                    {
                        {"WM_ACTIVATE WA_INACTIVE", 0x0006, 0, WatchAction::PassOn},
                        {"WM_ACTIVATE WA_ACTIVE", 0x0006, 1, WatchAction::TryClose},
                        {"WM_ACTIVATE WA_CLICKACTIVE", 0x0006, 2, WatchAction::TryClose},
                        {"WM_ACTIVATEAPP false", 0x001C, 0, WatchAction::PassOn},
                        {"WM_NCACTIVATE true", 0x0086, 1, WatchAction::PassOn},
                        {"WM_KEYDOWN", 0x0100, 'A', WatchAction::TryClose},
                        {"WM_MOUSEMOVE", 0x0200, 0, WatchAction::TestMovement},
                        {"WM_LBUTTONDOWN", 0x0201, 1, WatchAction::TryClose},
                        {"WM_LBUTTONUP", 0x0202, 0, WatchAction::PassOn},
                        {"companion input", kCompanionInputMessage, 0, WatchAction::PassOn},
                    });
}

TEST(InputWatch, MovementMustExceedTheThresholdOnOneAxis) {
    const ScreenPoint saved{512, 384};
    EXPECT_FALSE(MovedBeyond({517, 389}, saved, 5)) << "5 right and 5 down";
    EXPECT_FALSE(MovedBeyond({507, 379}, saved, 5)) << "5 left and 5 up";
    EXPECT_TRUE(MovedBeyond({518, 384}, saved, 5)) << "6 right";
    EXPECT_TRUE(MovedBeyond({512, 378}, saved, 5)) << "6 up";
    EXPECT_FALSE(MovedBeyond(saved, saved, 5));
}

TEST(InputWatch, SmallMovesAddUpBecauseTheReferenceStays) {
    const ScreenPoint saved{100, 100};
    int firedAt = -1;
    for (int step = 1; step <= 10 && firedAt < 0; ++step) {
        if (MovedBeyond({100 + step, 100}, saved, 5)) firedAt = step;
    }
    EXPECT_EQ(firedAt, 6);
}

TEST(InputWatch, JitterWithinTheThresholdNeverFires) {
    const ScreenPoint saved{0, 0};
    for (int x = -5; x <= 5; ++x) {
        for (int y = -5; y <= 5; ++y) EXPECT_FALSE(MovedBeyond({x, y}, saved, 5)) << x << "," << y;
    }
}

TEST(InputWatch, FarApartPointsDoNotOverflow) {
    EXPECT_TRUE(MovedBeyond({2147483647, 0}, {-2147483647 - 1, 0}, 5));
}

}  // namespace
