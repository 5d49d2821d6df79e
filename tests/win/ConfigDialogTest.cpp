// The configuration dialog, started as the display settings start it, observed
// from outside: its owner, layout, pages, keys and what "OK" stores.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "config/ConfigLayout.h"
#include "config/_Config.h"
#include "config/EffectNames.h"
#include "config/LinkTargets.h"
#include "driver/DisplaySettings.h"
#include "driver/Input.h"
#include "driver/RecordingBrowser.h"
#include "driver/ScreenShot.h"
#include "driver/TestWindow.h"
#include "saver/ScreenSaver.h"
#include "ui/Application.h"
#include "ui/Error.h"
#include "win/RegistryTestSupport.h"

using namespace registry_test;
using namespace std::chrono_literals;

namespace {

// Ample time for news from the X display to reach the test process.
constexpr auto kFocusNews = 100ms;

// A top-level window of the test's own, standing in for the display settings.
class OwnerWindow {
public:
    OwnerWindow() {
        handle = CreateTestWindow({.className = "ConfigDialogTestOwner",
                                   .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   .bounds = {10, 10, 310, 210},
                                   .caption = "Display settings"});
        SetForegroundWindow(handle);
        // The display settings are in the foreground when they start the dialog.
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == handle; }, 2s))
            << "foreground: " << GetForegroundWindow();
    }
    ~OwnerWindow() { DestroyWindow(handle); }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;

    std::string Argument() const { return "/c:" + std::to_string(reinterpret_cast<std::uintptr_t>(handle)); }

    // The dialog of the saver once it is in front as a user meets it: the
    // saver has gone idle, so Wine has passed the dialog's focus to the X
    // display, and this thread has taken in its window's loss of that focus.
    // Pressed earlier, the dialog may hand the foreground back before that
    // late news is handled here; Wine then takes it for a switch to another
    // program and puts the desktop in front.
    HWND OpenDialogInFront(SaverProcess& saver) const {
        const HWND dialog = saver.WaitForWindow(kFormClass);
        EXPECT_NE(dialog, nullptr) << "no dialog";
        EXPECT_TRUE(saver.WaitUntilIdle());
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }))
            << "foreground: " << GetForegroundWindow();
        Pause(kFocusNews);
        return dialog;
    }

    HWND handle;
};

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ControlSearch*>(context);
    if (GetDlgCtrlID(window) != search.id) return TRUE;
    search.found = window;
    return FALSE;
}

// A control of the dialog by its name in the layout, at any depth.
HWND ControlOf(HWND dialog, const char* name) {
    ControlSearch search{kFirstControlId + RowIndex(kConfigControls, name), nullptr};
    EnumChildWindows(dialog, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::int32_t SelectedEffect(HWND dialog) {
    return static_cast<std::int32_t>(SendMessageA(ControlOf(dialog, "comboEffekt"), CB_GETCURSEL, 0, 0));
}

int ActivePage(HWND dialog) {
    return static_cast<int>(SendMessageA(ControlOf(dialog, "PageControl1"), TCM_GETCURSEL, 0, 0));
}

constexpr int kTipsPageIndex = 3;

void ChooseEffect(HWND dialog, std::int32_t effect) {
    SendMessageA(ControlOf(dialog, "comboEffekt"), CB_SETCURSEL, static_cast<WPARAM>(effect), 0);
    ASSERT_EQ(SelectedEffect(dialog), effect);
}

StoredValue StoredEffect() {
    return ReadStored(kSettingsKey, "Effect");
}

void ExpectExitCode0(SaverProcess& saver) {
    DWORD exitCode = 99;
    ASSERT_TRUE(saver.WaitForExit(kPromptly, exitCode)) << "the dialog did not close";
    EXPECT_EQ(exitCode, 0u);
}

// The picture of a window as the screen shows it, written as a bitmap file
// beside the test program, for a person to look at.
void SaveScreenPicture(HWND window, const std::string& name) {
    RECT area;
    GetWindowRect(window, &area);
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string directory(program);
    directory.resize(directory.find_last_of('\\') + 1);
    directory += "config-dialog";
    CreateDirectoryA(directory.c_str(), nullptr);
    const std::string path = directory + "\\" + name + ".bmp";
    if (!ScreenShot(area).SaveBitmap(path)) ADD_FAILURE() << "cannot write " << path;
}

// Of the places in a picture where the colour changes strongly across three
// pixels in a row, the share where two of the three are still equal. Scaled
// by 1.5 without filtering, most such places repeat a source pixel; a
// smoothly resampled picture blends them.
double ShareOfRepeatedPixelsAtEdges(const ScreenShot& image) {
    const auto contrast = [](std::uint32_t a, std::uint32_t b) {
        int sum = 0;
        for (int shift : {0, 8, 16})
            sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        return sum;
    };
    int edges = 0, repeated = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x + 2 < image.Width(); ++x) {
            const std::uint32_t left = image.Colour(x, y), middle = image.Colour(x + 1, y),
                                right = image.Colour(x + 2, y);
            if (contrast(left, right) < 96) continue;
            ++edges;
            if (middle == left || middle == right) ++repeated;
        }
    }
    return edges ? static_cast<double>(repeated) / edges : 1.0;
}

