#include "driver/TestWindow.h"

HWND CreateTestWindow(const TestWindowSpec& spec) {
    WNDCLASSA windowClass{};
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!GetClassInfoA(instance, spec.className, &windowClass)) {
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.hbrBackground = spec.background;
        windowClass.lpszClassName = spec.className;
        RegisterClassA(&windowClass);
    }
    const RECT& bounds = spec.bounds;
    return CreateWindowExA(spec.exStyle, spec.className, spec.caption, spec.style, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr, instance,
                           nullptr);
}
