#include "view/BuiltInView.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "view/PageImage.h"
#include "view/PageReader.h"
#include "view/TransitionLog.h"
#include "view/TransitionPainter.h"
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

class DrawnPageView final : public BuiltInView {
public:
    DrawnPageView(HWND parent, RandomGenerator& random);
    ~DrawnPageView() override;

    void Navigate(const std::string& pageFile) override;
    void ShowPage(const PageContent& page, std::string_view photoJpeg) override;

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    PixelRect ShownArea() const;
    void Show(const PageContent& page, std::optional<PlacedPhoto> photo, std::string photoJpeg,
              double handedAtMs);
    std::optional<PlacedPhoto> PlacePhotoAgain() const;
    void ChangePage(const TransitionPlan& plan, std::optional<PlacedPhoto> photo);
    void NextFrame();
    void ReportTransition(const char* how);
    void FollowPlacement();
    void CopyFrameTo(HDC dc, const PixelRect& part);
    void Paint();

    RandomGenerator& random_;
    // The page shown last: its photograph as the page places it and its JPEG
    // bytes (decoded again only when the view changes its size), its exit.
    std::optional<PagePhoto> pagePhoto_;
    std::string photoJpeg_;
    ExitTransition exit_;
    PixelRect area_;  // in the page's coordinates, which are the client area's
    std::unique_ptr<TransitionPainter> painter_;
    TransitionPlan plan_;
    // The frame clock: one frame per period at most (a refresh of the
    // display, or longer for a change drawn in fewer steps), each showing the
    // progress of its own moment.
    double transitionStartMs_ = 0;
    double framePeriodMs_ = 1000 / kAssumedRefreshHz;
    std::int64_t lastPeriod_ = 0;
    bool transitionRunning_ = false;
    TransitionLog log_;
    bool logPending_ = false;
};

DrawnPageView::DrawnPageView(HWND parent, RandomGenerator& random) : random_(random) {
    // The sunken edge is the control's two-pixel frame: the slideshow places
    // the view so that the frame lies outside its window.
    if (!CreateViewWindow(kWindowClass, nullptr, WS_EX_CLIENTEDGE, 0, parent)) {
        Raise(ViewError("The page view's window cannot be created."));
    }
    FollowPlacement();
}

DrawnPageView::~DrawnPageView() {
    if (window_) DestroyWindow(window_);
}

LRESULT DrawnPageView::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // painting covers every pixel
        case WM_PAINT:
            Paint();
            return 0;
        case WM_TIMER:
            if (wParam == kFrameTimer) NextFrame();
            return 0;
        case WM_WINDOWPOSCHANGED:
            FollowPlacement();
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The part of the client area that the parent window shows: the transitions
// are played there, so that their shapes are centred in what the user sees.
PixelRect DrawnPageView::ShownArea() const {
    RECT client;
    GetClientRect(window_, &client);
    RECT parent;
    GetClientRect(GetParent(window_), &parent);
    MapWindowPoints(GetParent(window_), window_, reinterpret_cast<POINT*>(&parent), 2);
    const PixelRect shown = Intersection({0, 0, client.right, client.bottom},
                                         {parent.left, parent.top, parent.right, parent.bottom});
    return shown.Empty() ? PixelRect{0, 0, 1, 1} : shown;
}

void DrawnPageView::Navigate(const std::string& pageFile) {
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
            // Decoded now: the photo file is rewritten for the next page.
            const std::string source = PhotoFileOf(page.photo->source, pageFile);
            jpeg = ReadWholeFile(source, "photograph", kLargestPhotoFile);
            photo = DecodePhotoForPage(jpeg.data(), jpeg.size(), *page.photo);
        }
    } catch (const Error& error) {
        Raise(ViewError("'" + pageFile + "': " + error.what()));
    } catch (const std::bad_alloc&) {
        Raise(ViewError("'" + pageFile + "': there is not enough memory to show it."));
    }
    Show(page, std::move(photo), std::move(jpeg), handedAtMs);
}

void DrawnPageView::ShowPage(const PageContent& page, std::string_view photoJpeg) {
    const double handedAtMs = NowMs();
    if (!window_) Raise(ViewError("The page view cannot show a page: the view no longer exists."));
    std::optional<PlacedPhoto> photo;
    if (page.photo) photo = DecodePhotoForPage(photoJpeg.data(), photoJpeg.size(), *page.photo);
    Show(page, std::move(photo), page.photo ? std::string(photoJpeg) : std::string(), handedAtMs);
}