// Where a line of the About text begins on the screen (1 for the first).
int MemoLineTop(HWND dialog, int line) {
    const HWND memo = ControlOf(dialog, "Memo1");
    const auto first = SendMessageA(memo, EM_LINEINDEX, static_cast<WPARAM>(line - 1), 0);
    const auto position = SendMessageA(memo, EM_POSFROMCHAR, static_cast<WPARAM>(first), 0);
    RECT frame;
    GetWindowRect(memo, &frame);
    return frame.top + static_cast<short>(HIWORD(position));
}

// The client area has the layout's size and every control stands where the
// layout table puts it, relative to its parent's client area, all scaled to
// the DPI; the pictures that size themselves to their picture come out at
// the table's size too. A link label stands on its line of the About text,
// which at 96 dpi is where the table puts it.
void ExpectLayoutAtDpi(HWND dialog, int dpi) {
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, ScaleForDpi(kConfigClientWidth, dpi));
    EXPECT_EQ(client.bottom, ScaleForDpi(kConfigClientHeight, dpi));
    for (const LayoutRow& row : kConfigControls) {
        SCOPED_TRACE(row.name);
        const HWND control = ControlOf(dialog, row.name);
        ASSERT_NE(control, nullptr);
        if (row.kind == ControlKind::Page) continue;  // the page control's display area decides
        const HWND parent = row.parent ? ControlOf(dialog, row.parent) : dialog;
        EXPECT_EQ(GetParent(control), parent);
        POINT origin = {0, 0};
        ClientToScreen(parent, &origin);
        RECT frame;
        GetWindowRect(control, &frame);
        Bounds want = ScaleForDpi(row.bounds, dpi);
        for (const auto& [label, line] : kLinkLabelLines) {
            if (std::string_view(label) != row.name) continue;
            want.top = MemoLineTop(dialog, line) - origin.y;
            if (dpi == kLayoutDpi) {
                EXPECT_EQ(want.top, row.bounds.top) << "the table puts it off its line";
            }
        }
        EXPECT_EQ(frame.left - origin.x, want.left);
        EXPECT_EQ(frame.top - origin.y, want.top);
        EXPECT_EQ(frame.right - frame.left, want.width);
        EXPECT_EQ(frame.bottom - frame.top, want.height);
    }
}

class ConfigDialogTest : public OwnTreeTest {
protected:
    // The dialog of a running saver, once it has its final caption.
    static HWND OpenDialog(SaverProcess& saver) {
        const HWND dialog = saver.WaitForWindow(kFormClass);
        EXPECT_NE(dialog, nullptr) << "no dialog";
        return dialog;
    }

    // "Cancel", and the saver ends as it should.
    static void CloseWithCancel(SaverProcess& saver, HWND dialog) {
        PressButton(ControlOf(dialog, "Panel1"), "Cancel");
        ExpectExitCode0(saver);
    }
};

