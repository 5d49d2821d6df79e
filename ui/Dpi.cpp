#include "ui/Dpi.h"

#include "ui/Scoped.h"
#include "ui/SystemLibraries.h"

int SystemDpi() {
    const ScopedWindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

// Older systems than Windows 10 (1607) have no DPI per window.
int WindowDpi(HWND window) {
    const auto getDpiForWindow = User32().GetDpiForWindow;
    const int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}
