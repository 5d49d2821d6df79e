// The windows the saver benchmark measures against: "bare" shows a black
// full-screen window with a 100 ms timer that does nothing (the cheapest a
// slideshow window can be); "preview" plays the display settings' 152 x 112
// preview area and runs the saver inside it. Both run for the given seconds.
// Usage: bench_window bare|preview SECONDS
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr UINT kTimerMs = 100;
constexpr int kPreviewWidth = 152;
constexpr int kPreviewHeight = 112;
constexpr DWORD kSaverExitMs = 10000;

void PumpUntil(ULONGLONG end) {
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
}

void ReportDisplay() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    std::printf("display %lu x %lu, refresh reported as %lu Hz\n", mode.dmPelsWidth, mode.dmPelsHeight,
                mode.dmDisplayFrequency);
    std::fflush(stdout);
}

int RunBare(int seconds) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "SolqueraBenchBare";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE,
                                        0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                        nullptr, nullptr, windowClass.hInstance, nullptr);
    SetTimer(window, 1, kTimerMs, nullptr);
    ReportDisplay();
    PumpUntil(GetTickCount64() + 1000ull * seconds);
    DestroyWindow(window);
    return 0;
}

int RunPreview(int seconds) {
    // As the display settings make it: its painting kept off the saver's window.
    const HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 200, 150,
                                        kPreviewWidth, kPreviewHeight, nullptr, nullptr, nullptr, nullptr);
    std::string commandLine = std::string("\"") + SOLQUERA_SCR + "\" /p " +
                              std::to_string(reinterpret_cast<std::uintptr_t>(parent));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION saver{};
    if (!CreateProcessA(SOLQUERA_SCR, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &saver)) {
        std::fprintf(stderr, "cannot start %s\n", commandLine.c_str());
        return 1;
    }
    PumpUntil(GetTickCount64() + 1000ull * seconds);
    // Closing the preview area ends the saver, as when the display settings close.
    DestroyWindow(parent);
    const ULONGLONG end = GetTickCount64() + kSaverExitMs;
    while (WaitForSingleObject(saver.hProcess, 0) == WAIT_TIMEOUT && GetTickCount64() < end) {
        PumpUntil(GetTickCount64() + 50);
    }
    const bool ended = WaitForSingleObject(saver.hProcess, 0) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(saver.hProcess, 1);
    CloseHandle(saver.hThread);
    CloseHandle(saver.hProcess);
    return ended ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 0;
    if (argc > 2 && std::strcmp(argv[1], "bare") == 0 && seconds > 0) return RunBare(seconds);
    if (argc > 2 && std::strcmp(argv[1], "preview") == 0 && seconds > 0) return RunPreview(seconds);
    std::fprintf(stderr, "usage: bench_window bare|preview SECONDS\n");
    return 2;
}
