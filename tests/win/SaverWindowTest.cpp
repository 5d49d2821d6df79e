// The full-screen saver and the preview, started as the display settings
// start them, observed from outside: windows, registry, temp files, exit code.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "driver/DisplaySettings.h"
#include "driver/Input.h"
#include "slideshow/Leftovers.h"
#include "slideshow/PageText.h"
#include "slideshow/SlideSequence.h"
#include "ui/Jpeg.h"
#include "ui/Scoped.h"
#include "win/RegistryTestSupport.h"

using namespace registry_test;
using namespace std::chrono_literals;

namespace {

constexpr const char* kSoundKey = "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current";
constexpr const char* kBrowserMainKey = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr const char* kSoundPath = "C:\\Windows\\Media\\Navigating.wav";

// The saver's temp files and its placeholders; its page files alone.
std::vector<std::string> SaverTempFiles() {
    return TempFiles("ins*");
}
std::vector<std::string> SaverPages() {
    return TempFiles("ins*.htm");
}

std::string SoundValue() {
    const StoredValue stored = ReadStored(kSoundKey, "");
    std::string text(stored.data.begin(), stored.data.end());
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

Bytes PageTransitions() {
    return ReadStored(kBrowserMainKey, "Page_Transitions").data;
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The browser settings a slideshow borrows, set to known values for each test
// and put back as the prefix had them.
class SaverTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSound_ = ReadStored(kSoundKey, "");
        savedTransitions_ = ReadStored(kBrowserMainKey, "Page_Transitions");
        DeleteTree(kOwnTree);
        StoreValue(kSoundKey, "", REG_SZ, BytesOf(kSoundPath, true));
        StoreValue(kBrowserMainKey, "Page_Transitions", REG_DWORD, LittleEndian(0));
        ASSERT_TRUE(SaverTempFiles().empty()) << "leftover temp files before the test";
    }

    void TearDown() override {
        Restore(kSoundKey, "", savedSound_);
        Restore(kBrowserMainKey, "Page_Transitions", savedTransitions_);
        DeleteTree(kOwnTree);
        for (const std::string& path : SaverTempFiles()) DeleteFileA(path.c_str());
    }

    // After a clean end: exit code 0, settings restored, no temp file left.
    void ExpectCleanEnd(SaverProcess& saver) {
        DWORD exitCode = 99;
        ASSERT_TRUE(saver.WaitForExit(kPromptly, exitCode)) << "the saver did not end";
        EXPECT_EQ(exitCode, 0u);
        EXPECT_EQ(SoundValue(), kSoundPath);
        EXPECT_EQ(PageTransitions(), LittleEndian(0));
        EXPECT_TRUE(SaverTempFiles().empty()) << "first leftover: " << SaverTempFiles().front();
    }

private:
    static void Restore(const char* path, const char* name, const StoredValue& saved) {
        if (saved.exists) {
            StoreValue(path, name, saved.type, saved.data);
            return;
        }
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, name);
            RegCloseKey(key);
        }
    }

    StoredValue savedSound_;
    StoredValue savedTransitions_;
};

TEST_F(SaverTest, FullScreenRunsAndEndsOnAKey) {
    SaverProcess saver("/s");
    const HWND window = saver.WaitForWindow(kFormClass);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(saver.VisibleWindows(kFormClass).size(), 1u);

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_CHILD), 0) << std::hex << style;
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ASSERT_TRUE(WaitUntil([&] {
        const RECT rect = WindowRectOf(window);
        return rect.left == 0 && rect.top == 0 && rect.right == GetSystemMetrics(SM_CXSCREEN) &&
               rect.bottom == GetSystemMetrics(SM_CYSCREEN);
    })) << "the window does not cover the screen";

    BOOL running = FALSE;  // the first reading in this process
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    EXPECT_TRUE(running);
    EXPECT_EQ(SoundValue(), std::string(kSoundPath) + "[deactivated]");
    EXPECT_EQ(PageTransitions(), LittleEndian(1));

    std::vector<std::string> pages;
    ASSERT_TRUE(WaitUntil([&] { return !(pages = SaverPages()).empty(); }));
    ASSERT_EQ(pages.size(), 1u);
    RandomGenerator unused;
    EXPECT_EQ(ReadFileBytes(pages.front()), StartPage(ChooseExitMeta(23, unused)));

    PostMessageA(window, WM_KEYDOWN, 'A', 0);
    ExpectCleanEnd(saver);
    // Whether the flag is lowered again cannot be seen from here: Wine keeps
    // a process's first reading of it (the password tests check the call).
}

