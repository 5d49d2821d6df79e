// Run mode, parent window and the screen-saver services of the system.
#pragma once

#include <windows.h>

#include <cstdint>

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

// Entry of the password mode: the system's dialog that changes the saver password.
void ChangePassword();
