#include "ui/SystemLibraries.h"

#include "ui/SystemPath.h"

namespace {

// A library whose entries the process keeps using until it ends: loaded
// once and never given back.
HMODULE KeptSystemLibrary(const char* fileName) {
    return LoadSystemLibrary(fileName).Release();
}

}  // namespace

std::string SystemDirectory() {
    char directory[MAX_PATH];
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    // A length beyond the buffer is the size the directory would need: nothing usable was written.
    return std::string(directory, length < MAX_PATH ? length : 0);
}

void LoadLibrariesOnlyFromTheSystemFolder() {
    if (const auto setDirectories = Kernel32().SetDefaultDllDirectories)
        setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

ScopedLibrary LoadSystemLibrary(const char* fileName) {
    if (Kernel32().SetDefaultDllDirectories)
        return ScopedLibrary(LoadLibraryExA(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    return LoadLibraryFrom(SystemDirectory(), fileName);
}

ScopedLibrary LoadLibraryFrom(std::string_view directory, std::string_view fileName) {
    const std::string path = SystemFilePath(directory, fileName);
    return ScopedLibrary(path.empty() ? nullptr : LoadLibraryA(path.c_str()));
}

// Every process has kernel32 loaded from the system folder: it is only named.
const Kernel32Calls& Kernel32() {
    static const Kernel32Calls calls = [] {
        const HMODULE library = GetModuleHandleA("kernel32.dll");
        return Kernel32Calls{
            LibraryEntry<decltype(Kernel32Calls::SetDefaultDllDirectories)>(library,
                                                                            "SetDefaultDllDirectories"),
        };
    }();
    return calls;
}

const User32Calls& User32() {
    static const User32Calls calls = [] {
        const HMODULE library = KeptSystemLibrary("user32.dll");
        return User32Calls{
            LibraryEntry<decltype(User32Calls::GetDpiForWindow)>(library, "GetDpiForWindow"),
            LibraryEntry<decltype(User32Calls::RegisterPowerSettingNotification)>(
                library, "RegisterPowerSettingNotification"),
            LibraryEntry<decltype(User32Calls::UnregisterPowerSettingNotification)>(
                library, "UnregisterPowerSettingNotification"),
        };
    }();
    return calls;
}

const WinmmCalls& Winmm() {
    static const WinmmCalls calls = [] {
        const HMODULE library = KeptSystemLibrary("winmm.dll");
        return WinmmCalls{
            LibraryEntry<decltype(WinmmCalls::timeBeginPeriod)>(library, "timeBeginPeriod"),
            LibraryEntry<decltype(WinmmCalls::timeEndPeriod)>(library, "timeEndPeriod"),
        };
    }();
    return calls;
}

namespace {

constexpr UINT kFineTickMs = 1;
constexpr UINT kTimePeriodGranted = 0;  // TIMERR_NOERROR

}  // namespace

ScopedFineTimerTick::ScopedFineTimerTick() noexcept
    : held_(Winmm().timeBeginPeriod && Winmm().timeBeginPeriod(kFineTickMs) == kTimePeriodGranted) {}

ScopedFineTimerTick::~ScopedFineTimerTick() {
    if (held_ && Winmm().timeEndPeriod) Winmm().timeEndPeriod(kFineTickMs);
}

PasswordCplCalls PasswordCpl(HMODULE library) {
    return {LibraryEntry<decltype(PasswordCplCalls::VerifyScreenSavePwd)>(library, "VerifyScreenSavePwd")};
}

MprCalls Mpr(HMODULE library) {
    return {LibraryEntry<decltype(MprCalls::PwdChangePasswordA)>(library, "PwdChangePasswordA")};
}