// The error box of the window's creation stays open longer than the
// countdown to the first photograph: the ticks it lets through advance
// nothing, and once it is gone the slideshow runs as always.
TEST_F(SaverTest, AnUnreadableEffectIsReportedAndTheSlideshowRunsWithBoxIn) {
    StoreUnreadableEffect();
    SaverProcess saver("/s");
    ASSERT_NE(saver.WaitForMessageBox(), nullptr);
    Pause(6s);
    AcknowledgeErrorBox(saver, ReadErrorFor("Effect"));

    // The window is made all the same, and its effect stays at its first value, 0.
    const HWND window = saver.WaitForWindow(kFormClass);
    ASSERT_NE(window, nullptr);
    std::string page;
    ASSERT_TRUE(WaitUntil([&] {
        const std::vector<std::string> pages = SaverPages();
        return pages.size() == 1 && (page = ReadFileBytes(pages.front())).find("<img") != std::string::npos;
    })) << "no photograph shown";
    RandomGenerator unused;
    EXPECT_NE(page.find(ChooseExitMeta(0, unused)), std::string::npos) << page;

    PostMessageA(window, WM_KEYDOWN, 'A', 0);
    ExpectCleanEnd(saver);
}

// The display settings close the preview while the saver still builds it
// (here while the error box of its creation is open): it ends, and nothing
// is made after its shutdown.
TEST_F(SaverTest, APreviewClosedBeforeItStartedLeavesNothingBehind) {
    StoreUnreadableEffect();
    PreviewParent parent;
    SaverProcess saver(parent.Argument());
    ASSERT_NE(saver.WaitForMessageBox(), nullptr);
    DestroyWindow(parent.Handle());
    ExpectCleanEnd(saver);
}

}  // namespace

namespace {

// Waits until the saver has activated its window: the start page is written
// then, and the cursor position that movement is measured from is taken.
void WaitForActivation() {
    ASSERT_TRUE(WaitUntil([] { return !SaverPages().empty(); })) << "no start page was written";
    Pause(300ms);
}

bool StillRunning(SaverProcess& saver, std::chrono::milliseconds forHowLong) {
    DWORD exitCode = 0;
    return !saver.WaitForExit(forHowLong, exitCode);
}

POINT CursorNow() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return cursor;
}

}  // namespace

TEST_F(SaverTest, MovementWithinTheThresholdKeepsTheSaverBeyondItEnds) {
    SaverProcess saver("/s");
    ASSERT_NE(saver.WaitForWindow(kFormClass), nullptr);
    WaitForActivation();
    const POINT start = CursorNow();
    SetCursorPos(start.x + 5, start.y + 5);
    Pause(200ms);
    SetCursorPos(start.x - 5, start.y - 5);
    EXPECT_TRUE(StillRunning(saver, 1500ms)) << "5 pixels on both axes ended the saver";
    SetCursorPos(start.x + 6, start.y);
    ExpectCleanEnd(saver);
}

TEST_F(SaverTest, AMouseButtonEndsTheSaver) {
    SaverProcess saver("/s");
    ASSERT_NE(saver.WaitForWindow(kFormClass), nullptr);
    WaitForActivation();
    ClickLeftButton();
    ExpectCleanEnd(saver);
}

TEST_F(SaverTest, ATypedKeyEndsTheSaver) {
    SaverProcess saver("/s");
    ASSERT_NE(saver.WaitForWindow(kFormClass), nullptr);
    WaitForActivation();
    PressKeys({VK_SPACE});
    ExpectCleanEnd(saver);
}

