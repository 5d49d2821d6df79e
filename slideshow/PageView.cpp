#include "slideshow/PageView.h"

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
