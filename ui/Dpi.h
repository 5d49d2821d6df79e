// The pixels per inch a window is drawn for. Windows 10 (1607 on) knows a DPI
// per monitor and tells a per-monitor aware window its own; older systems
// know one for the whole screen.
#pragma once

#include <windows.h>

// The DPI of the screen as the system reports it to this process.
int SystemDpi();

// The DPI of the monitor the window is on where the system knows one per
// window, the system's otherwise.
int WindowDpi(HWND window);
