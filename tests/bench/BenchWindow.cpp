// The windows the saver benchmark measures against: "bare" shows a black
// full-screen window with a 100 ms timer that does nothing (the cheapest a
// slideshow window can be); "preview" plays the display settings' 152 x 112
// preview area and runs the saver inside it; "dark" runs the full-screen
// saver with the display turned off. Each runs for the given seconds.
// Usage: bench_window bare|preview|dark SECONDS
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "driver/DisplaySettings.h"
#include "driver/TestWindow.h"

namespace {

constexpr UINT kTimerMs = 100;
constexpr std::chrono::milliseconds kSaverExit = std::chrono::seconds(10);

void ReportDisplay() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    std::printf("display %lu x %lu, refresh reported as %lu Hz\n", mode.dmPelsWidth, mode.dmPelsHeight,
                mode.dmDisplayFrequency);
    std::fflush(stdout);
}

int RunBare(int seconds) {
    const HWND window =
        CreateTestWindow({.className = "SolqueraBenchBare",
                          .style = WS_POPUP | WS_VISIBLE,
                          .bounds = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                          .exStyle = WS_EX_TOPMOST,
                          .background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))});
    SetTimer(window, 1, kTimerMs, nullptr);
    ReportDisplay();
    Pause(std::chrono::seconds(seconds));
    DestroyWindow(window);
    return 0;
}

int RunPreview(int seconds) {
    PreviewParent parent;
    try {
        SaverProcess saver(parent.Argument());
        Pause(std::chrono::seconds(seconds));
        // Closing the preview area ends the saver, as when the display settings close.
        DestroyWindow(parent.Handle());
        DWORD exitCode = 0;
        return saver.WaitForExit(kSaverExit, exitCode) ? 0 : 1;  // else the saver is killed
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}

// The full-screen saver with the display turned off before its first
// photograph comes, ended by a key after the given seconds.
int RunDark(int seconds) {
    try {
        SaverProcess saver("/s");
        const HWND window = saver.WaitForWindow(kFormClass);
        Pause(std::chrono::seconds(1));  // activated
        if (!window || !SendPowerSetting(window, kConsoleDisplayState, 0)) return 1;
        Pause(std::chrono::seconds(seconds));
        PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
        DWORD exitCode = 0;
        return saver.WaitForExit(kSaverExit, exitCode) ? 0 : 1;
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 0;
    if (argc > 2 && std::strcmp(argv[1], "bare") == 0 && seconds > 0) return RunBare(seconds);
    if (argc > 2 && std::strcmp(argv[1], "preview") == 0 && seconds > 0) return RunPreview(seconds);
    if (argc > 2 && std::strcmp(argv[1], "dark") == 0 && seconds > 0) return RunDark(seconds);
    std::fprintf(stderr, "usage: bench_window bare|preview|dark SECONDS\n");
    return 2;
}
