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

// Posted again for the loops up the stack: a loop nested in a box's modal
// loop (a tick's yield) that took the quit alone would leave the box, and
// the process, running.
void MeetQuit(WPARAM exitCode) {
    quitSeen = true;
    PostQuitMessage(static_cast<int>(exitCode));
}

void Dispatch(const MSG& message) {
    if (message.message == WM_QUIT) {
        MeetQuit(message.wParam);
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
    const BOOL received = GetMessageA(&message, nullptr, 0, 0);
    if (received > 0) {
        Dispatch(message);
    } else if (received == 0) {
        MeetQuit(message.wParam);
    } else {
        quitSeen = true;  // the queue cannot be read: nothing more will come
    }
}

void ProcessMessages() {
    MSG message;
    while (!quitSeen && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) Dispatch(message);
}

bool Terminated() {
    return quitSeen;
}

namespace {

// The text of the exception being handled, with its final full stop;
// formatted without allocating: the error may be that memory ran out.
template <std::size_t size>
void FormatCurrentException(char (&text)[size], const char* before, const char* after) noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        const std::string_view message = error.what();
        std::snprintf(text, size, "%s%s%s%s", before, error.what(), message.ends_with('.') ? "" : ".", after);
    } catch (...) {
        std::snprintf(text, size, "%s%s.%s", before, kUnknownExceptionMessage, after);
    }
}

}  // namespace

void LogCurrentException(const char* context) noexcept {
    char prefix[128];
    std::snprintf(prefix, sizeof prefix, "%s: %s: ", kTitle, context);
    char line[1200];
    FormatCurrentException(line, prefix, "\n");
    OutputDebugStringA(line);
}

void ShowCurrentException() noexcept {
    char text[1024];
    FormatCurrentException(text, "", "");
    if (errorBoxOpen) return;
    errorBoxOpen = true;
    MessageBoxA(GetActiveWindow(), text, kTitle, MB_OK | MB_ICONSTOP);
    errorBoxOpen = false;
}

}  // namespace Application
