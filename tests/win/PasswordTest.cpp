// The screen-saver services against the real registry, cursor and library
// loader. Wine answers as the NT family and has no PASSWORD.CPL, so most tests
// point the services at the other platform and at the stand-in libraries.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "passwordlib/PasswordLib.h"
#include "saver/ScreenSaver.h"
#include "saver/Tools.h"
#include "ui/Error.h"
#include "ui/SystemLibraries.h"

namespace {

constexpr char kSwitchKey[] = "Control Panel\\desktop";
constexpr char kSwitchName[] = "ScreenSaveUsePassword";
constexpr char kScratchKey[] = "Software\\Solquera tests";
constexpr POINT kUntouched = {-7, -7};
constexpr POINT kCursorBefore = {200, 150};
constexpr POINT kCursorAfterDialog = {321, 234};

std::pair<LONG, LONG> XY(POINT point) {
    return {point.x, point.y};
}

// ShowCursor reports the count it leaves; undo the probe at once.
int CursorShowCount() {
    ShowCursor(FALSE);
    return ShowCursor(TRUE);
}

// The stand-in library of one directory. The test loads the same file as the
// code under test, so both share one module and its answer and record.
class StandInLibrary {
public:
    explicit StandInLibrary(const std::string& path) : module_(LoadLibraryA(path.c_str())) {}

    bool Loaded() const { return module_ && Function<PasswordLibPrepareFunction>(kPasswordLibPrepare); }

    void Prepare(BOOL answer, std::optional<POINT> moveCursorTo = std::nullopt) const {
        Function<PasswordLibPrepareFunction>(kPasswordLibPrepare)(answer, moveCursorTo.has_value(),
                                                                  moveCursorTo.value_or(POINT{}));
    }
    PasswordLibRecord Record() const {
        return Function<PasswordLibReadRecordFunction>(kPasswordLibReadRecord)();
    }

private:
    template <typename F>
    F Function(const char* name) const {
        return LibraryEntry<F>(module_.Get(), name);
    }

    ScopedLibrary module_;
};

// Points the password services at a directory and at a platform for one test.
class PlatformOverride {
public:
    PlatformOverride(std::string directory, bool isWindowsNT) : saved_(PasswordServicePlatform) {
        PasswordServicePlatform.systemDirectory = [directory] { return directory; };
        PasswordServicePlatform.isWindowsNT = [isWindowsNT] { return isWindowsNT; };
    }
    ~PlatformOverride() { PasswordServicePlatform = saved_; }
    PlatformOverride(const PlatformOverride&) = delete;
    PlatformOverride& operator=(const PlatformOverride&) = delete;

private:
    PasswordPlatform saved_;
};

TEST(IsWindowsNT, WineAnswersAsTheNTFamily) {
    EXPECT_TRUE(IsWindowsNT());
}

// VerifyPassword outside the NT family. This process's HKEY_CURRENT_USER is
// redirected to a scratch key, so "Control Panel\desktop" can be missing or
// malformed without touching the user's own.
class VerifyPasswordTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &scratch_, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratch_), ERROR_SUCCESS);
        ASSERT_TRUE(library_.Loaded());
        library_.Prepare(TRUE, kCursorAfterDialog);
        // The window in the foreground is the dialog's owner. It need not be
        // seen, and Wine takes two seconds to take an active visible window away.
        ownWindow_ = CreateWindowExA(0, "STATIC", "password owner", WS_POPUP, 10, 10, 200, 100, nullptr,
                                     nullptr, nullptr, nullptr);
        ASSERT_NE(ownWindow_, nullptr);
        SetForegroundWindow(ownWindow_);
        ASSERT_EQ(GetForegroundWindow(), ownWindow_);
        SetCursorPos(kCursorBefore.x, kCursorBefore.y);
        SavedCursorPos = kUntouched;
        showCountBefore_ = CursorShowCount();
    }

    void TearDown() override {
        if (ownWindow_) DestroyWindow(ownWindow_);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        if (scratch_) RegCloseKey(scratch_);
        RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey);
        SavedCursorPos = {0, 0};
    }

    void SetSwitch(DWORD type, const void* data, DWORD size) const {
        HKEY key = nullptr;
        // Under the redirection this creates the key inside the scratch key.
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSwitchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        if (data) {
            EXPECT_EQ(RegSetValueExA(key, kSwitchName, 0, type, static_cast<const BYTE*>(data), size),
                      ERROR_SUCCESS);
        }
        RegCloseKey(key);
    }
    void SetSwitch(DWORD value) const { SetSwitch(REG_DWORD, &value, sizeof value); }

    // Nothing was asked and nothing about the cursor changed.
    void ExpectNoQuestion() const {
        EXPECT_EQ(library_.Record().verifyCalls, 0);
        EXPECT_EQ(CursorShowCount(), showCountBefore_);
        EXPECT_EQ(XY(SavedCursorPos), XY(kUntouched));
    }

    // The dialog ran: the cursor was shown during it and hidden again after,
    // and SavedCursorPos holds where the cursor was when it closed.
    void ExpectQuestionAsked() const {
        const PasswordLibRecord record = library_.Record();
        EXPECT_EQ(record.verifyCalls, 1);
        EXPECT_EQ(record.verifyWindow, ownWindow_);
        EXPECT_EQ(record.cursorShowCountInVerify, showCountBefore_ + 1);
        EXPECT_EQ(CursorShowCount(), showCountBefore_);
        EXPECT_EQ(XY(SavedCursorPos), XY(kCursorAfterDialog));
    }

    // The cursor was shown and hidden again although there was no dialog.
    void ExpectNoDialogButCursorReset() const {
        EXPECT_EQ(library_.Record().verifyCalls, 0);
        EXPECT_EQ(CursorShowCount(), showCountBefore_);
        EXPECT_EQ(XY(SavedCursorPos), XY(kCursorBefore));
    }

    StandInLibrary library_{PASSWORD_LIB_ANSWERING "\\PASSWORD.CPL"};
    HKEY scratch_ = nullptr;
    HWND ownWindow_ = nullptr;
    int showCountBefore_ = 0;
};

