#include "driver/TestWindow.h"

HWND CreateTestWindow(const TestWindowDescription& window) {
    WNDCLASSA windowClass{};
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!GetClassInfoA(instance, window.className, &windowClass)) {
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.hbrBackground = window.background;
        windowClass.lpszClassName = window.className;
        RegisterClassA(&windowClass);
    }
    const RECT& bounds = window.bounds;
    return CreateWindowExA(window.exStyle, window.className, window.caption, window.style, bounds.left,
                           bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr,
                           nullptr, instance, nullptr);
}
