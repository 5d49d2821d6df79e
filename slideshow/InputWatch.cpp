#include "slideshow/InputWatch.h"

#include <cstdlib>

namespace {

// Window message numbers; this file stays free of the system headers.
constexpr std::uint32_t kActivate = 0x0006;
constexpr std::uint32_t kActivateApp = 0x001C;
constexpr std::uint32_t kNcActivate = 0x0086;
constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint32_t kKeyUp = 0x0101;
constexpr std::uint32_t kSysKeyDown = 0x0104;
constexpr std::uint32_t kSysKeyUp = 0x0105;
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLeftButtonDown = 0x0201;
constexpr std::uint32_t kRightButtonDown = 0x0204;
constexpr std::uint32_t kMiddleButtonDown = 0x0207;

bool LowWordIsZero(std::uintptr_t wParam) {
    return (wParam & 0xFFFF) == 0;
}

}  // namespace

WatchAction DecideWatch(std::uint32_t message, std::uintptr_t wParam) {
    switch (message) {
        case kActivate:
        case kActivateApp:
        case kNcActivate:
            // Gaining the activation changes nothing, but is not passed on either.
            return LowWordIsZero(wParam) ? WatchAction::TryClose : WatchAction::Swallow;
        case kKeyDown:
        case kKeyUp:
        case kSysKeyDown:
        case kSysKeyUp:
        case kLeftButtonDown:
        case kRightButtonDown:
        case kMiddleButtonDown:
            return WatchAction::TryClose;
        case kMouseMove:
            return WatchAction::TestMovement;
        case kCompanionInputMessage:
            return WatchAction::TryClose;
        default:
            return WatchAction::PassOn;
    }
}

WatchAction DecideCompanionWatch(std::uint32_t message, std::uintptr_t wParam) {
    switch (message) {
        case kActivate:
            return LowWordIsZero(wParam) ? WatchAction::PassOn : WatchAction::TryClose;
        case kActivateApp:
        case kNcActivate:
        case kCompanionInputMessage:
            return WatchAction::PassOn;
        default:
            return DecideWatch(message, wParam);
    }
}

bool MovedBeyond(ScreenPoint now, ScreenPoint saved, std::int32_t threshold) {
    // 64-bit differences: screen coordinates far apart must not overflow.
    const auto dx = std::llabs(static_cast<long long>(now.x) - saved.x);
    const auto dy = std::llabs(static_cast<long long>(now.y) - saved.y);
    return dx > threshold || dy > threshold;
}
