#include "slideshow/Companion.h"

#include <optional>
#include <string>

#include "slideshow/ClockSeed.h"
#include "slideshow/InputWatch.h"
#include "slideshow/PageBuilder.h"
#include "slideshow/PageText.h"
#include "slideshow/SlideSequence.h"
#include "ui/Application.h"
#include "ui/Error.h"
#include "ui/ShutdownSteps.h"
#include "ui/Jpeg.h"
#include "ui/Resource.h"
#include "ui/Scoped.h"
#include "ui/WindowBinding.h"
#include "view/PageView.h"

namespace {

constexpr const char* kCompanionClass = "SolqueraCompanion";
// Spreads the seeds of companions made in the same clock tick.
constexpr std::uint32_t kSeedSpread = 0x9E3779B9u;

ErrorText CompanionError(const std::string& message) {
    return {"CompanionError", message};
}

}  // namespace

class Companion {
public:
    // Made dark while the display is off (`displayOn` false).
    Companion(const ScreenArea& area, std::int32_t effect, std::uint32_t seedSalt, HWND slideshowWindow,
              bool displayOn);
    Companion(const Companion&) = delete;
    Companion& operator=(const Companion&) = delete;

    const ScreenArea& Area() const { return area_; }
    std::optional<std::int32_t> Shown() const { return clock_.shown; }
    void MoveTo(const ScreenArea& area);
    void Tick(const std::vector<std::int32_t>& inUse);
    void SetDisplayOn(bool on) { view_->SetDisplayOn(on); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Watch(UINT message, WPARAM wParam);
    void Reseed();
    void LayOutView();
    void ShowPhoto(std::int32_t number);

    HWND window_ = nullptr;  // the bound window, cleared when it is gone
    HWND slideshowWindow_;
    ScreenArea area_;
    std::int32_t effect_;
    std::uint32_t seedSalt_;
    RandomGenerator random_;
    CompanionClock clock_;
    // Destroys the window with the companion, also with one whose making
    // failed halfway; the view inside it goes first.
    ScopedWindow ownWindow_;
    std::unique_ptr<PageView> view_;
};

Companion::Companion(const ScreenArea& area, std::int32_t effect, std::uint32_t seedSalt,
                     HWND slideshowWindow, bool displayOn)
    : slideshowWindow_(slideshowWindow), area_(area), effect_(effect), seedSalt_(seedSalt) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kCompanionClass;
    RegisterClassExA(&windowClass);  // or registered by the first companion
    // Topmost like the slideshow window; a tool window has no taskbar button;
    // no click or call may activate it.
    CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCompanionClass, "",
                    WS_POPUP | WS_CLIPCHILDREN, area.left, area.top, area.Width(), area.Height(), nullptr,
                    nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) {
        Raise(CompanionError("The window for the monitor at " + std::to_string(area.left) + "," +
                             std::to_string(area.top) + " cannot be created (system error " +
                             std::to_string(GetLastError()) + ")."));
    }
    ownWindow_.Reset(window_);
    Reseed();
    view_ = CreateBuiltInView(window_, random_);
    view_->SetDisplayOn(displayOn);
    LayOutView();
    // The black start page, so that the first photograph arrives with the transition.
    view_->ShowPage(BuildStartPage(ChooseExitMeta(effect_, random_)).content, {});
    ShowWindow(window_, SW_SHOWNA);
}

LRESULT CALLBACK Companion::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Companion* companion = BoundOwner(window, message, lParam, &Companion::window_);
    if (!companion) return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    if (Application::Guard([&] { result = companion->HandleMessage(message, wParam, lParam); }))
        return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT Companion::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_SETCURSOR:
            // Asked for the view too: the one sign here of the mouse over it
            // when the slideshow window does not hold the capture.
            Watch(HIWORD(lParam), 0);
            return TRUE;
        case WM_CLOSE:
            // Only the slideshow ends a companion (a key here is input anyway).
            return 0;
        default:
            if (Watch(message, wParam)) return 0;
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

