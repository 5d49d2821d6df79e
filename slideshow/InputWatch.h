// What the full-screen saver's input watch does with a window message: a key,
// a mouse button, enough mouse movement or the loss of activation asks to
// close; everything else goes on to the window's own handling.
#pragma once

#include <cstdint>

enum class WatchAction {
    PassOn,        // to the window's own handler
    Swallow,       // handled here with result 0
    TryClose,      // a close request; the message is swallowed
    TestMovement,  // a mouse move: close only when it went far enough
};

WatchAction DecideWatch(std::uint32_t message, std::uintptr_t wParam);

struct ScreenPoint {
    std::int32_t x, y;
};

// Movement is measured from the stored position, never from the last message,
// so small moves add up; it counts when one axis exceeds the threshold.
bool MovedBeyond(ScreenPoint now, ScreenPoint saved, std::int32_t threshold);