TEST_F(SaverTest, LosingTheActivationEndsTheSaver) {
    SaverProcess saver("/s");
    ASSERT_NE(saver.WaitForWindow(kFormClass), nullptr);
    WaitForActivation();
    const HWND other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "other", WS_POPUP | WS_VISIBLE, 10, 10, 100,
                                       100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ExpectCleanEnd(saver);
    DestroyWindow(other);
}

namespace {

RECT RectInParent(HWND window) {
    RECT rect = WindowRectOf(window);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

TEST_F(SaverTest, PreviewFillsItsParentAndIgnoresInput) {
    PreviewParent parent;
    SaverProcess saver(parent.Argument());
    const HWND window = parent.WaitForSaverChild();
    ASSERT_NE(window, nullptr);
    WaitForActivation();

    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
    const RECT rect = RectInParent(window);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 152);
    EXPECT_EQ(rect.bottom, 112);

    const std::vector<HWND> views = ChildWindows(window);
    ASSERT_FALSE(views.empty()) << "no view inside the preview";
    const RECT view = RectInParent(views.front());
    EXPECT_EQ(view.left, -2);
    EXPECT_EQ(view.top, -2);
    RECT client{};
    GetClientRect(views.front(), &client);
    EXPECT_EQ(client.right, 700);

    SetForegroundWindow(parent.Handle());
    PressKeys({'A'});
    const RECT screen = WindowRectOf(window);
    SetCursorPos(screen.left + 20, screen.top + 20);
    SetCursorPos(screen.left + 100, screen.top + 90);
    ClickLeftButton();
    EXPECT_TRUE(StillRunning(saver, 1500ms)) << "input ended the preview";

    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(window)) << "a minimise command hides the window";
    EXPECT_TRUE(StillRunning(saver, 500ms)) << "a minimise command ended the preview";

    DestroyWindow(parent.Handle());
    ExpectCleanEnd(saver);
}

TEST_F(SaverTest, PreviewWithoutAWindowEndsAtOnce) {
    for (const char* arguments : {"/p 0", "/p 123456789"}) {
        SaverProcess saver(arguments);
        DWORD exitCode = 99;
        ASSERT_TRUE(saver.WaitForExit(kPromptly, exitCode)) << arguments;
        EXPECT_EQ(exitCode, 0u) << arguments;
        EXPECT_EQ(SoundValue(), kSoundPath) << arguments;
        EXPECT_TRUE(SaverTempFiles().empty()) << arguments;
    }
}

namespace {

// The photographs inside the built executable, read as the system reads them.
class SaverResources {
public:
    SaverResources()
        : module_(LoadLibraryExA(SaverPath(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    std::string Photo(int number) const {
        const HRSRC resource =
            FindResourceA(module_.Get(), MAKEINTRESOURCEA(110 + number), MAKEINTRESOURCEA(10));
        if (!resource) return {};
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module_.Get(), resource)));
        return std::string(bytes, SizeofResource(module_.Get(), resource));
    }

private:
    ScopedLibrary module_;
};

std::string TempFileEndingIn(const char* extension) {
    for (const std::string& path : SaverTempFiles()) {
        if (path.ends_with(extension)) return path;
    }
    return {};
}

}  // namespace

