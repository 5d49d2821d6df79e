#include "view/BuiltInView.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/Error.h"
#include "ui/Scoped.h"

namespace {

constexpr const char* kWindowClass = "SolqueraBuiltInView";
constexpr UINT_PTR kFrameTimer = 1;
// Where the display does not say how often it refreshes (Xvfb says 0 or 1).
constexpr double kAssumedRefreshHz = 60;
constexpr double kLowestCredibleRefreshHz = 24;

// How often the monitor that shows the window refreshes.
double RefreshRate(HWND window) {
    MONITORINFOEXA monitor{};
    monitor.cbSize = sizeof monitor;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor) ||
        !EnumDisplaySettingsA(monitor.szDevice, ENUM_CURRENT_SETTINGS, &mode) ||
        mode.dmDisplayFrequency < kLowestCredibleRefreshHz) {
        return kAssumedRefreshHz;
    }
    return mode.dmDisplayFrequency;
}

double NowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string EffectName(const TransitionPlan& plan) {
    switch (plan.kind) {
        case TransitionPlan::Kind::Cut:
            return "cut";
        case TransitionPlan::Kind::Fade:
            return "fade";
        case TransitionPlan::Kind::Reveal:
            break;
    }
    return "reveal " + std::to_string(plan.pattern);
}

ErrorText ViewError(const std::string& message) {
    return {"PageError", message};
}

// A page of ours is one line of text; a photograph's JPEG file, even of the
// largest image the decoder accepts, stays far below its bound.
constexpr LONGLONG kLargestPageFile = LONGLONG{64} << 10;
constexpr LONGLONG kLargestPhotoFile = LONGLONG{64} << 20;

// The whole file, through the system code page's file names.
std::string ReadWholeFile(const std::string& path, const char* what, LONGLONG largest) {
    const std::string named = std::string("The ") + what + " '" + path + "'";
    const auto raiseFailure = [&](const char* how) {
        Raise(ViewError(named + how + " (system error " + std::to_string(GetLastError()) + ")."));
    };
    const ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) raiseFailure(" cannot be opened");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) raiseFailure(" cannot be read");
    if (size.QuadPart > largest)
        Raise(ViewError(named + " is larger than " + std::to_string(largest) + " bytes."));
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD done = 0;
    if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) ||
        done != bytes.size()) {
        raiseFailure(" cannot be read");
    }
    return bytes;
}

}  // namespace

BuiltInView::BuiltInView(HWND parent, RandomGenerator& random)
    : random_(random), pacing_(USER_TIMER_MINIMUM, 1000 / kAssumedRefreshHz) {
    // The sunken edge is the control's two-pixel frame: the slideshow places
    // the view so that the frame lies outside its window.
    if (!CreateViewWindow(kWindowClass, nullptr, WS_EX_CLIENTEDGE, 0, parent)) {
        Raise(ViewError("The page view's window cannot be created."));
    }
    FollowPlacement();
}

std::unique_ptr<PageView> CreateBuiltInView(HWND parent, RandomGenerator& random) {
    return std::make_unique<BuiltInView>(parent, random);
}

BuiltInView::~BuiltInView() {
    if (window_) DestroyWindow(window_);
}

LRESULT BuiltInView::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // painting covers every pixel
        case WM_PAINT:
            Paint();
            return 0;
        case WM_TIMER:
            if (wParam != kFrameTimer) break;
            pacing_.Fired(NowMs());
            NextFrame();
            return 0;
        case WM_WINDOWPOSCHANGED:
            FollowPlacement();
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The part of the client area that the parent window shows: the transitions
// are played there, so that their shapes are centred in what the user sees.
PixelRect BuiltInView::ShownArea() const {
    RECT client;
    GetClientRect(window_, &client);
    RECT parent;
    GetClientRect(GetParent(window_), &parent);
    MapWindowPoints(GetParent(window_), window_, reinterpret_cast<POINT*>(&parent), 2);
    const PixelRect shown = Intersection({0, 0, client.right, client.bottom},
                                         {parent.left, parent.top, parent.right, parent.bottom});
    return shown.Empty() ? PixelRect{0, 0, 1, 1} : shown;
}

