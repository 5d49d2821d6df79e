#include "ui/Application.h"

#include <objbase.h>

#include <cstdio>
#include <exception>
#include <string_view>

#include "ui/ErrorReport.h"
#include "ui/Form.h"

namespace Application {
namespace {

bool quitSeen = false;
HWND applicationWindow = nullptr;
void (*sessionEndHandler)() noexcept = nullptr;
bool errorBoxOpen = false;

void Dispatch(const MSG& message) {
    if (message.message == WM_QUIT) {
        quitSeen = true;
        return;
    }
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        if (Form* form = Form::KeyPreviewFormOf(message.hwnd)) form->PreviewKey(message);
    }
    Form* dialog = Form::DialogKeysFormOf(message.hwnd);
    if (!dialog || !dialog->TranslateDialogKey(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // Looked up again: the message may have ended the window.
    if (Form* form = Form::DialogKeysFormOf(message.hwnd)) form->ShowEnterButton();
}

LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    switch (msg) {
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam && sessionEndHandler) sessionEndHandler();
            return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

void Initialize() {
    if (applicationWindow) return;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ApplicationWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SolqueraApplication";
    RegisterClassA(&windowClass);
    applicationWindow = CreateWindowExA(0, windowClass.lpszClassName, kTitle, WS_POPUP, 0, 0, 0, 0, nullptr,
                                        nullptr, windowClass.hInstance, nullptr);
}

HWND Handle() {
    return applicationWindow;
}

void OnSessionEnd(void (*handler)() noexcept) {
    sessionEndHandler = handler;
}

void Run() {
    while (!quitSeen) HandleMessage();
}

void HandleMessage() {
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) > 0) {
        Dispatch(message);
    } else {
        quitSeen = true;
    }
}

void ProcessMessages() {
    MSG message;
    while (!quitSeen && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) Dispatch(message);
}

bool Terminated() {
    return quitSeen;
}

void ShowCurrentException() noexcept {
    // Formatted without allocating: the error may be that memory ran out.
    char text[1024];
    try {
        throw;
    } catch (const std::exception& error) {
        const std::string_view message = error.what();
        std::snprintf(text, sizeof text, "%s%s", error.what(), message.ends_with('.') ? "" : ".");
    } catch (...) {
        std::snprintf(text, sizeof text, "%s.", kUnknownExceptionMessage);
    }
    if (errorBoxOpen) return;
    errorBoxOpen = true;
    MessageBoxA(GetActiveWindow(), text, kTitle, MB_OK | MB_ICONSTOP);
    errorBoxOpen = false;
}

}  // namespace Application
