// Run mode, parent window and the screen-saver services of the system.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "saver/CommandLine.h"

// Set once by ParseCommandLine, before any window exists; read-only afterwards.
extern TSaverMode SaverMode;
extern std::int32_t ParentWindow;

// Mouse movement beyond this many pixels from SavedCursorPos ends the saver.
extern const std::int32_t MouseThreshold;
extern POINT SavedCursorPos;

// Reads the process's command line into SaverMode and ParentWindow.
// Raises the range or conversion error for a malformed command line.
void ParseCommandLine();

// The window handle that ParentWindow holds. Window handles keep only 32
// significant bits, also in 64-bit processes.
inline HWND ParentWindowHandle() {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(ParentWindow));
}

// Raises or lowers the system-wide flag that says a screen saver is running.
void SetScreenSaverRunning(bool running);

// Entry of the password mode: the system's dialog that changes the saver
// password, owned by ParentWindow. Returns when the dialog closes, or at once
// where the system has no such dialog.
void ChangePassword();

// True when the saver may close. Outside the NT family, where the user has set
// a saver password, asks for it with the system's dialog and afterwards takes
// the cursor position as the new SavedCursorPos. Raises a registry read error
// when the password switch is not a four-byte REG_DWORD.
bool VerifyPassword();

// What the password services ask the system: the platform and the directory
// their libraries are loaded from. The program never changes these; tests
// point them elsewhere, since Wine answers as the NT family and has no
// PASSWORD.CPL.
struct PasswordPlatform {
    std::function<bool()> isWindowsNT;
    std::function<std::string()> systemDirectory;
};
extern PasswordPlatform PasswordServicePlatform;