void BuiltInView::Navigate(const std::string& pageFile) {
    const double handedAtMs = NowMs();
    if (!window_)
        Raise(ViewError("The page view cannot show '" + pageFile + "': the view no longer exists."));
    // Everything that can fail comes first: a page that cannot be shown leaves the view as it was.
    PageContent page;
    std::optional<PlacedPhoto> photo;
    std::string jpeg;
    try {
        page = ReadPage(ReadWholeFile(pageFile, "page", kLargestPageFile));
        if (page.photo) {
            // Read now: the photo file is rewritten for the next page. While
            // the display is off it is decoded only once it is shown.
            const std::string source = PhotoFileOf(page.photo->source, pageFile);
            jpeg = ReadWholeFile(source, "photograph", kLargestPhotoFile);
            if (displayOn_) photo = DecodePhotoForPage(jpeg.data(), jpeg.size(), *page.photo);
        }
    } catch (const Error& error) {
        Raise(ViewError("'" + pageFile + "': " + error.what()));
    } catch (const std::bad_alloc&) {
        Raise(ViewError("'" + pageFile + "': there is not enough memory to show it."));
    }
    Show(page, std::move(photo), std::move(jpeg), handedAtMs);
}

bool BuiltInView::ShowPage(const PageContent& page, std::string_view photoJpeg) {
    const double handedAtMs = NowMs();
    if (!window_) Raise(ViewError("The page view cannot show a page: the view no longer exists."));
    std::optional<PlacedPhoto> photo;
    if (page.photo && displayOn_) photo = DecodePhotoForPage(photoJpeg.data(), photoJpeg.size(), *page.photo);
    Show(page, std::move(photo), page.photo ? std::string(photoJpeg) : std::string(), handedAtMs);
    return true;
}

void BuiltInView::Show(const PageContent& page, std::optional<PlacedPhoto> photo, std::string photoJpeg,
                       double handedAtMs) {
    // The parent may have changed its size since the view was placed (a
    // window that is maximised late): the old page is redrawn to the area
    // shown now, as a change of its own, before the new page's is logged.
    FollowPlacement();
    if (clock_.Running()) EndChangeAndReport("cut short");
    pagePhoto_ = page.photo;
    photoJpeg_ = std::move(photoJpeg);
    const ExitTransition leaving = std::exchange(exit_, page.exit);
    if (!displayOn_) {
        drawnPageStale_ = true;
        return;
    }
    log_.PageHanded(handedAtMs);
    logPending_ = true;
    ChangePage(painter_ ? PlanTransition(leaving, random_) : TransitionPlan{}, std::move(photo));
}

void BuiltInView::SetDisplayOn(bool on) {
    if (on == displayOn_) return;
    displayOn_ = on;
    if (!on) {
        if (clock_.Running()) EndChangeAndReport("cut short");
        drawnPageStale_ = true;  // the frame stands where the change stopped
        return;
    }
    if (drawnPageStale_) {
        drawnPageStale_ = false;
        ChangePage(TransitionPlan{}, PlacePhotoAgain());
    }
    // What the screen showed may be gone after a suspend.
    InvalidateRect(window_, nullptr, FALSE);
}

// The current page's photograph, decoded once more (it decoded before).
std::optional<PlacedPhoto> BuiltInView::PlacePhotoAgain() const {
    if (!pagePhoto_) return std::nullopt;
    return DecodePhotoForPage(photoJpeg_.data(), photoJpeg_.size(), *pagePhoto_);
}

