#include "saver/ScreenSaver.h"

#include <string>

TSaverMode SaverMode = smNone;
std::int32_t ParentWindow = 0;
const std::int32_t MouseThreshold = 5;
POINT SavedCursorPos = {0, 0};

void ParseCommandLine() {
    const ModeChoice choice = ChooseMode(SplitArguments(GetCommandLineA()));
    ParentWindow = choice.parentIsForegroundWindow
                       ? static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(GetForegroundWindow()))
                       : choice.parentWindow;
    SaverMode = choice.mode;
}

namespace {

// Full path of a file in the system directory; the bare name when the
// directory is unknown, so that the system's usual search finds it.
std::string SystemFilePath(const char* fileName) {
    char directory[MAX_PATH];
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    std::string path(directory, length < MAX_PATH ? length : 0);
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + fileName;
}

}  // namespace

void ChangePassword() {
    using PwdChangePasswordProc = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);
    const HMODULE mpr = LoadLibraryA(SystemFilePath("MPR.DLL").c_str());
    if (!mpr) return;
    if (const auto change = reinterpret_cast<PwdChangePasswordProc>(
            reinterpret_cast<void*>(GetProcAddress(mpr, "PwdChangePasswordA")))) {
        change("SCRSAVE", ParentWindowHandle(), 0, nullptr);
    }
    FreeLibrary(mpr);
}
