// The full-screen saver under Wine shows its pages through the built-in view:
// the test reads the page the saver wrote, works out where the photograph
// must be, and compares with what the screen shows.
//
// The preview's pixels are not compared: under Wine a child window drawn by
// another process reaches the screen only now and then, whatever it draws.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/DisplaySettings.h"
#include "driver/ScreenShot.h"
#include "view/PageReader.h"
#include "view/PhotoPlacement.h"
#include "ui/Jpeg.h"
#include "win/RegistryTestSupport.h"

using namespace std::chrono_literals;

namespace {

// From the saver's start to its first photograph (21 ticks), and one transition with some time to spare.
constexpr auto kFirstAdvance = 4s;
constexpr auto kTransition = 3500ms;
constexpr auto kLongestGap = 10s;

// The page the saver shows now, once it holds a photograph.
std::optional<PageContent> CurrentPhotoPage(std::string& text) {
    const std::vector<std::string> pages = TempFiles("ins*.htm");
    if (pages.size() != 1) return std::nullopt;
    text = ReadFileBytes(pages.front());
    if (text.find("<img") == std::string::npos) return std::nullopt;
    return ReadPage(text);
}

// Lit pixels on the screen's middle row, every fourth one looked at.
int LitAcrossTheMiddle(const ScreenShot& shot) {
    int lit = 0;
    for (int x = 0; x < shot.Width(); x += 4) lit += !shot.IsBlack(x, shot.Height() / 2);
    return lit;
}

class BuiltInViewSaverTest : public ::testing::Test {
protected:
    // No setting: the saver fades, its default.
    void SetUp() override { registry_test::DeleteTree(registry_test::kOwnTree); }
    void TearDown() override {
        registry_test::DeleteTree(registry_test::kOwnTree);
        for (const std::string& path : TempFiles("ins*")) DeleteFileA(path.c_str());
    }

    // The saver's window, then its first page with a photograph.
    void WaitForFirstPhotograph(SaverProcess& saver) {
        window_ = saver.WaitForWindow(kFormClass);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return (page_ = CurrentPhotoPage(text_)).has_value(); }, kFirstAdvance))
            << "no photograph shown";
    }

    void EndSaver(SaverProcess& saver) {
        PostMessageA(window_, WM_KEYDOWN, VK_ESCAPE, 0);
        DWORD exitCode = 99;
        EXPECT_TRUE(saver.WaitForExit(kPromptly, exitCode));
        EXPECT_EQ(exitCode, 0u);
    }

    HWND window_ = nullptr;
    std::string text_;  // the page's text
    std::optional<PageContent> page_;
};

}  // namespace

TEST_F(BuiltInViewSaverTest, FullScreenShowsThePhotographWhereTheFitRulePutsIt) {
    SaverProcess saver("/s");
    ASSERT_NO_FATAL_FAILURE(WaitForFirstPhotograph(saver));
    const std::string photo = ReadFileBytes(page_->photo->source);
    const PixelRect placed = Intersection(PlacePhoto(*page_->photo, ReadJpegSize(photo.data(), photo.size())),
                                          CellArea(*page_->photo));
    Pause(kTransition);
    const ScreenShot shot;

    // Inside, a photograph is rarely black; outside, the page is black to the pixel.
    int inside = 0;
    int lit = 0;
    for (int y = 0; y < shot.Height(); y += 4) {
        for (int x = 0; x < shot.Width(); x += 4) {
            const bool nearEdge = x >= placed.left - 2 && x < placed.right + 2 && y >= placed.top - 2 &&
                                  y < placed.bottom + 2 &&
                                  !(x >= placed.left + 2 && x < placed.right - 2 && y >= placed.top + 2 &&
                                    y < placed.bottom - 2);
            if (nearEdge) continue;
            if (x >= placed.left && x < placed.right && y >= placed.top && y < placed.bottom) {
                ++inside;
                lit += !shot.IsBlack(x, y);
            } else {
                ASSERT_TRUE(shot.IsBlack(x, y))
                    << "(" << x << ", " << y << ") is " << std::hex << shot.Colour(x, y) << std::dec
                    << ", outside the photograph placed at " << placed.left << "," << placed.top << "-"
                    << placed.right << "," << placed.bottom << " by " << text_;
            }
        }
    }
    EXPECT_GT(lit, inside * 9 / 10) << "the photograph's place is dark: " << text_;
    EndSaver(saver);
}

