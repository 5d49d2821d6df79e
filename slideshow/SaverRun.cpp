#include "slideshow/SaverRun.h"

#include "saver/ScreenSaver.h"
#include "slideshow/BrowserGuard.h"
#include "slideshow/_Schoner.h"
#include "ui/Application.h"
#include "ui/ShutdownSteps.h"

namespace {

bool slideshowStopped = false;

// The browser's settings as they were before the slideshow borrowed them.
void RestoreBrowserSettings() {
    RestoreNavigationSound();
    if (PageTransitionsWereOff) DisablePageTransitions();
}

// Full-screen mode tells the system a saver runs, and hides the cursor for the
// whole run.
void EnterSaverMode() {
    if (SaverMode != smSaver) return;
    SetScreenSaverRunning(true);
    ShowCursor(FALSE);
}

// A slideshow that could not be built (or whose message loop failed) leaves
// nothing changed: flag lowered, cursor shown, browser settings restored, and
// no pointer to the window that is gone. Its error is then reported.
void UndoFailedStart() noexcept {
    Schoner = nullptr;
    if (SaverMode == smSaver) {
        SetScreenSaverRunning(false);
        ShowCursor(TRUE);
    }
    try {
        RestoreBrowserSettings();
    } catch (...) {
        // The error that stopped the start is the one to report.
    }
}

}  // namespace

bool SlideshowStopped() {
    return slideshowStopped;
}

void StopSaver() noexcept {
    slideshowStopped = true;
    ShutdownSteps steps;
    steps.Run([] {
        if (SaverMode == smSaver) SetScreenSaverRunning(false);
    });
    if (Schoner) Schoner->EndSlideshow(steps);
    steps.Run(RestoreBrowserSettings);
    PostQuitMessage(0);
    // Logged, not shown: the quit just posted would close its box at once,
    // and the preview's window, or the session, may be gone already.
    try {
        steps.RaiseFirstFailure();
    } catch (...) {
        Application::LogCurrentException("the shutdown failed");
    }
}

void StartSaver() {
    // A preview needs its window; without one there is nothing to show in.
    if (SaverMode == smPreview && !IsWindow(ParentWindowHandle())) return;
    EnterSaverMode();
    try {
        Application::Initialize();
        // The process ends once the session's end is answered: the shutdown
        // runs then, and shows nothing that would wait for the user.
        Application::OnSessionEnd(StopSaver);
        TSchoner window;
        window.ShowModal();
        while (!Application::Terminated()) Application::HandleMessage();
    } catch (...) {
        UndoFailedStart();
        // The display settings took the preview's window away while the
        // slideshow was being made in it (its window then cannot be made):
        // the preview ends as if it had been closed.
        if (SaverMode == smPreview && !IsWindow(ParentWindowHandle())) return;
        throw;
    }
}
