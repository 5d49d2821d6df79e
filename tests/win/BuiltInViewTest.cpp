// The built-in page view in a window of its own on the screen: the test
// writes pages and photographs as the slideshow does, navigates, and reads
// back what the screen shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "driver/DisplaySettings.h"
#include "driver/ScreenShot.h"
#include "driver/TestWindow.h"
#include "view/BuiltInView.h"
#include "slideshow/PageText.h"
#include "slideshow/SlideSequence.h"
#include "tests/native/TestJpeg.h"
#include "ui/Error.h"
#include "ui/Scoped.h"

using namespace std::chrono_literals;

namespace {

constexpr int kLeft = 100;
constexpr int kTop = 80;
constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr RECT kArea{kLeft, kTop, kLeft + kWidth, kTop + kHeight};
constexpr testjpeg::Rgb kRed{220, 30, 30};
constexpr testjpeg::Rgb kBlue{30, 30, 220};

std::string Fade() {
    RandomGenerator unused;
    return ChooseExitMeta(23, unused);
}

std::string Reveal(std::int32_t pattern) {
    RandomGenerator unused;
    return ChooseExitMeta(pattern, unused);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A file of this size, all zeros, written without writing them.
void WriteZeroFile(const std::string& path, LONGLONG size) {
    const ScopedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    LARGE_INTEGER end;
    end.QuadPart = size;
    SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN);
    SetEndOfFile(file.Get());
}

void WriteJpeg(const std::string& path, int width, int height, testjpeg::Rgb colour) {
    const auto jpeg = testjpeg::Solid(width, height, colour);
    WriteFile(path, std::string(jpeg.begin(), jpeg.end()));
}

// What the screen shows of the test window.
class ViewShot : public ScreenShot {
public:
    ViewShot() : ScreenShot(kArea) {}
    bool IsNear(int x, int y, testjpeg::Rgb colour) const {
        return std::abs(Red(x, y) - colour.red) < 24 && std::abs(Green(x, y) - colour.green) < 24 &&
               std::abs(Blue(x, y) - colour.blue) < 24;
    }
};

// A wipe between the two halfway: the new blue on the left, the old red on the right.
void ExpectBlueLeftOfRed(const ViewShot& shot) {
    EXPECT_TRUE(shot.IsNear(30, 120, kBlue));
    EXPECT_TRUE(shot.IsNear(290, 120, kRed));
}

// One shown, topmost test window for the whole suite: Wine under a bare X
// server takes two seconds to withdraw a shown top-level window.
class BuiltInViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        parent_ = CreateTestWindow({.className = "BuiltInViewTestParent",
                                    .style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                    .bounds = kArea,
                                    .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                                    .background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))});
    }
    static void TearDownTestSuite() { DestroyWindow(parent_); }

    void TearDown() override {
        view_.reset();
        for (const std::string& file : {pageFile_, photoFile_, otherPhoto_}) DeleteFileA(file.c_str());
    }

    // The view laid out as the slideshow lays out its view: frame and scroll
    // bars outside the window.
    void MakeView() {
        view_ = std::make_unique<BuiltInView>(parent_, random_);
        view_->SetBounds(-2, -2, kWidth + GetSystemMetrics(SM_CXHSCROLL) + 4,
                         kHeight + GetSystemMetrics(SM_CYVSCROLL) + 4);
    }

    void ShowPage(const std::string& page) {
        WriteFile(pageFile_, page);
        view_->Navigate(pageFile_);
    }

    // Red, then blue coming in from the left as the red page's exit says,
    // halfway through the wipe.
    void ShowWipeRightHalfway(const std::string& blueExitMeta) {
        MakeView();
        ShowPage(PhotoPageOf(Reveal(6), 640, 480, kRed, photoFile_));
        ShowPage(PhotoPageOf(blueExitMeta, 640, 480, kBlue, otherPhoto_));
        Pause(1500ms);
    }

    // A photo page for a photograph of this size and colour, fitted as the slideshow fits it.
    std::string PhotoPageOf(const std::string& exitMeta, int width, int height, testjpeg::Rgb colour,
                            const std::string& photoFile) {
        WriteJpeg(photoFile, width, height, colour);
        return PhotoPage(exitMeta, kWidth, kHeight, photoFile, FitPhoto(width, height, kWidth, kHeight));
    }

    inline static HWND parent_ = nullptr;
    RandomGenerator random_{11};
    std::unique_ptr<PageView> view_;
    // Paths with blanks and non-ASCII letters, as user profiles have them.
    const std::string pageFile_ = TempDirectory() + "solquera view test \xE4.htm";
    const std::string photoFile_ = TempDirectory() + "solquera view test \xE4.jpg";
    const std::string otherPhoto_ = TempDirectory() + "solquera view test \xF6.jpg";
};

