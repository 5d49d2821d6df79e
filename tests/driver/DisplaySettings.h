// Plays the display settings' part in end-to-end tests: starts the screen
// saver with a command line, finds its windows, reads their texts, presses
// their buttons and reads the exit code.
// Every wait handles the test thread's messages meanwhile (MessagePump.h).
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "driver/MessagePump.h"

// The window class of the saver's forms: the slideshow window and the dialog.
inline constexpr const char* kFormClass = "SolqueraForm";

class SaverProcess {
public:
    // Starts the built Solquera.scr as the display settings do: its quoted
    // path, a blank, then the arguments (none when empty).
    explicit SaverProcess(const std::string& arguments);
    ~SaverProcess();  // kills the process if a test left it running
    SaverProcess(const SaverProcess&) = delete;
    SaverProcess& operator=(const SaverProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }

    // True with the exit code once the process has ended; false when it is
    // still running after the timeout.
    bool WaitForExit(std::chrono::milliseconds timeout, DWORD& exitCode);

    // Top-level windows of the process, optionally only those of one class.
    std::vector<HWND> TopLevelWindows(const char* className = nullptr) const;
    std::vector<HWND> VisibleWindows(const char* className = nullptr) const;

    // The first visible top-level window of the class; nullptr after the timeout.
    HWND WaitForWindow(const char* className, std::chrono::milliseconds timeout = kPromptly) const;

    // A message box (or any other standard dialog) of the process.
    HWND WaitForMessageBox(std::chrono::milliseconds timeout = kPromptly) const;

    // True once the process has handled all its input and waits for more
    // (only then does Wine pass its windows' changes on to the X display);
    // false when the timeout passes first.
    bool WaitUntilIdle(std::chrono::milliseconds timeout = kPromptly) const;

private:
    PROCESS_INFORMATION info_{};
};

// The display settings' preview area: a 152 x 112 window of the test's own
// at (200, 150) on the screen, destroyed with the object unless a test did.
class PreviewParent {
public:
    PreviewParent();
    ~PreviewParent();
    PreviewParent(const PreviewParent&) = delete;
    PreviewParent& operator=(const PreviewParent&) = delete;

    HWND Handle() const { return handle_; }
    // The saver's command line for a preview in this window.
    std::string Argument() const;
    // The slideshow window inside, once the saver has made it; nullptr after kPromptly.
    HWND WaitForSaverChild() const;

private:
    HWND handle_;
};

// Text of a window: caption, label or contents; asked of the window itself,
// so that it also works for controls that keep their text to themselves.
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// Direct children of one class (any class when nullptr), in z order.
std::vector<HWND> ChildWindows(HWND parent, const char* className = nullptr);
std::vector<std::string> ChildTexts(HWND parent, const char* className);

// Clicks a button as its owner sees a click: posts its BN_CLICKED to the
// parent. False, and nothing sent, when the button is missing or disabled.
bool ClickButton(HWND button);

// Clicks the push button with the given caption anywhere in a dialog.
bool PressButton(HWND dialog, const char* caption);

// The text a message box shows (its non-icon static control).
std::string MessageBoxText(HWND box);

// Answers the next message box the test's own process shows (the box holds
// up the thread that shows it): a thread of its own waits for it, reads it
// and presses OK. Wait() returns once that is done, or when no box came.
class OwnMessageBoxAnswer {
public:
    OwnMessageBoxAnswer();
    ~OwnMessageBoxAnswer();
    OwnMessageBoxAnswer(const OwnMessageBoxAnswer&) = delete;
    OwnMessageBoxAnswer& operator=(const OwnMessageBoxAnswer&) = delete;

    void Wait();
    bool Seen() const { return seen_; }
    const std::string& Caption() const { return caption_; }
    const std::string& Text() const { return text_; }

private:
    void Answer();

    std::thread thread_;
    bool seen_ = false;
    std::string caption_;
    std::string text_;
};

// Waits for the box in which the application reports an error it caught
// (caption "Solquera", the message with a final full stop), checks it, and
// presses OK as a user would.
void AcknowledgeErrorBox(const SaverProcess& saver, const std::string& message);

// Top-level windows of a process, optionally only those of one class.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const char* className = nullptr);

// The temp directory (with its final backslash), the full paths of the files
// there that match a pattern such as "ins*.htm" (the saver's temp names:
// Wine's unique names keep only "ins" of the prefix), and a file's bytes
// (empty when it cannot be read), read while others may write it.
std::string TempDirectory();
std::vector<std::string> TempFiles(const std::string& pattern);
std::string ReadFileBytes(const std::string& path);

// Whether a program of this name (such as "cmd.exe") runs in the test's Wine prefix.
bool ProcessRuns(const char* exeName);

// The path of the built screen saver, as the Windows side sees it.
const char* SaverPath();

// Tells a window of another process that a power setting changed, as the
// system does: the setting's record is written into that process's memory
// and the window sent PBT_POWERSETTINGCHANGE with its address. False when
// it could not be sent.
bool SendPowerSetting(HWND window, const GUID& setting, DWORD value);
// The console's display: 0 off, 1 on.
inline constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
// The monitor's power, which older Windows report instead: 0 off, 1 on.
inline constexpr GUID kMonitorPowerOn = {
    0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};