TEST_F(BuiltInViewSaverTest, FadeHalfwayMixesTheTwoPhotographs) {
    SaverProcess saver("/s");
    ASSERT_NO_FATAL_FAILURE(WaitForFirstPhotograph(saver));
    Pause(kTransition);
    const ScreenShot before;
    // Every page names the same photo file, and two pages differ at most in
    // their fit: the next photograph shows in the file's content.
    const std::string firstPhoto = ReadFileBytes(page_->photo->source);
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto next = CurrentPhotoPage(text_);
            return next && ReadFileBytes(next->photo->source) != firstPhoto;
        },
        kLongestGap))
        << "no second photograph";
    Pause(1500ms);
    const ScreenShot halfway;
    Pause(2000ms);
    const ScreenShot after;

    // Where the photographs differ clearly, halfway lies between them, away from both.
    int differing = 0;
    int mixed = 0;
    for (int y = 0; y < before.Height(); y += 3) {
        for (int x = 0; x < before.Width(); x += 3) {
            for (int channel = 0; channel < 3; ++channel) {
                const int from = before.Channel(x, y, channel);
                const int to = after.Channel(x, y, channel);
                if (std::abs(from - to) < 80) continue;
                ++differing;
                const int now = halfway.Channel(x, y, channel);
                const int low = std::min(from, to);
                const int high = std::max(from, to);
                const int margin = (high - low) / 5;
                mixed += now > low + margin && now < high - margin;
            }
        }
    }
    ASSERT_GT(differing, 1000) << "the two photographs hardly differ";
    EXPECT_GT(mixed, differing * 8 / 10) << mixed << " of " << differing << " channels mixed";
    EndSaver(saver);
}

// With the display off the first photograph comes due and is not drawn (the
// start page stays black); on again, it is drawn at once, without waiting
// for the next one.
TEST_F(BuiltInViewSaverTest, NoFrameIsDrawnWhileTheDisplayIsOff) {
    SaverProcess saver("/s");
    window_ = saver.WaitForWindow(kFormClass);
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntil([] { return !TempFiles("ins*.htm").empty(); })) << "no start page";
    Pause(300ms);
    ASSERT_TRUE(SendPowerSetting(window_, kConsoleDisplayState, 0));
    std::string text;
    ASSERT_TRUE(WaitUntil([&] { return CurrentPhotoPage(text).has_value(); }, kFirstAdvance));
    Pause(kTransition);
    EXPECT_EQ(LitAcrossTheMiddle(ScreenShot()), 0) << "drawn with the display off";
    ASSERT_TRUE(SendPowerSetting(window_, kConsoleDisplayState, 1));
    Pause(300ms);
    // The narrowest photograph, 0.59 times as wide as high, lights 44 % of
    // the middle row of a 4:3 screen: a quarter is lit whichever is shown.
    const ScreenShot lit;
    EXPECT_GT(LitAcrossTheMiddle(lit), lit.Width() / 16)
        << "the photograph is not drawn when the display is on";
    EndSaver(saver);
}

// A temp folder off the drive letters, as a profile's on a share or a long
// path's: the view is handed the slideshow's own pages and photographs, which
// it would not read back from there. No box opens, which would end the saver.
TEST_F(BuiltInViewSaverTest, ATempFolderOffTheDriveLettersShowsThePhotographs) {
    const std::string temp = TempDirectory();
    SetEnvironmentVariableA("TMP", ("\\\\?\\" + temp).c_str());
    SaverProcess saver("/s");
    SetEnvironmentVariableA("TMP", temp.c_str());
    ASSERT_NO_FATAL_FAILURE(WaitForFirstPhotograph(saver));
    EXPECT_EQ(page_->photo->source.rfind("\\\\?\\", 0), 0u) << text_;
    Pause(kTransition);
    EXPECT_TRUE(saver.TopLevelWindows("#32770").empty()) << "a box opened";
    DWORD exitCode = 99;
    ASSERT_FALSE(saver.WaitForExit(0ms, exitCode)) << "the saver ended by itself, with " << exitCode;
    const ScreenShot shot;
    EXPECT_GT(LitAcrossTheMiddle(shot), shot.Width() / 16) << "no photograph drawn";
    EndSaver(saver);
    EXPECT_TRUE(TempFiles("ins*").empty()) << "left behind: " << TempFiles("ins*").front();
}