TEST_F(SaverTest, TheFirstPhotographIsStagedAfterTwoSecondsAndFitted) {
    SaverProcess saver("/s");
    const HWND window = saver.WaitForWindow(kFormClass);
    ASSERT_NE(window, nullptr);
    std::string photoPath;
    ASSERT_TRUE(WaitUntil([&] { return !(photoPath = TempFileEndingIn(".jpg")).empty(); }, 4s))
        << "no photograph staged";
    Pause(300ms);  // let the tick write the page as well

    const std::string staged = ReadFileBytes(photoPath);
    const SaverResources resources;
    int number = -1;
    for (int candidate = 0; candidate < 50 && number < 0; ++candidate) {
        if (resources.Photo(candidate) == staged) number = candidate;
    }
    ASSERT_GE(number, 0) << "the photo file is no byte copy of any photograph";

    const PixelSize size = ReadJpegSize(staged.data(), staged.size());
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const PhotoFit fit = FitPhoto(size.width, size.height, width, height);
    RandomGenerator unused;
    const std::string expectedPage = PhotoPage(ChooseExitMeta(23, unused), width, height, photoPath, fit);
    EXPECT_EQ(ReadFileBytes(TempFileEndingIn(".htm")), expectedPage) << "photograph " << number;

    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    ExpectCleanEnd(saver);
}

// The system ends the process once every top window has answered the
// session's end: by then the shutdown has run. The preview's one top window
// is the application's hidden one.
TEST_F(SaverTest, TheSessionsEndRunsTheShutdownBeforeItIsAnswered) {
    for (const bool preview : {false, true}) {
        SCOPED_TRACE(preview ? "preview" : "full screen");
        PreviewParent parent;
        SaverProcess saver(preview ? parent.Argument() : "/s");
        WaitForActivation();
        const std::vector<HWND> windows = saver.TopLevelWindows();
        for (const HWND window : windows) {
            DWORD_PTR agreed = 0;
            SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000, &agreed);
            EXPECT_TRUE(agreed) << ClassName(window);
        }
        for (const HWND window : windows)
            SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000, nullptr);
        EXPECT_EQ(SoundValue(), kSoundPath);
        EXPECT_EQ(PageTransitions(), LittleEndian(0));
        EXPECT_TRUE(SaverTempFiles().empty());
        ExpectCleanEnd(saver);
    }
}

namespace {

// The file's last write set that many minutes back; false while another
// process has it open for writing.
bool Backdate(const std::string& path, int minutes) {
    const ScopedFile file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG then =
        ((ULONGLONG{now.dwHighDateTime} << 32) | now.dwLowDateTime) - minutes * 600'000'000ull;
    const FILETIME written{static_cast<DWORD>(then), static_cast<DWORD>(then >> 32)};
    return file && SetFileTime(file.Get(), nullptr, nullptr, &written);
}

// A file of these bytes, last written that many minutes ago.
void WriteOldFile(const std::string& path, const std::string& bytes, int minutes) {
    std::ofstream(path, std::ios::binary) << bytes;
    Backdate(path, minutes);
}

}  // namespace

