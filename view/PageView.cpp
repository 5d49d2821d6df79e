#include "view/PageView.h"

#include "ui/Application.h"
#include "ui/WindowBinding.h"

namespace {

constexpr int kDesignLeft = 56;
constexpr int kDesignTop = 140;
constexpr int kDesignWidth = 545;
constexpr int kDesignHeight = 429;

}  // namespace

bool PageView::CreateViewWindow(const char* className, HBRUSH background, DWORD exStyle, DWORD style,
                                HWND parent) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, kDesignLeft, kDesignTop,
                    kDesignWidth, kDesignHeight, parent, nullptr, GetModuleHandleA(nullptr), this);
    return window_ != nullptr;
}

LRESULT CALLBACK PageView::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    PageView* view = BoundOwner(window, message, lParam, &PageView::window_);
    if (!view) return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    if (Application::Guard([&] { result = view->HandleMessage(window, message, wParam, lParam); }))
        return result;
    // The view's handling failed and was reported; the system's own keeps the
    // window sound (a paint request is answered, a move completed).
    return DefWindowProcA(window, message, wParam, lParam);
}

void PageView::SetLeft(int left) {
    if (!window_) return;
    RECT bounds;
    GetWindowRect(window_, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&bounds), 2);
    SetWindowPos(window_, nullptr, left, bounds.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PageView::SetBounds(int left, int top, int width, int height) {
    if (window_) MoveWindow(window_, left, top, width, height, TRUE);
}

int PageView::ClientWidth() const {
    if (!window_) return 0;
    RECT client;
    GetClientRect(window_, &client);
    return client.right - client.left;
}

void PageView::SetClientWidth(int width) {
    if (!window_) return;
    RECT bounds;
    GetWindowRect(window_, &bounds);
    const int frame = bounds.right - bounds.left - ClientWidth();
    SetWindowPos(window_, nullptr, 0, 0, width + frame, bounds.bottom - bounds.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PageView::Show() {
    if (window_) ShowWindow(window_, SW_SHOWNA);
}
