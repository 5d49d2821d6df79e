// A top-level window of the test's own that only does the default handling:
// a parent for a view, an owner standing in for the display settings, a bare
// full-screen window to measure against.
#pragma once

#include <windows.h>

struct TestWindowDescription {
    const char* className;  // registered on first use
    DWORD style;
    RECT bounds;
    DWORD exStyle = 0;
    HBRUSH background = nullptr;  // none: the window paints nothing
    const char* caption = "";
};

HWND CreateTestWindow(const TestWindowDescription& window);
