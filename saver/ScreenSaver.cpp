#include "saver/ScreenSaver.h"

#include "saver/Tools.h"
#include "ui/Registry.h"
#include "ui/Scoped.h"
#include "ui/SystemLibraries.h"

TSaverMode SaverMode = smNone;
std::int32_t ParentWindow = 0;
const std::int32_t MouseThreshold = 5;
POINT SavedCursorPos = {0, 0};

namespace {

// Receives the flag's previous state from the system; nobody needs it.
UINT previousSaverRunning = 0;

// A library of the services' system directory, loaded for one call; its
// entries go with it.
ScopedLibrary PasswordServiceLibrary(std::string_view fileName) {
    return LoadLibraryFrom(PasswordServicePlatform.systemDirectory(), fileName);
}

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
    const ScopedLibrary library = PasswordServiceLibrary("PASSWORD.CPL");
    const auto verify = PasswordCpl(library.Get()).VerifyScreenSavePwd;
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
    const ScopedLibrary mpr = PasswordServiceLibrary("MPR.DLL");
    if (const auto change = Mpr(mpr.Get()).PwdChangePasswordA) {
        change("SCRSAVE", ParentWindowHandle(), 0, nullptr);
    }
}

bool VerifyPassword() {
    // The NT family asks for the password itself, before the saver learns of any input.
    if (PasswordServicePlatform.isWindowsNT()) return true;
    if (!PasswordSwitchIsOn()) return true;
    const bool confirmed = [] {
        // The running saver has hidden the cursor; the dialog needs it.
        const ScopedCursorShown cursor;
        return UserGivesPassword();
    }();
    // The mouse moved while the dialog was open: measure from where it is now.
    GetCursorPos(&SavedCursorPos);
    return confirmed;
}