TEST_F(VerifyPasswordTest, OnTheNTFamilyAllowsClosingWithoutLookingAtAnything) {
    const PlatformOverride platform(PASSWORD_LIB_ANSWERING, true);
    library_.Prepare(FALSE, kCursorAfterDialog);
    // A switch the registry path would raise on: it must not even be read.
    SetSwitch(REG_SZ, "1", 2);
    EXPECT_TRUE(VerifyPassword());
    ExpectNoQuestion();
}

TEST_F(VerifyPasswordTest, WithoutAPasswordSwitchAllowsClosingWithoutAsking) {
    const PlatformOverride platform(PASSWORD_LIB_ANSWERING, false);
    {
        SCOPED_TRACE("no key at all");
        EXPECT_TRUE(VerifyPassword());
        ExpectNoQuestion();
    }
    {
        SCOPED_TRACE("key without the value");
        SetSwitch(REG_DWORD, nullptr, 0);
        EXPECT_TRUE(VerifyPassword());
        ExpectNoQuestion();
    }
    {
        SCOPED_TRACE("switch 0");
        SetSwitch(0);
        EXPECT_TRUE(VerifyPassword());
        ExpectNoQuestion();
    }
}

TEST_F(VerifyPasswordTest, WithTheSwitchOnTheDialogsAnswerDecides) {
    const PlatformOverride platform(PASSWORD_LIB_ANSWERING, false);
    for (const DWORD switchValue : {1ul, 0xFFFFFFFFul}) {
        for (const BOOL answer : {TRUE, FALSE}) {
            SCOPED_TRACE(testing::Message() << "switch " << switchValue << ", dialog answers " << answer);
            SetSwitch(switchValue);
            SetCursorPos(kCursorBefore.x, kCursorBefore.y);
            SavedCursorPos = kUntouched;
            library_.Prepare(answer, kCursorAfterDialog);
            EXPECT_EQ(VerifyPassword(), answer != FALSE);
            ExpectQuestionAsked();
        }
    }
}

TEST_F(VerifyPasswordTest, WithoutTheSystemsDialogThePasswordCountsAsConfirmed) {
    SetSwitch(1);
    for (const char* directory : {PASSWORD_LIB_MISSING, PASSWORD_LIB_WITHOUT_ENTRY}) {
        SCOPED_TRACE(directory);
        const PlatformOverride platform(directory, false);
        SavedCursorPos = kUntouched;
        EXPECT_TRUE(VerifyPassword());
        ExpectNoDialogButCursorReset();
    }
}

TEST_F(VerifyPasswordTest, FindsTheLibraryInADirectoryThatEndsInABackslash) {
    const PlatformOverride platform(PASSWORD_LIB_ANSWERING "\\", false);
    SetSwitch(1);
    EXPECT_TRUE(VerifyPassword());
    ExpectQuestionAsked();
}

// Wine hands out the lowest free handle slot: a key left open by a call
// would take the slot the next open key gets.
HKEY NextKeyHandle() {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, kSwitchKey, 0, KEY_READ, &key);
    RegCloseKey(key);
    return key;
}

TEST_F(VerifyPasswordTest, AMalformedSwitchRaisesTheRegistryErrorAndClosesTheKey) {
    const PlatformOverride platform(PASSWORD_LIB_ANSWERING, false);
    const unsigned long long eightBytes = 1;
    const struct {
        DWORD type;
        const void* data;
        DWORD size;
        const char* message;
    } cases[] = {
        {REG_SZ, "1", 2, "Ung\xFCltiger Datentyp f\xFCr 'ScreenSaveUsePassword'"},
        {REG_QWORD, &eightBytes, 8, "Fehler beim Holen der Daten f\xFCr 'ScreenSaveUsePassword'"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << "registry type " << row.type);
        SetSwitch(row.type, row.data, row.size);
        const HKEY freeSlot = NextKeyHandle();
        ASSERT_NE(freeSlot, nullptr);
        try {
            VerifyPassword();
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), row.message);
        }
        EXPECT_EQ(NextKeyHandle(), freeSlot) << "the key was left open";
        ExpectNoQuestion();
    }
}

// The call of Wine's own MPR.DLL is seen from outside, in the password mode's
// test: a library of that name is always Wine's, wherever it is loaded from.
TEST(ChangePassword, WithoutTheLibraryReturnsAtOnce) {
    const PlatformOverride platform(PASSWORD_LIB_MISSING, true);
    ChangePassword();
}

BOOL SaverRunningFlag() {
    BOOL running = -1;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    return running;
}

// Wine keeps only whether the flag is set (any non-zero value reads back as
// 1), so what can be seen is that true raises it and false lowers it.
TEST(SetScreenSaverRunning, RaisesAndLowersTheSystemsFlag) {
    const BOOL before = SaverRunningFlag();
    SetScreenSaverRunning(true);
    EXPECT_EQ(SaverRunningFlag(), TRUE);
    SetScreenSaverRunning(true);
    EXPECT_EQ(SaverRunningFlag(), TRUE);
    SetScreenSaverRunning(false);
    EXPECT_EQ(SaverRunningFlag(), FALSE);
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, before, nullptr, 0);
}

}  // namespace
