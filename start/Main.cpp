// The screen saver's entry point.
#include <windows.h>

#include "start/Dispatch.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunProcess();
}
