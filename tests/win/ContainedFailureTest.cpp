// Failures the program cannot prevent, provoked inside the test's process:
// they are reported, and they leave nothing changed behind them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "driver/DisplaySettings.h"
#include "saver/ScreenSaver.h"
#include "slideshow/SaverRun.h"
#include "slideshow/_Schoner.h"
#include "ui/Application.h"
#include "ui/Error.h"
#include "ui/Timer.h"
#include "view/PageView.h"

namespace {

constexpr UINT kRaiseError = WM_APP + 1;
constexpr UINT kRaiseAnything = WM_APP + 2;

// A view whose message handling fails on request, as a frame that cannot be
// allocated makes the built-in view's fail.
class FailingView final : public PageView {
public:
    explicit FailingView(HWND parent) { CreateViewWindow("SolqueraFailingView", nullptr, 0, 0, parent); }
    ~FailingView() override {
        if (window_) DestroyWindow(window_);
    }
    void Navigate(const std::string&) override {}
    HWND Window() const { return window_; }

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kRaiseError) throw Error("OutOfResources", "No bitmap can be made", nullptr);
        if (message == kRaiseAnything) throw 42;
        return message == WM_APP ? 7 : DefWindowProcA(window, message, wParam, lParam);
    }
};

// The failure is shown in the application's error box and goes no further
// (the window procedures let nothing escape: an escape would end this test
// program); the message gets the system's default answer and the view goes on.
TEST(ContainedFailure, AViewsFailingHandlerIsReportedAndTheViewGoesOn) {
    const HWND parent =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    {
        FailingView view(parent);
        ASSERT_NE(view.Window(), nullptr);
        for (const auto& [message, text] : {std::pair{kRaiseError, "No bitmap can be made."},
                                            std::pair{kRaiseAnything, "Unbekannte Ausnahme."}}) {
            OwnMessageBoxAnswer answer;
            EXPECT_EQ(SendMessageA(view.Window(), message, 0, 0), 0);
            answer.Wait();
            EXPECT_TRUE(answer.Seen()) << text;
            EXPECT_EQ(answer.Caption(), "Solquera");
            EXPECT_EQ(answer.Text(), text);
        }
        EXPECT_EQ(SendMessageA(view.Window(), WM_APP, 0, 0), 7);
    }
    DestroyWindow(parent);
}

// The same for a timer, whose tick the system calls from DispatchMessage,
// which no exception passes on 32-bit Windows: reported, and it ticks on.
TEST(ContainedFailure, ATimersFailingHandlerIsReportedAndTheTimerGoesOn) {
    int ticks = 0;
    Timer timer(10, [&] {
        if (++ticks == 1) throw Error("OutOfResources", "No bitmap can be made", nullptr);
    });
    OwnMessageBoxAnswer answer;
    timer.SetEnabled(true);
    EXPECT_TRUE(WaitUntil([&] { return ticks >= 2; })) << ticks << " ticks";
    timer.SetEnabled(false);
    answer.Wait();
    EXPECT_TRUE(answer.Seen());
    EXPECT_EQ(answer.Text(), "No bitmap can be made.");
}

BOOL SaverRunningFlag() {
    BOOL running = -1;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    return running;
}

int CursorShowCount() {
    ShowCursor(FALSE);
    return ShowCursor(TRUE);
}

// The system refuses to make the windows of one class, as it does when its
// resources run out or their parent has gone: a computer-based training hook
// on this thread says no, after destroying the window named to go first.
HHOOK refusingHook = nullptr;
const char* refusedClass = nullptr;
HWND goneFirst = nullptr;
LRESULT CALLBACK RefuseWindowsOfClass(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const char* className = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
        if (!IS_INTRESOURCE(className) && lstrcmpA(className, refusedClass) == 0) {
            if (goneFirst) DestroyWindow(std::exchange(goneFirst, nullptr));
            return 1;
        }
    }
    return CallNextHookEx(refusingHook, code, wParam, lParam);
}

void RefuseWindows(const char* className, HWND destroyedFirst = nullptr) {
    refusedClass = className;
    goneFirst = destroyedFirst;
    refusingHook = SetWindowsHookExA(WH_CBT, RefuseWindowsOfClass, nullptr, GetCurrentThreadId());
    ASSERT_NE(refusingHook, nullptr);
}

// A full-screen slideshow whose window cannot be built raises the error for
// the fatal report, after it has put back what it changed when it started.
TEST(ContainedFailure, ASlideshowThatCannotBeBuiltUndoesItsStart) {
    const TSaverMode savedMode = SaverMode;
    SaverMode = smSaver;
    const BOOL flagBefore = SaverRunningFlag();
    const int cursorBefore = CursorShowCount();
    ASSERT_NO_FATAL_FAILURE(RefuseWindows("SolqueraBuiltInView"));
    try {
        StartSaver();
        ADD_FAILURE() << "the slideshow started without its view";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "The page view's window cannot be created.");
    }
    UnhookWindowsHookEx(refusingHook);
    EXPECT_EQ(SaverRunningFlag(), FALSE);
    EXPECT_EQ(CursorShowCount(), cursorBefore);
    EXPECT_EQ(Schoner, nullptr);
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, flagBefore, nullptr, 0);
    SaverMode = savedMode;
}

// The display settings take the preview's window away after the saver has
// found it and before its own window is made in it: the preview ends as if
// closed, with nothing to report and nothing left.
TEST(ContainedFailure, APreviewWhoseWindowGoesWhileItIsMadeEndsQuietly) {
    const TSaverMode savedMode = SaverMode;
    SaverMode = smPreview;
    PreviewParent parent;
    ParentWindow = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(parent.Handle()));
    ASSERT_NO_FATAL_FAILURE(RefuseWindows(kFormClass, parent.Handle()));
    EXPECT_NO_THROW(StartSaver());
    UnhookWindowsHookEx(refusingHook);
    EXPECT_FALSE(IsWindow(parent.Handle()));
    EXPECT_EQ(Schoner, nullptr);
    EXPECT_TRUE(TempFiles("ins*").empty());
    ParentWindow = 0;
    SaverMode = savedMode;
}

// A tick that yields inside a box's modal loop takes the quit there: posted
// again, it ends the box's loop too, and the box closes by itself.
void CALLBACK QuitInsideTheBox(HWND, UINT, UINT_PTR timer, DWORD) noexcept {
    KillTimer(nullptr, timer);
    PostQuitMessage(3);
    Application::ProcessMessages();
}

// Should the box stay, it is answered, so that the test ends.
void CALLBACK AnswerTheBox(HWND, UINT, UINT_PTR timer, DWORD) noexcept {
    KillTimer(nullptr, timer);
    PostMessageA(FindWindowA("#32770", "Nested"), WM_COMMAND, IDOK, 0);
}

// Last: the thread's application has seen its quit.
TEST(ContainedFailure, AQuitTakenByANestedLoopEndsTheLoopsAroundIt) {
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, QuitInsideTheBox);
    const UINT_PTR answer = SetTimer(nullptr, 0, 3000, AnswerTheBox);
    MessageBoxA(nullptr, "Waits for the quit.", "Nested", MB_OK);
    KillTimer(nullptr, answer);
    MSG quit{};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the box's loop saw no quit";
    EXPECT_EQ(quit.wParam, 3u);
    EXPECT_TRUE(Application::Terminated());
}

}  // namespace
