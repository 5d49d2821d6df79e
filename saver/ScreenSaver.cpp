#include "saver/ScreenSaver.h"

#include "saver/SystemPath.h"
#include "saver/Tools.h"
#include "ui/Registry.h"

TSaverMode SaverMode = smNone;
std::int32_t ParentWindow = 0;
const std::int32_t MouseThreshold = 5;
POINT SavedCursorPos = {0, 0};

namespace {

// Receives the flag's previous state from the system; nobody needs it.
UINT previousSaverRunning = 0;

std::string SystemDirectory() {
    char directory[MAX_PATH];
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    // A length beyond the buffer is the size the directory would need: nothing usable was written.
    return std::string(directory, length < MAX_PATH ? length : 0);
}

// A library of the system directory, loaded for one call. A library that does
// not load, or lacks the entry, offers no entry: the caller goes on without it.
class SystemLibrary {
public:
    explicit SystemLibrary(std::string_view fileName)
        : module_(LoadLibraryA(SystemFilePath(PasswordServicePlatform.systemDirectory(), fileName).c_str())) {
    }
    ~SystemLibrary() {
        if (module_) FreeLibrary(module_);
    }
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    template <typename Function>
    Function Entry(const char* name) const {
        if (!module_) return nullptr;
        // Through void*: GetProcAddress's type fits no entry's real one.
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

// Whether the user has set a saver password. The key closes with the registry
// object, also when the read raises.
bool PasswordSwitchIsOn() {
    Registry registry;
    if (!registry.OpenKey("Control Panel\\desktop", false)) return false;
    if (!registry.ValueExists("ScreenSaveUsePassword")) return false;
    return registry.ReadInteger("ScreenSaveUsePassword") != 0;
}

// The system's password dialog; a system without one has nothing to confirm.
bool UserGivesPassword() {
    using VerifyScreenSavePwdFunction = BOOL(WINAPI*)(HWND);
    const SystemLibrary library("PASSWORD.CPL");
    const auto verify = library.Entry<VerifyScreenSavePwdFunction>("VerifyScreenSavePwd");
    return !verify || verify(GetForegroundWindow()) != FALSE;
}

}  // namespace

PasswordPlatform PasswordServicePlatform = {IsWindowsNT, SystemDirectory};

void ParseCommandLine() {
    const ModeChoice choice = ChooseMode(SplitArguments(GetCommandLineA()));
    ParentWindow = choice.parentIsForegroundWindow
                       ? static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(GetForegroundWindow()))
                       : choice.parentWindow;
    SaverMode = choice.mode;
}

void SetScreenSaverRunning(bool running) {
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, running ? 1 : 0, &previousSaverRunning, 0);
}

void ChangePassword() {
    using PwdChangePasswordFunction = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);
    const SystemLibrary mpr("MPR.DLL");
    if (const auto change = mpr.Entry<PwdChangePasswordFunction>("PwdChangePasswordA")) {
        change("SCRSAVE", ParentWindowHandle(), 0, nullptr);
    }
}

bool VerifyPassword() {
    // The NT family asks for the password itself, before the saver learns of any input.
    if (PasswordServicePlatform.isWindowsNT()) return true;
    if (!PasswordSwitchIsOn()) return true;
    // The running saver has hidden the cursor; the dialog needs it.
    ShowCursor(TRUE);
    const bool confirmed = UserGivesPassword();
    ShowCursor(FALSE);
    // The mouse moved while the dialog was open: measure from where it is now.
    GetCursorPos(&SavedCursorPos);
    return confirmed;
}