TEST_F(ConfigDialogTest, WithAParentItIsOwnedByItAndOkStoresTheChosenEffect) {
    OwnerWindow owner;
    SaverProcess saver(owner.Argument());
    const HWND dialog = owner.OpenDialogInFront(saver);
    ASSERT_NE(dialog, nullptr);

    EXPECT_FALSE(IsWindowEnabled(owner.handle)) << "the parent must wait while the dialog is open";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner.handle);
    EXPECT_EQ(WindowText(dialog), "Orvandel - Solquera");
    EXPECT_EQ(ActivePage(dialog), kTipsPageIndex);
    EXPECT_EQ(SelectedEffect(dialog), 23) << "Fade when nothing is stored";

    ChooseEffect(dialog, 12);  // "Random dissolve"
    ASSERT_TRUE(PressButton(ControlOf(dialog, "Panel1"), "OK"));
    ExpectExitCode0(saver);
    const StoredValue stored = StoredEffect();
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.data, LittleEndian(12));
    EXPECT_TRUE(IsWindowEnabled(owner.handle));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == owner.handle; }, 2s))
        << "foreground: " << GetForegroundWindow();
}

TEST_F(ConfigDialogTest, CancelAfterAChangeKeepsTheStoredEffect) {
    StoreValue(kSettingsKey, "Effect", REG_DWORD, LittleEndian(5));
    OwnerWindow owner;
    SaverProcess saver(owner.Argument());
    const HWND dialog = owner.OpenDialogInFront(saver);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SelectedEffect(dialog), 5);

    ChooseEffect(dialog, 12);
    ASSERT_TRUE(PressButton(ControlOf(dialog, "Panel1"), "Cancel"));
    ExpectExitCode0(saver);
    EXPECT_EQ(StoredEffect().data, LittleEndian(5));
    EXPECT_TRUE(IsWindowEnabled(owner.handle));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == owner.handle; }, 2s))
        << "foreground: " << GetForegroundWindow();
}

TEST_F(ConfigDialogTest, AStoredNumberOutsideTheListShowsAnEmptyBoxAndOkStoresMinus1) {
    StoreValue(kSettingsKey, "Effect", REG_DWORD, LittleEndian(25));
    SaverProcess saver("/c:0");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SelectedEffect(dialog), -1);

    ASSERT_TRUE(PressButton(ControlOf(dialog, "Panel1"), "OK"));
    ExpectExitCode0(saver);
    EXPECT_EQ(StoredEffect().data, LittleEndian(-1));
}

TEST_F(ConfigDialogTest, AnEffectStoredAsTextShowsTheErrorThenTheDialogWithItsDesignCaption) {
    StoreValue(kSettingsKey, "Effect", REG_SZ, BytesOf("12", true));
    SaverProcess saver("");
    AcknowledgeErrorBox(saver, TypeErrorFor("Effect"));

    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Vorlage");
    EXPECT_EQ(SelectedEffect(dialog), -1);
    EXPECT_EQ(ActivePage(dialog), kTipsPageIndex) << "the page is chosen before the value is read";

    ASSERT_TRUE(PressButton(ControlOf(dialog, "Panel1"), "OK"));
    ExpectExitCode0(saver);
    const StoredValue stored = StoredEffect();
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.data, LittleEndian(-1));
}

TEST_F(ConfigDialogTest, OkThatCannotSaveKeepsTheDialogOpen) {
    // Below a volatile key no lasting key can be made, so the write fails.
    CreateKey(kOwnTree, REG_OPTION_VOLATILE);
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SelectedEffect(dialog), 23);

    ASSERT_TRUE(PressButton(ControlOf(dialog, "Panel1"), "OK"));
    AcknowledgeErrorBox(saver, WriteErrorFor("Effect"));
    ASSERT_TRUE(WaitUntil([&] { return saver.VisibleWindows("#32770").empty(); }));
    Pause(300ms);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog must stay open";
    EXPECT_EQ(SelectedEffect(dialog), 23);

    ASSERT_TRUE(PressButton(ControlOf(dialog, "Panel1"), "Cancel"));
    ExpectExitCode0(saver);
}

TEST_F(ConfigDialogTest, WithoutArgumentOrWithAnUnknownModeItIsATopLevelDialogWithoutOwner) {
    for (const char* arguments : {"", "/x"}) {
        SCOPED_TRACE(arguments);
        SaverProcess saver(arguments);
        const HWND dialog = OpenDialog(saver);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
        EXPECT_EQ(GetParent(dialog), nullptr);
        const LONG style = GetWindowLongA(dialog, GWL_STYLE);
        EXPECT_EQ(style & WS_CHILD, 0);
        EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
        EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0)
            << "no border icons";
        RECT frame;
        GetWindowRect(dialog, &frame);
        EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << "centred";
        EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1) << "centred";

        ASSERT_TRUE(PressButton(ControlOf(dialog, "Panel1"), "Cancel"));
        ExpectExitCode0(saver);
        EXPECT_EQ(ContentsOf(kSettingsKey).values, 0) << "Cancel stores nothing";
    }
}