// From what the screen shows now (the old page, or a transition halfway) to the current page.
void BuiltInView::ChangePage(const TransitionPlan& plan, std::optional<PlacedPhoto> photo) {
    if (clock_.Running()) EndChangeAndReport("cut short");
    if (!painter_ || painter_->Width() != area_.Width() || painter_->Height() != area_.Height()) {
        painter_ = std::make_unique<TransitionPainter>(area_.Width(), area_.Height());
    }
    RenderPage(photo, area_, painter_->NewPage());
    photo.reset();  // now in the page: its memory goes back before the change takes its own
    painter_->Begin(plan);
    plan_ = plan;
    // A frame per refresh of the display, or fewer for a change drawn in fewer steps.
    double framePeriodMs = 1000 / RefreshRate(window_);
    if (painter_->MostSteps() > 0) {
        framePeriodMs = std::max(framePeriodMs, double(plan.durationMs) / painter_->MostSteps());
    }
    clock_.Start(NowMs(), framePeriodMs, plan.durationMs);
    pacing_.BeginChange(framePeriodMs);
    NextFrame();
}

void BuiltInView::NextFrame() {
    if (!painter_ || !clock_.Running()) return;
    const double nowMs = NowMs();
    const double progress = clock_.Progress(nowMs);
    if (clock_.Due(nowMs)) {
        painter_->DrawFrame(progress);
        const PixelRect& changed = painter_->Changed();
        if (!changed.Empty()) {
            // Straight to the window, without a paint cycle's round trips to the system.
            const ScopedWindowDc dc(window_);
            CopyFrameTo(dc.Get(), {area_.left + changed.left, area_.top + changed.top,
                                   area_.left + changed.right, area_.top + changed.bottom});
        }
        log_.FrameDue(NowMs(), !changed.Empty());
    }
    if (clock_.Running()) {
        AwaitNextFrame();
    } else {
        EndChangeAndReport("done");
    }
}

// One timer per frame, aimed at the next frame's period (see FramePacing).
void BuiltInView::AwaitNextFrame() {
    if (!pacing_.WantsFineTick()) {
        fineTick_.reset();
    } else if (!fineTick_) {
        fineTick_.emplace();
    }
    const double nowMs = NowMs();
    SetTimer(window_, kFrameTimer, pacing_.WaitMs(nowMs, clock_.NextPeriodMs(nowMs)), nullptr);
}

// Ends the change where it stands, gives the system's timer its own tick
// back, and writes the change's debug line (see TransitionLog): under Wine it
// shows with WINEDEBUG=+debugstr, on Windows in any debug-output viewer.
void BuiltInView::EndChangeAndReport(const char* how) {
    clock_.Stop();
    KillTimer(window_, kFrameTimer);
    fineTick_.reset();
    if (!logPending_) return;
    logPending_ = false;
    const std::string line = "Solquera view: " + log_.Summary(EffectName(plan_)) + ", " + how + "\n";
    OutputDebugStringA(line.c_str());
}

// A new size or place shows the current page at once, without a transition.
void BuiltInView::FollowPlacement() {
    const PixelRect area = ShownArea();
    if (area == area_) return;
    area_ = area;
    if (!painter_) return;
    if (displayOn_) {
        ChangePage(TransitionPlan{}, PlacePhotoAgain());
    } else {
        drawnPageStale_ = true;
    }
}

// The part of the frame inside `part` (client coordinates).
void BuiltInView::CopyFrameTo(HDC dc, const PixelRect& part) {
    const PixelRect shown = Intersection(part, area_);
    if (shown.Empty()) return;
    painter_->CopyTo(
        dc,
        {shown.left - area_.left, shown.top - area_.top, shown.right - area_.left, shown.bottom - area_.top},
        {area_.left, area_.top});
}

void BuiltInView::Paint() {
    const ScopedPaint paint(window_);
    const RECT& area = paint.Area();
    if (painter_) {
        CopyFrameTo(paint.Dc(), {area.left, area.top, area.right, area.bottom});
        ExcludeClipRect(paint.Dc(), area_.left, area_.top, area_.left + area_.Width(),
                        area_.top + area_.Height());
    }
    FillRect(paint.Dc(), &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}
