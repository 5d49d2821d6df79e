#include "saver/Tools.h"

#include <windows.h>

bool IsWindowsNT() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    // Deprecated for version numbers, but the platform id it reports is what we need.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL answered = GetVersionExA(&version);
#pragma GCC diagnostic pop
    return answered && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