TEST_F(BuiltInViewTest, StartsAtTheDesignPlacementWithTheControlsFrame) {
    view_ = std::make_unique<BuiltInView>(parent_, random_);
    const HWND window = GetWindow(parent_, GW_CHILD);
    ASSERT_NE(window, nullptr);
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, parent_, reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, 56);
    EXPECT_EQ(bounds.top, 140);
    EXPECT_EQ(bounds.right - bounds.left, 545);
    EXPECT_EQ(bounds.bottom - bounds.top, 429);
    EXPECT_EQ(view_->ClientWidth(), 541) << "a two-pixel frame on either side";
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP, 0);

    view_->SetLeft(kWidth);
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, parent_, reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, kWidth);
    EXPECT_EQ(bounds.top, 140);

    view_->SetBounds(-2, -2, 160, 120);
    view_->SetClientWidth(700);
    EXPECT_EQ(view_->ClientWidth(), 700);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x, kLeft);
    EXPECT_EQ(origin.y, kTop) << "the page starts at the window's corner";

    ShowWindow(window, SW_HIDE);
    view_->Show();
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(BuiltInViewTest, ShowsThePhotographWhereThePageFitsItAfterTheStartPagesTransition) {
    MakeView();
    ShowPage(StartPage(Fade()));
    Pause(200ms);
    const ViewShot black;
    for (int y = 0; y < kHeight; y += 7) {
        for (int x = 0; x < kWidth; x += 7) ASSERT_TRUE(black.IsBlack(x, y)) << x << "," << y;
    }

    // A portrait fills the height: 180 x 240, centred from x = 70.
    ShowPage(PhotoPageOf(Fade(), 576, 768, kRed, photoFile_));
    Pause(3300ms);
    const ViewShot shown;
    for (int y = 0; y < kHeight; y += 3) {
        for (int x = 0; x < kWidth; x += 3) {
            const bool inside = x >= 70 && x < 250;
            if (x == 69 || x == 70 || x == 249 || x == 250) continue;  // the edges may blend
            if (inside) {
                ASSERT_TRUE(shown.IsNear(x, y, kRed)) << x << "," << y << ": " << shown.Red(x, y) << " "
                                                      << shown.Green(x, y) << " " << shown.Blue(x, y);
            } else {
                ASSERT_TRUE(shown.IsBlack(x, y)) << x << "," << y;
            }
        }
    }
}

TEST_F(BuiltInViewTest, FadeMixesTheTwoPhotographsHalfway) {
    MakeView();
    ShowPage(PhotoPageOf(Fade(), 640, 480, kRed, photoFile_));
    Pause(200ms);
    ASSERT_TRUE(ViewShot().IsNear(160, 120, kRed)) << "the first page came without a transition";

    ShowPage(PhotoPageOf(Fade(), 640, 480, kBlue, otherPhoto_));
    Pause(1500ms);
    const ViewShot halfway;
    for (const auto& [x, y] : {std::pair{5, 5}, {160, 120}, {310, 230}}) {
        EXPECT_GT(halfway.Red(x, y), 70) << x << "," << y;
        EXPECT_LT(halfway.Red(x, y), 180) << x << "," << y;
        EXPECT_GT(halfway.Blue(x, y), 70) << x << "," << y;
        EXPECT_LT(halfway.Blue(x, y), 180) << x << "," << y;
    }
    Pause(1800ms);
    EXPECT_TRUE(ViewShot().IsNear(160, 120, kBlue));
}

TEST_F(BuiltInViewTest, WipeRightShowsTheNewPhotographOnTheLeftFirst) {
    ShowWipeRightHalfway(Fade());
    const ViewShot halfway;
    ExpectBlueLeftOfRed(halfway);
    Pause(1800ms);
    EXPECT_TRUE(ViewShot().IsNear(290, 120, kBlue));
}

TEST_F(BuiltInViewTest, TransitionNumbersBeyondThePatternsCut) {
    MakeView();
    for (const std::int32_t pattern : {25, -1, 1000}) {
        ShowPage(PhotoPageOf(Reveal(pattern), 640, 480, kRed, photoFile_));
        ShowPage(PhotoPageOf(Fade(), 640, 480, kBlue, otherPhoto_));
        Pause(150ms);
        EXPECT_TRUE(ViewShot().IsNear(160, 120, kBlue)) << "pattern " << pattern;
    }
}

