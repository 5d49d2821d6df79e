// The display's power as the system reports it to the slideshow window: the
// views draw no frame while the display is off or the system suspends, and
// the slideshow's own timing goes on.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "ui/SystemLibraries.h"

class DisplayPowerWatch {
public:
    // `followDrawing` is told whether the views draw after every event that concerns it.
    explicit DisplayPowerWatch(std::function<void(bool drawing)> followDrawing)
        : followDrawing_(std::move(followDrawing)) {}

    // Registers the window for the display's power settings, once; nothing
    // where the system has no such notifications (before Windows Vista).
    void Watch(HWND window);
    // Gives the notifications back; harmless when repeated.
    void Stop() noexcept { notifications_.clear(); }

    // One WM_POWERBROADCAST the window received.
    void Follow(WPARAM event, LPARAM data);
    bool Drawing() const { return !displayOff_ && !suspended_; }

private:
    std::function<void(bool)> followDrawing_;
    std::vector<ScopedPowerNotification> notifications_;
    bool displayOff_ = false;
    bool suspended_ = false;
};
