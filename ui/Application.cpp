#include "ui/Application.h"

#include <windows.h>
#include <objbase.h>

#include "ui/ErrorReport.h"

namespace Application {
namespace {

bool quitSeen = false;

// Handles one message; false when it was the quit message.
bool Dispatch(const MSG& message) {
    if (message.message == WM_QUIT) {
        quitSeen = true;
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

}  // namespace

void Initialize() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
}

void Run() {
    MSG message;
    while (!quitSeen && GetMessageA(&message, nullptr, 0, 0) > 0) {
        Dispatch(message);
    }
    quitSeen = true;
}

bool ProcessMessages() {
    MSG message;
    while (!quitSeen && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        Dispatch(message);
    }
    return quitSeen;
}

bool Terminated() {
    return quitSeen;
}

void ShowException(const std::exception& error) {
    MessageBoxA(GetActiveWindow(), WithFinalPeriod(error.what()).c_str(), kTitle, MB_OK | MB_ICONSTOP);
}

}  // namespace Application
