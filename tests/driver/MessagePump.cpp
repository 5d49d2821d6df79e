#include "driver/MessagePump.h"

#include <windows.h>

#include <algorithm>

namespace {

using Clock = std::chrono::steady_clock;

DWORD Milliseconds(Clock::duration duration) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(duration).count();
    return ms > 0 ? static_cast<DWORD>(ms) : 0;
}

void HandleWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Waits until the object is signalled (true) or the deadline passes (false),
// handling the thread's messages meanwhile. Without an object it only waits.
bool WaitHandlingMessages(HANDLE object, Clock::time_point deadline) {
    const DWORD count = object ? 1 : 0;
    for (;;) {
        HandleWaitingMessages();
        const DWORD result = MsgWaitForMultipleObjects(count, &object, FALSE,
                                                       Milliseconds(deadline - Clock::now()), QS_ALLINPUT);
        if (result == WAIT_OBJECT_0 && count == 1) return true;
        if (result == WAIT_TIMEOUT || result == WAIT_FAILED) return false;
    }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    constexpr auto kPollInterval = std::chrono::milliseconds(20);
    const auto deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() >= deadline) return false;
        WaitHandlingMessages(nullptr, std::min(deadline, Clock::now() + kPollInterval));
    }
    return true;
}

void Pause(std::chrono::milliseconds duration) {
    WaitHandlingMessages(nullptr, Clock::now() + duration);
}

bool WaitForObject(HANDLE object, std::chrono::milliseconds timeout) {
    return WaitHandlingMessages(object, Clock::now() + timeout);
}
