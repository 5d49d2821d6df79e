#include "ui/Application.h"

#include <objbase.h>

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

#include "ui/ErrorReport.h"

namespace Application {
namespace {

bool quitSeen = false;
HWND applicationWindow = nullptr;
void (*sessionEndHandler)() noexcept = nullptr;
bool errorBoxOpen = false;
std::vector<MessageFilter*> filters;

// By index: a filter may add or remove filters while it runs.
bool Filtered(const MSG& message) {
    for (std::size_t index = 0; index < filters.size(); ++index) {
        if (filters[index]->PreTranslate(message)) return true;
    }
    return false;
}

void Dispatch(const MSG& message) {
    if (message.message == WM_QUIT) {
        quitSeen = true;
        return;
    }
    if (!Filtered(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
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

void AddMessageFilter(MessageFilter& filter) {
    filters.push_back(&filter);
}

void RemoveMessageFilter(MessageFilter& filter) {
    std::erase(filters, &filter);
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