// A handle that names no window (here one already gone) must not keep the
// dialog from appearing: it opens without an owner.
TEST_F(ConfigDialogTest, AParentHandleOfNoWindowOpensTheDialogWithoutOwner) {
    std::string argument;
    {
        OwnerWindow gone;
        argument = gone.Argument();
    }
    SaverProcess saver(argument);
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    ASSERT_TRUE(PressButton(ControlOf(dialog, "Panel1"), "Cancel"));
    ExpectExitCode0(saver);
}

TEST_F(ConfigDialogTest, EscapeDoesNothingAndEnterActsAsOk) {
    StoreValue(kSettingsKey, "Effect", REG_DWORD, LittleEndian(7));
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    ChooseEffect(dialog, 24);
    const HWND focus = ControlOf(dialog, "PageControl1");  // where the focus starts

    PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(focus, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    DWORD exitCode = 99;
    EXPECT_FALSE(saver.WaitForExit(500ms, exitCode)) << "Escape closed the dialog";

    PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(focus, WM_KEYUP, VK_RETURN, 0xC0000001);
    ExpectExitCode0(saver);
    EXPECT_EQ(StoredEffect().data, LittleEndian(24));
}

std::string NameOf(HWND dialog, HWND control) {
    const LayoutRow* row = RowOfId(kConfigControls, GetDlgCtrlID(control));
    return row && ControlOf(dialog, row->name) == control ? row->name : "window " + ClassName(control);
}

// Keys pressed, and where the focus is and which page shows once the
// dialog has handled them.
struct KeyStep {
    std::initializer_list<WORD> keys;
    const char* focus;
    int page;
};

// The push buttons that show the heavier frame of the button Enter clicks.
std::vector<std::string> ButtonsShownAsDefault(HWND dialog) {
    std::vector<std::string> shown;
    for (const LayoutRow& row : kConfigControls) {
        const HWND control = ControlOf(dialog, row.name);
        if (row.kind == ControlKind::PushButton &&
            (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            shown.push_back(row.name);
    }
    return shown;
}

// After each step the button Enter would click shows it: the focused push
// button, or else "OK".
void PressKeysInTurn(HWND dialog, std::initializer_list<KeyStep> steps) {
    int done = 0;
    for (const KeyStep& step : steps) {
        SCOPED_TRACE(testing::Message() << "after " << done++ << " steps");
        PressKeys(step.keys);
        EXPECT_TRUE(WaitUntil([&] {
            return FocusOf(dialog) == ControlOf(dialog, step.focus) && ActivePage(dialog) == step.page;
        })) << "focus on "
            << NameOf(dialog, FocusOf(dialog)) << ", page " << ActivePage(dialog) << "; wanted " << step.focus
            << ", page " << step.page;
        const bool onButton =
            kConfigControls[static_cast<std::size_t>(RowIndex(kConfigControls, step.focus))].kind ==
            ControlKind::PushButton;
        const std::vector<std::string> enterButton = {onButton ? step.focus : "Button9"};
        EXPECT_TRUE(WaitUntil([&] { return ButtonsShownAsDefault(dialog) == enterButton; }))
            << "shown as default: " << testing::PrintToString(ButtonsShownAsDefault(dialog));
    }
}

// Tab and Shift+Tab run through the page tabs, the shown page's controls and
// the buttons, all round; the arrows on the tabs and Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PageDown and Ctrl+PageUp from anywhere turn the pages; Enter on the
// effect box is "OK".
TEST_F(ConfigDialogTest, EveryPageAndControlCanBeReachedFromTheKeyboard) {
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
    PressKeysInTurn(dialog, {
                                {{}, "PageControl1", 3},  // it opens on "Tips" with the focus on the tabs
                                {{VK_TAB}, "Button10", 3},
                                {{VK_TAB}, "Button9", 3},
                                {{VK_TAB}, "PageControl1", 3},
                                {{VK_SHIFT, VK_TAB}, "Button9", 3},
                                {{VK_SHIFT, VK_TAB}, "Button10", 3},
                                {{VK_SHIFT, VK_TAB}, "PageControl1", 3},
                                {{VK_LEFT}, "PageControl1", 2},
                                {{VK_TAB}, "Button1", 2},  // "Donate..."
                                {{VK_TAB}, "Button10", 2},
                                {{VK_CONTROL, VK_TAB}, "Button10", 3},
                                {{VK_CONTROL, VK_TAB}, "Button10", 0},  // all round
                                {{VK_SHIFT, VK_TAB}, "comboEffekt", 0},
                                {{VK_CONTROL, VK_NEXT}, "PageControl1", 1},  // the box went out of sight
                                {{VK_CONTROL, VK_SHIFT, VK_TAB}, "PageControl1", 0},
                                {{VK_CONTROL, VK_PRIOR}, "PageControl1", 3},
                                {{VK_RIGHT}, "PageControl1", 3},  // the last tab stays
                                {{VK_CONTROL, VK_NEXT}, "PageControl1", 0},
                                {{VK_RIGHT}, "PageControl1", 1},
                                {{VK_LEFT}, "PageControl1", 0},
                                {{VK_TAB}, "comboEffekt", 0},
                                {{VK_ESCAPE}, "comboEffekt", 0},
                                {{VK_DOWN}, "comboEffekt", 0},  // "Fade" to "Random"
                            });
    EXPECT_EQ(SelectedEffect(dialog), 24);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Escape closed the dialog";
    PressKeys({VK_RETURN});
    ExpectExitCode0(saver);
    EXPECT_EQ(StoredEffect().data, LittleEndian(24));
}

// A page turned while the effect list is dropped down takes the list with
// it. Enter on a focused "Cancel" is "Cancel".
TEST_F(ConfigDialogTest, TurningThePageClosesTheDroppedDownListAndEnterOnCancelCancels) {
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
    const HWND combo = ControlOf(dialog, "comboEffekt");
    PressKeysInTurn(dialog, {{{VK_CONTROL, VK_NEXT}, "PageControl1", 0}, {{VK_TAB}, "comboEffekt", 0}});
    PressKeys({VK_F4});
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    PressKeysInTurn(dialog, {{{VK_CONTROL, VK_TAB}, "PageControl1", 1}});
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    EXPECT_TRUE(saver.VisibleWindows("ComboLBox").empty());
    PressKeysInTurn(dialog, {{{VK_TAB}, "Button10", 1}});
    PressKeys({VK_RETURN});
    ExpectExitCode0(saver);
    EXPECT_EQ(ContentsOf(kSettingsKey).values, 0) << "Enter on \"Cancel\" stored the effect";
}

// At 96 dpi the dialog is the layout table pixel for pixel.
TEST_F(ConfigDialogTest, EveryControlStandsWhereTheLayoutPutsIt) {
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    ExpectLayoutAtDpi(dialog, 96);
    CloseWithCancel(saver, dialog);
}

// Moved to a monitor of another DPI, the dialog lays itself out anew for it
// and takes the place the system suggests; back at 96 dpi it is the table
// again. The dialog is made in this process: Wine does not carry the
// suggested rectangle of WM_DPICHANGED to another one.
TEST_F(ConfigDialogTest, OnAMonitorOfAnotherDpiItIsLaidOutAnew) {
    Application::Initialize();
    TConfig dialog;
    for (int dpi : {144, 120, 96}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        RECT frame, client;
        GetWindowRect(dialog.Handle(), &frame);
        GetClientRect(dialog.Handle(), &client);
        const RECT suggested = {
            40, 30, 40 + frame.right - frame.left - client.right + ScaleForDpi(kConfigClientWidth, dpi),
            30 + frame.bottom - frame.top - client.bottom + ScaleForDpi(kConfigClientHeight, dpi)};
        SendMessageA(dialog.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        ExpectLayoutAtDpi(dialog.Handle(), dpi);
        GetWindowRect(dialog.Handle(), &frame);
        EXPECT_TRUE(EqualRect(&frame, &suggested));
        EXPECT_EQ(dialog.Dpi(), dpi);
    }
}

namespace {

// Vetoes the creation of every combo box of the thread, as a system out of
// window handles would refuse it (a computer-based training hook may).
LRESULT CALLBACK RefuseComboBoxes(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HCBT_CREATEWND) {
        const LPCSTR name = reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
        if (!IS_INTRESOURCE(name) && lstrcmpiA(name, "ComboBox") == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

// The display settings' window waits, disabled, while the dialog is built;
// a dialog that cannot be built (here its list of effects) leaves it enabled.
TEST_F(ConfigDialogTest, ADialogThatCannotBeBuiltLeavesItsOwnerEnabled) {
    Application::Initialize();
    OwnerWindow owner;
    ParentWindow = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(owner.handle));
    const HHOOK refusal = SetWindowsHookExA(WH_CBT, RefuseComboBoxes, nullptr, GetCurrentThreadId());
    EXPECT_THROW({ TConfig dialog; }, Error);
    UnhookWindowsHookEx(refusal);
    ParentWindow = 0;
    EXPECT_TRUE(IsWindowEnabled(owner.handle));
}

// Run apart, in a prefix whose screen has 144 pixels per inch (150 %).
class ConfigDialogAt144Dpi : public ConfigDialogTest {};

TEST_F(ConfigDialogAt144Dpi, EveryControlStandsAtItsScaledPlaceAndThePicturesAreSmooth) {
    const HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 144) << "the prefix's server does not have 144 dpi";
    ReleaseDC(nullptr, screen);
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    ExpectLayoutAtDpi(dialog, 144);
    Pause(300ms);
    SaveScreenPicture(dialog, "dialog-144dpi");
    RECT picture;
    GetWindowRect(ControlOf(dialog, "Image14"), &picture);  // the page picture of "Tips"
    EXPECT_LT(ShareOfRepeatedPixelsAtEdges(ScreenShot(picture)), 0.2) << "the picture is drawn blocky";
    CloseWithCancel(saver, dialog);
}

TEST_F(ConfigDialogTest, TextsOfTheControls) {
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(ControlOf(dialog, "Button9")), "OK");
    EXPECT_EQ(WindowText(ControlOf(dialog, "Button10")), "Cancel");
    EXPECT_EQ(WindowText(ControlOf(dialog, "Button1")), "Donate...");
    EXPECT_EQ(WindowText(ControlOf(dialog, "StaticText1")), "Orvandel");
    EXPECT_EQ(WindowText(ControlOf(dialog, "StaticText5")), "Orvandel");
    EXPECT_EQ(ChildTexts(ControlOf(dialog, "GroupBox4"), "Button"),
              std::vector<std::string>{" Transition  "});
    EXPECT_EQ(ChildTexts(ControlOf(dialog, "GroupBox10"), "Button"), std::vector<std::string>{" Info  "});

    const HWND combo = ControlOf(dialog, "comboEffekt");
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), kEffectCount);
    for (int index = 0; index < kEffectCount; ++index) {
        // Asked in UTF-16: Wine passes only the first byte of an ANSI item text
        // between processes. The labels are ASCII.
        wchar_t label[64] = {};
        SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(label));
        const char* want = kEffectLabels[static_cast<std::size_t>(index)];
        EXPECT_EQ(std::wstring(label), std::wstring(want, want + std::strlen(want))) << index;
    }
    EXPECT_EQ(GetWindowLongA(combo, GWL_STYLE) & 3, CBS_DROPDOWNLIST);

    // The link labels lie over the names in lines 14 and 17 of the memo.
    const HWND memo = ControlOf(dialog, "Memo1");
    EXPECT_EQ(SendMessageA(memo, EM_GETLINECOUNT, 0, 0), kMemoLineCount);
    RECT memoFrame;
    GetWindowRect(memo, &memoFrame);
    const int lineHeight = MemoLineTop(dialog, 2) - MemoLineTop(dialog, 1);
    EXPECT_LE(MemoLineTop(dialog, kMemoLineCount) + lineHeight, memoFrame.bottom) << "the whole text fits";
    for (const auto& [label, line] : kLinkLabelLines) {
        SCOPED_TRACE(label);
        RECT labelFrame;
        GetWindowRect(ControlOf(dialog, label), &labelFrame);
        EXPECT_EQ(MemoLineTop(dialog, line), labelFrame.top);
    }
    CloseWithCancel(saver, dialog);
}

// Switching pages as a user does, through the tabs; on each page a picture of
// the dialog is taken for a person to look at.
TEST_F(ConfigDialogTest, EachPageShowsItsControlsAlone) {
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    const char* pages[] = {"t1", "t2", "t3", "t4"};
    const char* names[] = {"options", "links", "about", "tips"};
    const HWND pageControl = ControlOf(dialog, "PageControl1");
    for (int index = 0; index < 4; ++index) {
        SCOPED_TRACE(pages[index]);
        SendMessageA(pageControl, TCM_SETCURFOCUS, index, 0);
        EXPECT_EQ(ActivePage(dialog), index);
        for (int other = 0; other < 4; ++other) {
            EXPECT_EQ(IsWindowVisible(ControlOf(dialog, pages[other])) != FALSE, other == index)
                << pages[other];
        }
        Pause(300ms);
        SaveScreenPicture(dialog, std::string("page-") + std::to_string(index + 1) + "-" + names[index]);
    }
    CloseWithCancel(saver, dialog);
}

// Every control with a link opens its page through the shell and leaves the
// dialog open and the setting as it was.
TEST_F(ConfigDialogTest, EveryLinkOpensItsPageAndLeavesTheDialogOpen) {
    RecordingBrowser browser;
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    std::vector<std::string> expected;
    for (const LayoutRow& row : kConfigControls) {
        const char* address = row.properties.onClick ? LinkAddressOf(row.properties.onClick) : nullptr;
        if (!address) continue;
        SCOPED_TRACE(row.name);
        expected.push_back(address);
        ASSERT_TRUE(ClickButton(ControlOf(dialog, row.name)));
        ASSERT_TRUE(WaitUntil([&] { return browser.Opened().size() == expected.size(); }))
            << "opened so far: " << browser.Opened().size();
        EXPECT_EQ(browser.Opened().back(), address);
        EXPECT_TRUE(IsWindowVisible(dialog));
    }
    EXPECT_EQ(expected.size(), 15u) << "twelve handlers on fifteen controls";
    EXPECT_EQ(std::set<std::string>(expected.begin(), expected.end()).size(), 12u);
    EXPECT_EQ(ContentsOf(kSettingsKey).values, 0);
    CloseWithCancel(saver, dialog);
}

// A real double-click with the mouse on a see-through click area over the
// page picture opens the page once, as a link's text does. (Which cursor
// shows cannot be seen from here: under Wine a cursor handle means nothing
// outside its own process.)
TEST_F(ConfigDialogTest, AMouseDoubleClickOnAClickAreaOpensItsPageOnce) {
    RecordingBrowser browser;
    SaverProcess saver("");
    const HWND dialog = OpenDialog(saver);
    ASSERT_NE(dialog, nullptr);
    const auto clickOn = [&](const char* name, DWORD time) {
        RECT area;
        GetWindowRect(ControlOf(dialog, name), &area);
        SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        Pause(200ms);
        ClickLeftButton(time);
    };
    // Every page opened has a recording command of its own: once none runs, all are in.
    const auto allOpened = [&](std::size_t count) {
        return WaitUntil([&] { return browser.Opened().size() >= count && !ProcessRuns("cmd.exe"); });
    };

    // Two clicks stamped with one time are a double-click, however long the
    // test takes between them: the first is seen opening its page before the
    // second comes.
    const DWORD time = GetTickCount();
    clickOn("Image13", time);
    ASSERT_TRUE(allOpened(1));
    clickOn("Image13", time);
    // Input is handled in order: once a later click elsewhere has opened its
    // page, the second click has been handled.
    clickOn("Image12", 0);
    ASSERT_TRUE(WaitUntil([&] {
        const auto opened = browser.Opened();
        return !opened.empty() && opened.back() == LinkAddressOf("Image12Click") && !ProcessRuns("cmd.exe");
    }));
    EXPECT_EQ(browser.Opened(),
              (std::vector<std::string>{LinkAddressOf("Image13Click"), LinkAddressOf("Image12Click")}));
    CloseWithCancel(saver, dialog);
}

}  // namespace