TEST_F(BuiltInViewTest, APageItCannotShowRaisesAnErrorAndKeepsThePageBefore) {
    MakeView();
    ShowPage(PhotoPageOf(Fade(), 640, 480, kRed, photoFile_));
    Pause(150ms);

    const auto errorOf = [&](const std::string& page) -> std::optional<std::string> {
        try {
            ShowPage(page);
        } catch (const Error& error) {
            return error.what();
        }
        return std::nullopt;
    };
    const std::string missingPhoto =
        PhotoPage(Fade(), kWidth, kHeight, TempDirectory() + "no such photo.jpg", PhotoFit::Width);
    // One byte beyond the largest photo file the view reads: refused unread.
    WriteZeroFile(otherPhoto_, (LONGLONG{64} << 20) + 1);
    const struct {
        std::string page;
        std::string says;
    } rows[] = {
        {"not a page", "no HTML page"},
        {"<html>" + std::string(64 << 10, ' '), "The page '" + pageFile_ + "' is larger than 65536 bytes"},
        {missingPhoto, "The photograph '" + TempDirectory() + "no such photo.jpg" + "' cannot be opened"},
        {PhotoPage(Fade(), kWidth, kHeight, otherPhoto_, PhotoFit::Width),
         "The photograph '" + otherPhoto_ + "' is larger than 67108864 bytes"},
        {PhotoPage(Fade(), kWidth, kHeight, "\\\\.\\pipe\\solquera", PhotoFit::Width),
         "'\\\\.\\pipe\\solquera' is not a file on a drive letter"},
        {PhotoPage(Fade(), kWidth, kHeight, pageFile_, PhotoFit::Width), "JPEG-Fehler"},
    };
    for (const auto& row : rows) {
        const auto error = errorOf(row.page);
        ASSERT_TRUE(error.has_value()) << row.page;
        EXPECT_NE(error->find("'" + pageFile_ + "': "), std::string::npos) << *error;
        EXPECT_NE(error->find(row.says), std::string::npos) << *error;
        Pause(100ms);
        EXPECT_TRUE(ViewShot().IsNear(160, 120, kRed)) << "the failed page replaced the one before";
    }

    DeleteFileA(pageFile_.c_str());
    try {
        view_->Navigate(pageFile_);
        ADD_FAILURE() << "a missing page file raised nothing";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("The page '" + pageFile_ + "' cannot be opened"),
                  std::string::npos)
            << error.what();
    }
}

TEST_F(BuiltInViewTest, ANavigationDuringATransitionStartsFromWhatIsShown) {
    ShowWipeRightHalfway(Reveal(7));
    // Wipe left back to red from the half-blue, half-red screen.
    ShowPage(PhotoPageOf(Fade(), 640, 480, kRed, photoFile_));
    Pause(150ms);
    const ViewShot shot;
    ExpectBlueLeftOfRed(shot);
    Pause(3100ms);
    EXPECT_TRUE(ViewShot().IsNear(30, 120, kRed));
}

// The view's debug lines, as a debugger sees them: the system raises each
// one as an exception that a first handler sees before anyone else.
std::vector<std::string> debugLines;
LONG CALLBACK CollectDebugLine(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2)
        debugLines.emplace_back(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
    return EXCEPTION_CONTINUE_SEARCH;
}

// The parent changed its size since the last page (a window maximised
// late): the view lays the old page out anew at once, and the new page's
// change is still the one its debug line tells of.
TEST_F(BuiltInViewTest, APageAfterTheParentsNewSizeLogsItsOwnChange) {
    MakeView();
    ShowPage(PhotoPageOf(Reveal(6), 640, 480, kRed, photoFile_));  // the first page: a cut
    Pause(100ms);
    SetWindowPos(parent_, nullptr, 0, 0, kWidth - 40, kHeight - 40,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    void* const handler = AddVectoredExceptionHandler(1, CollectDebugLine);
    ShowPage(PhotoPageOf(Fade(), 640, 480, kBlue, otherPhoto_));
    Pause(3300ms);
    RemoveVectoredExceptionHandler(handler);
    SetWindowPos(parent_, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(debugLines.size(), 1u);
    // The leaving page's exit plays, not the cut of the new layout.
    EXPECT_TRUE(debugLines[0].starts_with("Solquera view: reveal 6:") && debugLines[0].ends_with("done\n"))
        << debugLines[0];
}

}  // namespace
