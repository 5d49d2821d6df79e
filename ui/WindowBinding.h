#pragma once

#include <windows.h>

// Ties a window to the object that creates it: the object passes itself as the
// creation parameter, is found again for every later message, and learns at
// WM_NCDESTROY that its window is gone. Returns null for the messages before
// WM_NCCREATE and from WM_NCDESTROY on, which belong to DefWindowProc.
template <typename Owner>
Owner* BoundOwner(HWND window, UINT message, LPARAM lParam, HWND Owner::*ownerWindow) {
    if (message == WM_NCCREATE) {
        auto* creating = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        creating->*ownerWindow = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (owner && message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        owner->*ownerWindow = nullptr;
        return nullptr;
    }
    return owner;
}