// The slideshow window's watch decides, as for its own input: a close request
// is posted to it, a mouse move passed on for its movement test.
bool Companion::Watch(UINT message, WPARAM wParam) {
    switch (DecideCompanionWatch(message, wParam)) {
        case WatchAction::TryClose:
            PostMessageA(slideshowWindow_, kCompanionInputMessage, 0, 0);
            return true;
        case WatchAction::TestMovement:
            PostMessageA(slideshowWindow_, WM_MOUSEMOVE, 0, 0);
            return true;
        case WatchAction::PassOn:
        case WatchAction::Swallow:
            break;
    }
    return false;
}

void Companion::Reseed() {
    random_.Seed(ClockSeed() + seedSalt_ * kSeedSpread);
}

// The view's frame lies just outside the window, however wide the system
// draws it at this monitor's DPI.
void Companion::LayOutView() {
    const int width = area_.Width();
    const int height = area_.Height();
    view_->SetBounds(0, 0, width, height);
    const int frame = (width - view_->ClientWidth()) / 2;
    view_->SetBounds(-frame, -frame, width + 2 * frame, height + 2 * frame);
}

void Companion::MoveTo(const ScreenArea& area) {
    area_ = area;
    SetWindowPos(window_, nullptr, area.left, area.top, area.Width(), area.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutView();
    // The next photograph at once, fitted to the new size.
    clock_.countdown = 0;
}

void Companion::Tick(const std::vector<std::int32_t>& inUse) {
    if (const auto number = TickCompanionClock(clock_, inUse, random_, [this] { Reseed(); }))
        ShowPhoto(*number);
}

// As the slideshow stages a photograph, without files: the page the slideshow
// would write for this monitor, shown with the resource's bytes.
void Companion::ShowPhoto(std::int32_t number) {
    const std::string_view photo = ResourceBytes(number + kPhotoResourceBase);
    const PixelSize size = ReadJpegSize(photo.data(), photo.size());
    const BuiltPage page = BuildPhotoPage(ChooseExitMeta(effect_, random_), size, area_.Width(),
                                          area_.Height(), "#" + std::to_string(number + kPhotoResourceBase));
    view_->ShowPage(page.content, photo);
}

Companions::Companions(HWND slideshowWindow, std::int32_t effect)
    : slideshowWindow_(slideshowWindow), effect_(effect) {}

Companions::~Companions() = default;

void Companions::Cover(const std::vector<ScreenArea>& areas) {
    std::vector<ScreenArea> current;
    for (const auto& companion : companions_) current.push_back(companion->Area());
    const CompanionChanges changes = FollowLayout(current, areas);
    for (const CompanionMove& move : changes.moves) companions_[move.companion]->MoveTo(move.to);
    for (auto removal = changes.removals.rbegin(); removal != changes.removals.rend(); ++removal) {
        companions_.erase(companions_.begin() + static_cast<std::ptrdiff_t>(*removal));
    }
    ShutdownSteps additions;
    for (const ScreenArea& area : changes.additions) {
        additions.Run([&] {
            companions_.push_back(
                std::make_unique<Companion>(area, effect_, ++made_, slideshowWindow_, displayOn_));
        });
    }
    // Reported last: input while the box is open may end the saver, and the companions with it.
    Application::Guard([&] { additions.RaiseFirstFailure(); });
}

// Every companion follows, whatever one of them raised.
void Companions::SetDisplayOn(bool on) {
    displayOn_ = on;
    ShutdownSteps steps;
    for (const auto& companion : companions_) steps.Run([&] { companion->SetDisplayOn(on); });
    steps.RaiseFirstFailure();
}

void Companions::Tick(const std::vector<std::int32_t>& slideshowInUse) {
    for (const auto& companion : companions_) {
        std::vector<std::int32_t> inUse = slideshowInUse;
        for (const auto& other : companions_) {
            if (other != companion && other->Shown()) inUse.push_back(*other->Shown());
        }
        companion->Tick(inUse);
    }
}

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR handle, HDC, LPRECT, LPARAM context) noexcept {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(handle, &info)) return TRUE;
    const RECT& area = info.rcMonitor;
    try {
        reinterpret_cast<std::vector<Monitor>*>(context)->push_back(
            {{area.left, area.top, area.right, area.bottom}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    } catch (...) {
        return FALSE;  // no memory for the list: the monitors found so far
    }
    return TRUE;
}

}  // namespace

std::vector<Monitor> DisplayMonitors() {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}
