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

// Posted by a companion window (on a further monitor) to the slideshow window
// when it sees input: a close request like any other (WM_APP + 1).
inline constexpr std::uint32_t kCompanionInputMessage = 0x8001;

// What a companion window does with a message: keys and buttons are input
// and mouse moves are tested, as on the slideshow window; its own activation
// is input too, since it never takes the activation by itself. The loss of
// the activation is the slideshow window's to see. Never Swallow.
WatchAction DecideCompanionWatch(std::uint32_t message, std::uintptr_t wParam);

struct ScreenPoint {
    std::int32_t x, y;
};

// Movement is measured from the stored position, never from the last message,
// so small moves add up; it counts when one axis exceeds the threshold.
bool MovedBeyond(ScreenPoint now, ScreenPoint saved, std::int32_t threshold);
