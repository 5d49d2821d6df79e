// A timer component: calls its handler every interval on the UI thread, from
// whichever message loop runs. An error escaping the handler is reported and
// the timer goes on.
#pragma once

#include <windows.h>

#include <functional>

class Timer {
public:
    Timer(UINT intervalMs, std::function<void()> onTimer);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetEnabled(bool enabled);
    bool Enabled() const { return id_ != 0; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) noexcept;

    UINT interval_;
    std::function<void()> onTimer_;
    UINT_PTR id_ = 0;
};
