// The full-screen saver with two monitors side by side, as two-monitors.sh
// sets them up: 1280 x 1024 at 0,0 (the primary) and 1024 x 768 at 1280,0.
// Each must be covered by a topmost window of the saver and show photographs;
// input ends the saver on every monitor at once.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "driver/DisplaySettings.h"
#include "driver/ScreenShot.h"
#include "win/RegistryTestSupport.h"

using namespace std::chrono_literals;

namespace {

constexpr RECT kPrimary{0, 0, 1280, 1024};
constexpr RECT kSecond{1280, 0, 2304, 768};
constexpr const char* kCompanionClass = "SolqueraCompanion";
// The first photograph comes after about 2.1 s and takes 3 s to fade in; a
// loaded machine gets some seconds more.
constexpr auto kPhotographsShown = 15s;
// The flattest photograph fitted to a monitor's width covers 30 % of it; an
// uncovered monitor shows the black X root, a covered one is black until the
// first photograph.
constexpr double kLitPhotograph = 0.1;

std::vector<RECT> MonitorRects() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT rect, LPARAM context) CALLBACK -> BOOL {
            reinterpret_cast<std::vector<RECT>*>(context)->push_back(*rect);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&rects));
    return rects;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool Covers(HWND window, const RECT& area) {
    RECT rect{};
    return GetWindowRect(window, &rect) && SameRect(rect, area);
}

::testing::AssertionResult IsTopmost(HWND window) {
    if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "not topmost";
}

// The share of lit pixels in an area of the screen, every fourth pixel of every fourth row.
double LitShare(const RECT& area) {
    const ScreenShot shot(area);
    int lit = 0, all = 0;
    for (int y = 0; y < shot.Height(); y += 4) {
        for (int x = 0; x < shot.Width(); x += 4, ++all) lit += !shot.IsBlack(x, y);
    }
    return static_cast<double>(lit) / all;
}

class TwoMonitorSaverTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<RECT> monitors = MonitorRects();
        ASSERT_EQ(monitors.size(), 2u) << "the display does not give two monitors";
        ASSERT_TRUE(SameRect(monitors[0], kPrimary) || SameRect(monitors[1], kPrimary));
        ASSERT_TRUE(TempFiles("ins*").empty()) << "leftover temp files before the test";
    }
    void TearDown() override {
        registry_test::DeleteTree(registry_test::kOwnTree);
        for (const std::string& path : TempFiles("ins*")) DeleteFileA(path.c_str());
    }

    // Both windows of the saver, once each covers its monitor.
    void WaitForBothWindows(SaverProcess& saver) {
        primary_ = saver.WaitForWindow(kFormClass);
        ASSERT_NE(primary_, nullptr);
        companion_ = saver.WaitForWindow(kCompanionClass);
        ASSERT_NE(companion_, nullptr) << "the second monitor has no window";
        ASSERT_TRUE(WaitUntil([&] { return Covers(primary_, kPrimary) && Covers(companion_, kSecond); }))
            << "the windows do not cover the two monitors";
        EXPECT_EQ(saver.VisibleWindows(kCompanionClass).size(), 1u);
        EXPECT_TRUE(IsTopmost(primary_));
        EXPECT_TRUE(IsTopmost(companion_));
    }

    static void ExpectCleanEnd(SaverProcess& saver) {
        DWORD exitCode = 99;
        ASSERT_TRUE(saver.WaitForExit(kPromptly, exitCode)) << "the saver did not end";
        EXPECT_EQ(exitCode, 0u);
        EXPECT_TRUE(TempFiles("ins*").empty()) << "first leftover: " << TempFiles("ins*").front();
    }

    HWND primary_ = nullptr;
    HWND companion_ = nullptr;
};

TEST_F(TwoMonitorSaverTest, EveryMonitorShowsPhotographsAndOneKeyEndsAll) {
    SaverProcess saver("/s");
    WaitForBothWindows(saver);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(GetForegroundWindow(), primary_) << "the companion took the activation";

    double primaryLit = 0, secondLit = 0;
    EXPECT_TRUE(WaitUntil(
        [&] {
            primaryLit = LitShare(kPrimary);
            secondLit = LitShare(kSecond);
            return primaryLit > kLitPhotograph && secondLit > kLitPhotograph;
        },
        kPhotographsShown))
        << "lit: " << primaryLit << " of the primary, " << secondLit << " of the second monitor";
    // The companion writes no files: the saver's photo and page file are
    // all, with their reservations.
    EXPECT_EQ(TempFiles("ins*").size(), 4u);

    // A new layout (here the same) is followed without ending the saver.
    PostMessageA(primary_, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    Pause(500ms);
    EXPECT_TRUE(Covers(primary_, kPrimary) && Covers(companion_, kSecond));

    PostMessageA(primary_, WM_KEYDOWN, VK_ESCAPE, 0);
    ExpectCleanEnd(saver);
}

TEST_F(TwoMonitorSaverTest, AClickReachingTheCompanionEndsTheSaver) {
    SaverProcess saver("/s");
    WaitForBothWindows(saver);
    ASSERT_FALSE(HasFailure());
    PostMessageA(companion_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    ExpectCleanEnd(saver);
}

// The display goes off (told as older Windows tell it) while the box of the
// window's creation is open, which may wait all night: the slideshow draws
// nothing, the companion made at the activation starts dark, and both show
// photographs once the display is on again.
TEST_F(TwoMonitorSaverTest, AMonitorCoveredWhileTheDisplayIsOffStaysDarkUntilItIsOn) {
    registry_test::StoreUnreadableEffect();
    SaverProcess saver("/s");
    ASSERT_NE(saver.WaitForMessageBox(), nullptr);
    const std::vector<HWND> windows = saver.TopLevelWindows(kFormClass);
    ASSERT_EQ(windows.size(), 1u);
    ASSERT_TRUE(SendPowerSetting(windows.front(), kMonitorPowerOn, 0));
    AcknowledgeErrorBox(saver, registry_test::ReadErrorFor("Effect"));
    WaitForBothWindows(saver);
    ASSERT_FALSE(HasFailure());
    Pause(7s);  // past the first photographs and their transitions
    EXPECT_EQ(LitShare(kSecond), 0) << "the companion draws with the display off";
    EXPECT_EQ(LitShare(kPrimary), 0) << "the slideshow draws with the display off";
    ASSERT_TRUE(SendPowerSetting(primary_, kConsoleDisplayState, 1));
    EXPECT_TRUE(WaitUntil([] {
        return LitShare(kPrimary) > kLitPhotograph && LitShare(kSecond) > kLitPhotograph;
    })) << "not drawn once the display is on";
    PostMessageA(primary_, WM_KEYDOWN, VK_ESCAPE, 0);
    ExpectCleanEnd(saver);
}

}  // namespace