// A preview the display settings killed left its files: the next start
// deletes what is ours by its content and ten minutes old, unless a live run
// holds its reservation, and no other program's file, whatever its name.
TEST_F(SaverTest, TheNextStartDeletesOnlyWhatAnEndedRunOfOursLeft) {
    const SaverResources resources;
    RandomGenerator unused;
    const std::string startPage = StartPage(ChooseExitMeta(23, unused));
    const std::string photoPage =
        PhotoPage(ChooseExitMeta(4, unused), 152, 112, TempDirectory() + "insa2.jpg", PhotoFit::Width);
    const std::string mark(kReservationMark);
    const struct {
        const char* name;
        std::string bytes;
        int ageMinutes;
        bool held;
        bool deleted;
    } files[] = {
        {"insa1.htm", startPage, 11, false, true},
        {"insa2.jpg", resources.Photo(7), 11, false, true},
        {"insa3.htm", photoPage, 11, false, true},
        {"insa4.htm", photoPage, 9, false, false},  // a run may still show it
        {"insa5.htm", startPage + "\n", 60, false, false},
        {"insa6.jpg", resources.Photo(7).substr(1), 60, false, false},
        {"insa7.tmp", startPage, 60, false, false},
        // A live run whose tick has waited behind a box for an hour.
        {"insa8.htm", photoPage, 60, false, false},
        {"insa8.tmp", mark, 60, true, false},
        // A run whose machine lost its power: nobody holds its reservation.
        {"insa9.tmp", mark, 0, false, true},
        {"insaa.tmp", mark + "\n", 60, false, false},
    };
    std::vector<ScopedFile> holds;
    for (const auto& file : files) {
        const std::string path = TempDirectory() + file.name;
        WriteOldFile(path, file.bytes, file.ageMinutes);
        // As a run holds it: written, deletion not shared.
        if (file.held)
            holds.emplace_back(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    }
    PreviewParent parent;
    SaverProcess saver(parent.Argument());
    ASSERT_NE(parent.WaitForSaverChild(), nullptr);
    Pause(500ms);
    for (const auto& file : files) {
        const std::string path = TempDirectory() + file.name;
        EXPECT_EQ(GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES, file.deleted) << file.name;
        DeleteFileA(path.c_str());
    }
    holds.clear();
    DestroyWindow(parent.Handle());
    ExpectCleanEnd(saver);
}

// Without a temp folder one box tells why, no tick's box nests inside it
// (the photographs come meanwhile, from memory), and once it is gone input
// ends the saver as always.
TEST_F(SaverTest, WithoutATempFolderOneBoxAndTheSlideshowGoesOn) {
    // The saver takes this process's environment.
    const std::string temp = TempDirectory();
    SetEnvironmentVariableA("TMP", "C:\\no temp folder 7f3a");
    SaverProcess saver("/s");
    SetEnvironmentVariableA("TMP", temp.c_str());
    const HWND box = saver.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find("kann nicht erstellt werden"), std::string::npos)
        << MessageBoxText(box);
    Pause(9s);  // past the first photograph and the second
    EXPECT_EQ(saver.TopLevelWindows("#32770").size(), 1u);
    PressButton(box, "OK");
    ASSERT_NE(saver.WaitForWindow(kFormClass), nullptr);
    Pause(500ms);
    ClickLeftButton();
    ExpectCleanEnd(saver);
}

// Switching savers in the display settings starts a second preview before
// the first has gone, and "Preview" runs the full-screen saver beside them:
// no two runs share a name, a new run's clean-up spares the live runs' files
// however long ago they were written (as when a box held up their ticks),
// and each run's end deletes only its own.
TEST_F(SaverTest, RunsAtOnceKeepTheirOwnFiles) {
    PreviewParent firstParent;
    SaverProcess firstPreview(firstParent.Argument());
    PreviewParent secondParent;
    SaverProcess secondPreview(secondParent.Argument());
    ASSERT_TRUE(WaitUntil([] { return TempFiles("ins*.jpg").size() == 2; }, 6s)) << "no photographs staged";
    ASSERT_EQ(SaverPages().size(), 2u);
    ASSERT_EQ(TempFiles("ins*.tmp").size(), 4u) << "one reservation per name";
    const std::vector<std::string> previews = SaverTempFiles();
    const auto allThere = [&previews] {
        return std::all_of(previews.begin(), previews.end(), [](const std::string& path) {
            return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        });
    };
    for (const std::string& path : previews) {
        if (KindOf(path) == TempFileKind::Reservation) continue;
        EXPECT_TRUE(WaitUntil([&] { return Backdate(path, 11); })) << path;
    }

    SaverProcess saver("/s");
    // Its clean-up has run before its first page.
    ASSERT_TRUE(WaitUntil([] { return SaverPages().size() == 3; })) << "the saver wrote no page";
    EXPECT_TRUE(allThere()) << "a live run's files were taken";

    // The saver's files go with it, and no other.
    PostMessageA(saver.WaitForWindow(kFormClass), WM_KEYDOWN, 'A', 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(saver.WaitForExit(kPromptly, exitCode));
    EXPECT_TRUE(allThere()) << "the saver's end took another run's files";
    EXPECT_EQ(SaverPages().size(), 2u);
    DestroyWindow(secondParent.Handle());
    ASSERT_TRUE(secondPreview.WaitForExit(kPromptly, exitCode));
    EXPECT_EQ(SaverPages().size(), 1u);
    DestroyWindow(firstParent.Handle());
    ExpectCleanEnd(firstPreview);
}
