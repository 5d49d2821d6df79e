#include "slideshow/DisplayPower.h"

namespace {

// The power settings whose changes say that the display went off or on:
// the console's display (Windows 8 on) and the monitor's power (Windows
// Vista on). Both are registered and either is followed: Windows 7 may
// accept the console's display and never report it.
constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kMonitorPowerOn = {
    0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

}  // namespace

void DisplayPowerWatch::Watch(HWND window) {
    const auto registerNotification = User32().RegisterPowerSettingNotification;
    if (!registerNotification || !notifications_.empty()) return;
    for (const GUID& setting : {kConsoleDisplayState, kMonitorPowerOn}) {
        if (const HPOWERNOTIFY notification =
                registerNotification(window, &setting, DEVICE_NOTIFY_WINDOW_HANDLE)) {
            notifications_.emplace_back(notification);
        }
    }
}

void DisplayPowerWatch::Follow(WPARAM event, LPARAM data) {
    switch (event) {
        case PBT_APMSUSPEND:
            suspended_ = true;
            break;
        case PBT_APMRESUMEAUTOMATIC:
        case PBT_APMRESUMESUSPEND:
            suspended_ = false;
            break;
        case PBT_POWERSETTINGCHANGE: {
            const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(data);
            if (!setting) return;
            const bool display = IsEqualGUID(setting->PowerSetting, kConsoleDisplayState) ||
                                 IsEqualGUID(setting->PowerSetting, kMonitorPowerOn);
            if (!display || setting->DataLength < sizeof(DWORD)) return;
            // 0 is off; the console's display also says 2 when dimmed, which still shows.
            displayOff_ = *reinterpret_cast<const DWORD*>(setting->Data) == 0;
            break;
        }
        default:
            return;
    }
    followDrawing_(Drawing());
}
