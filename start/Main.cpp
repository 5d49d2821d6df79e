// The screen saver's entry point. The application object is initialised by
// the mode that needs windows, not here: the password mode shows none.
#include <windows.h>

#include "start/Dispatch.h"
#include "ui/SystemLibraries.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything loads a library by name.
    LoadLibrariesOnlyFromTheSystemFolder();
    return RunProcess();
}
