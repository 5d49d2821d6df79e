// Plays the display settings' part in end-to-end tests: starts the screen
// saver with a command line, finds its windows, reads their texts, presses
// their buttons and reads the exit code.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

class SaverProcess {
public:
    // Starts the built Solquera.scr with the given arguments.
    explicit SaverProcess(const std::string& arguments);
    ~SaverProcess();  // kills the process if a test left it running
    SaverProcess(const SaverProcess&) = delete;
    SaverProcess& operator=(const SaverProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }

    // The process's exit code, or nothing when it is still running after the timeout.
    bool WaitForExit(std::chrono::milliseconds timeout, DWORD& exitCode);

    // Top-level windows of the process, optionally only those of one class.
    std::vector<HWND> TopLevelWindows(const char* className = nullptr) const;

    // Waits for a visible top-level window of the class; nullptr after the timeout.
    HWND WaitForWindow(const char* className, std::chrono::milliseconds timeout) const;

private:
    PROCESS_INFORMATION info_{};
};

// Text of a window (caption, or label of a control).
std::string WindowText(HWND window);

// Texts of the child windows of one class, in z order.
std::vector<std::string> ChildTexts(HWND parent, const char* className);

// Presses the push button with the given caption in a dialog; false if there is none.
bool PressButton(HWND dialog, const char* caption);

// The text a message box shows.
std::string MessageBoxText(HWND box);

// The path of the built screen saver, as the Windows side sees it.
const char* SaverPath();