void DrawnPageView::Show(const PageContent& page, std::optional<PlacedPhoto> photo, std::string photoJpeg,
                         double handedAtMs) {
    if (transitionRunning_) ReportTransition("cut short");
    log_.PageHanded(handedAtMs);
    logPending_ = true;
    const TransitionPlan plan = painter_ ? PlanTransition(exit_, random_) : TransitionPlan{};
    // The parent may have changed its size since the view was placed (a window
    // that is maximised late); the old page is redrawn to the area shown now.
    FollowPlacement();
    pagePhoto_ = page.photo;
    photoJpeg_ = std::move(photoJpeg);
    exit_ = page.exit;
    ChangePage(plan, std::move(photo));
}

// The current page's photograph, decoded once more (it decoded before).
std::optional<PlacedPhoto> DrawnPageView::PlacePhotoAgain() const {
    if (!pagePhoto_) return std::nullopt;
    return DecodePhotoForPage(photoJpeg_.data(), photoJpeg_.size(), *pagePhoto_);
}

// From what the screen shows now (the old page, or a transition halfway) to the current page.
void DrawnPageView::ChangePage(const TransitionPlan& plan, std::optional<PlacedPhoto> photo) {
    if (transitionRunning_) ReportTransition("cut short");
    if (!painter_ || painter_->Width() != area_.Width() || painter_->Height() != area_.Height()) {
        painter_ = std::make_unique<TransitionPainter>(area_.Width(), area_.Height());
    }
    RenderPage(photo, area_, painter_->NewPage());
    photo.reset();  // now in the page: its memory goes back before the change takes its own
    painter_->Begin(plan);
    plan_ = plan;
    framePeriodMs_ = 1000 / RefreshRate(window_);
    if (painter_->MostSteps() > 0) {
        framePeriodMs_ = std::max(framePeriodMs_, double(plan.durationMs) / painter_->MostSteps());
    }
    transitionStartMs_ = NowMs();
    lastPeriod_ = -1;
    transitionRunning_ = true;
    KillTimer(window_, kFrameTimer);
    NextFrame();
    // Never faster than the frame period; a tick that comes early after a
    // late one (the system catching up) falls into a period that has its
    // frame, and NextFrame skips it.
    const auto interval = static_cast<UINT>(std::max<double>(USER_TIMER_MINIMUM, std::ceil(framePeriodMs_)));
    if (transitionRunning_) SetTimer(window_, kFrameTimer, interval, nullptr);
}

void DrawnPageView::NextFrame() {
    if (!painter_ || !transitionRunning_) return;
    const double elapsedMs = NowMs() - transitionStartMs_;
    const double progress = TransitionProgress(plan_, static_cast<std::int64_t>(elapsedMs));
    const auto period = static_cast<std::int64_t>(elapsedMs / framePeriodMs_);
    if (period == lastPeriod_ && progress < 1.0) return;
    lastPeriod_ = period;
    painter_->DrawFrame(progress);
    const PixelRect& changed = painter_->Changed();
    if (!changed.Empty()) {
        // Straight to the window, without a paint cycle's round trips to the system.
        const ScopedWindowDc dc(window_);
        CopyFrameTo(dc.Get(), {area_.left + changed.left, area_.top + changed.top, area_.left + changed.right,
                               area_.top + changed.bottom});
    }
    log_.FrameDue(NowMs(), !changed.Empty());
    if (progress >= 1.0) {
        KillTimer(window_, kFrameTimer);
        ReportTransition("done");
    }
}

// One debug line per page change (see TransitionLog): under Wine it shows
// with WINEDEBUG=+debugstr, on Windows in any debug-output viewer.
void DrawnPageView::ReportTransition(const char* how) {
    transitionRunning_ = false;
    if (!logPending_) return;
    logPending_ = false;
    const std::string line = "Solquera view: " + log_.Summary(EffectName(plan_)) + ", " + how + "\n";
    OutputDebugStringA(line.c_str());
}

// A new size or place shows the current page at once, without a transition.
void DrawnPageView::FollowPlacement() {
    const PixelRect area = ShownArea();
    if (area == area_) return;
    area_ = area;
    if (painter_) ChangePage(TransitionPlan{}, PlacePhotoAgain());
}

// The part of the frame inside `part` (client coordinates).
void DrawnPageView::CopyFrameTo(HDC dc, const PixelRect& part) {
    const PixelRect shown = Intersection(part, area_);
    if (shown.Empty()) return;
    painter_->CopyTo(
        dc,
        {shown.left - area_.left, shown.top - area_.top, shown.right - area_.left, shown.bottom - area_.top},
        {area_.left, area_.top});
}

void DrawnPageView::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    if (painter_) {
        CopyFrameTo(dc, {paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom});
        ExcludeClipRect(dc, area_.left, area_.top, area_.left + area_.Width(), area_.top + area_.Height());
    }
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(window_, &paint);
}

}  // namespace

std::unique_ptr<BuiltInView> CreateBuiltInView(HWND parent, RandomGenerator& random) {
    return std::make_unique<DrawnPageView>(parent, random);
}
