// The windows that cover the further monitors in the full-screen saver: each
// a borderless black topmost window that never takes the activation, with a
// built-in view showing its own sequence of the photographs straight from the
// resources. They tick on the slideshow window's timer and tell it of input.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "slideshow/CoveringPlan.h"

class Companion;

class Companions {
public:
    // Input seen by a companion is posted to `slideshowWindow`; `effect` is
    // the slideshow's copy of the setting.
    Companions(HWND slideshowWindow, std::int32_t effect);
    ~Companions();
    Companions(const Companions&) = delete;
    Companions& operator=(const Companions&) = delete;

    // Makes the companions cover exactly these areas. A companion that cannot
    // be made, whatever the cause, leaves its monitor uncovered; the first
    // error is shown as any error of an event handler, after the others are made.
    void Cover(const std::vector<ScreenArea>& areas);

    // One tick of the slideshow's timer; `slideshowInUse` are the photographs
    // the slideshow window shows now and next.
    void Tick(const std::vector<std::int32_t>& slideshowInUse);

    // Whether the companions draw frames (see PageView::SetDisplayOn), also
    // those made later: a monitor plugged in while the display is off stays dark.
    void SetDisplayOn(bool on);

private:
    HWND slideshowWindow_;
    std::int32_t effect_;
    std::uint32_t made_ = 0;  // companions made so far: each draws its own random numbers
    bool displayOn_ = true;
    std::vector<std::unique_ptr<Companion>> companions_;
};

// The monitors as the system reports them now, in physical pixels.
std::vector<Monitor> DisplayMonitors();
