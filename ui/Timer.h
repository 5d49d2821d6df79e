// A timer component: calls its handler every interval on the UI thread, from
// whichever message loop runs. An error escaping the handler is reported and
// the timer goes on. A tick that comes while the handler still runs (it
// yields to the message loop, or its error box is open) is left out, so
// handlers and their boxes never nest.
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
    bool inHandler_ = false;
};
