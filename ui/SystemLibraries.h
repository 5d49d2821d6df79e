// Libraries loaded at run time come from the system folder and from nowhere
// else. A screen saver is installed by right-clicking it where it lies, often
// in a downloads folder, and the loader looks in the program's own folder
// first: a DLL left there under a system library's name ("planted") would
// run inside the saver. Here too is the one list of the system functions
// looked up at run time, each with its type, each looked up once.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/Scoped.h"

// The system folder as the system reports it; empty when it cannot.
std::string SystemDirectory();

// From here on the loader looks only in the system folder for a library
// named without a path, also for the libraries other libraries need. Windows
// 8 on can do so, and Windows 7 with its update KB2533623; elsewhere each
// load of ours names the system folder itself.
void LoadLibrariesOnlyFromTheSystemFolder();

// The system folder's library of this file name; empty when it does not load.
ScopedLibrary LoadSystemLibrary(const char* fileName);

// The library of this file name in that directory, loaded by its full path;
// empty when it does not load or the directory is empty.
ScopedLibrary LoadLibraryFrom(std::string_view directory, std::string_view fileName);

// The library's entry of that name as the function type it really has;
// nullptr where the library lacks it.
template <typename Function>
Function LibraryEntry(HMODULE library, const char* name) {
    if (!library) return nullptr;
    // Through void*: GetProcAddress's type fits no entry's real one.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// The functions that not every Windows we run on has, or whose library is
// loaded only where they are needed. Each is looked up at its library's first
// use and stays for the process; a missing one is nullptr, and its caller
// goes on without it.
struct Kernel32Calls {
    // Windows 8 on, Windows 7 with KB2533623; also tells that the loader
    // understands LOAD_LIBRARY_SEARCH_SYSTEM32.
    BOOL(WINAPI* SetDefaultDllDirectories)(DWORD flags);
};
const Kernel32Calls& Kernel32();

struct User32Calls {
    // Windows 10 (1607) on.
    UINT(WINAPI* GetDpiForWindow)(HWND window);
    // Windows Vista on.
    HPOWERNOTIFY(WINAPI* RegisterPowerSettingNotification)(HANDLE recipient, LPCGUID setting, DWORD flags);
    BOOL(WINAPI* UnregisterPowerSettingNotification)(HPOWERNOTIFY notification);
};
const User32Calls& User32();

// A registration for a power setting's changes, given back to the system
// when the owner goes.
struct PowerNotificationTraits {
    using Handle = HPOWERNOTIFY;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle notification) noexcept {
        User32().UnregisterPowerSettingNotification(notification);
    }
};
using ScopedPowerNotification = Scoped<PowerNotificationTraits>;

// The multimedia library, loaded at the first change that asks for the fine tick.
struct WinmmCalls {
    UINT(WINAPI* timeBeginPeriod)(UINT periodMs);
    UINT(WINAPI* timeEndPeriod)(UINT periodMs);
};
const WinmmCalls& Winmm();

// The system's timer ticking every millisecond for as long as the owner
// lives, where the multimedia library can ask for it.
class ScopedFineTimerTick {
public:
    ScopedFineTimerTick() noexcept;
    ~ScopedFineTimerTick();
    ScopedFineTimerTick(const ScopedFineTimerTick&) = delete;
    ScopedFineTimerTick& operator=(const ScopedFineTimerTick&) = delete;

private:
    bool held_;
};

// The password services' libraries, loaded for one call each from the
// directory the services are given (see saver/ScreenSaver.h).
struct PasswordCplCalls {
    BOOL(WINAPI* VerifyScreenSavePwd)(HWND parent);
};
PasswordCplCalls PasswordCpl(HMODULE library);

struct MprCalls {
    DWORD(WINAPI* PwdChangePasswordA)(LPCSTR provider, HWND parent, DWORD reserved1, LPVOID reserved2);
};
MprCalls Mpr(HMODULE library);
