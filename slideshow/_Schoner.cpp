#include "slideshow/_Schoner.h"

#include "config/Settings.h"
#include "saver/HtmlEngine.h"
#include "saver/ScreenSaver.h"
#include "slideshow/BrowserGuard.h"
#include "slideshow/ClockSeed.h"
#include "slideshow/InputWatch.h"
#include "slideshow/PageText.h"
#include "slideshow/SaverRun.h"
#include "slideshow/SlideSequence.h"
#include "slideshow/TempFile.h"
#include "ui/Application.h"
#include "ui/Jpeg.h"
#include "ui/Resource.h"
#include "ui/ShutdownSteps.h"
#include "view/PageReader.h"

#include <vector>

TSchoner* Schoner = nullptr;

namespace {

const FormLayout kSchonerLayout = {
    .caption = "Solquera",
    .clientWidth = 720,
    .clientHeight = 664,
    .color = RGB(0, 0, 0),
    .bordered = false,
    .stayOnTop = true,
    .keyPreview = true,
};

constexpr UINT kTimerIntervalMs = 100;
// The view never gets narrower than this, even in a small preview.
constexpr int kMinimumViewClientWidth = 700;
// The view reaches this far beyond the window on every side, so that its
// frame and scroll bars are never seen.
constexpr int kViewOverhang = 2;

// What a run ended without its shutdown (a preview the display settings
// killed) left in the temp folder.
void DeleteLeftovers() {
    std::vector<std::string_view> photographs;
    for (std::int32_t number = 0; number < kPhotoCount; ++number)
        photographs.push_back(ResourceBytes(number + kPhotoResourceBase));
    DeleteLeftoverTempFiles(photographs);
}

}  // namespace

TSchoner::TSchoner() : Form(kSchonerLayout), displayPower_([this](bool drawing) { FollowDrawing(drawing); }) {
    Schoner = this;
    CreateWindowFromLayout();
    // From the window's start: a box of its creation or activation may wait
    // all night, and the views must not draw meanwhile with the display off.
    displayPower_.Watch(Handle());
    Timer1 = std::make_unique<Timer>(kTimerIntervalMs, [this] { Timer1Timer(); });
    // The system's HTML view where its engine plays page transitions; our own
    // view of the same pages everywhere else.
    WebBrowser1 = HtmlEnginePlaysTransitions() ? CreateWebBrowserView(Handle())
                                               : CreateBuiltInView(Handle(), ProcessRandom());
    RunCreateHandler();
}

// A slideshow that failed after its activation leaves no temp file either.
TSchoner::~TSchoner() {
    ShutdownSteps steps;
    EndSlideshow(steps);
    WebBrowser1.reset();
    Schoner = nullptr;
}

void TSchoner::CreateParams(CreateParamsRecord& params) {
    if (ParentWindow != 0) {
        params.style = WS_CHILD | WS_VISIBLE;
        params.parent = ParentWindowHandle();
    }
}

void TSchoner::FormCreate() {
    MuteNavigationSound();
    EnablePageTransitions();
    WebBrowser1->SetLeft(Width());
    OldWindowProc = WindowProc;
    SetDoubleBuffered(true);
    if (SaverMode == smPreview) {
        RECT parent{};  // stays empty should the parent be gone already
        GetWindowRect(ParentWindowHandle(), &parent);
        SetBounds(0, 0, parent.right - parent.left, parent.bottom - parent.top);
    } else {
        Maximize();
    }
    const HWND applicationWindow = Application::Handle();
    SetWindowLongA(applicationWindow, GWL_EXSTYLE,
                   GetWindowLongA(applicationWindow, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    SetHeight(ClientHeight());
    Countdown = kFirstCountdown;
    Effect = LoadEffect();
}

// Each step runs whatever an earlier one raised, and the input watch and the
// capture are installed in the end whatever failed: input always ends the
// saver. What failed is shown first, since a box takes the activation, whose
// loss would end the saver at once.
void TSchoner::FormActivate() {
    // The display settings may have closed the preview before it was shown:
    // after the shutdown nothing is made.
    if (SlideshowStopped()) return;
    ShutdownSteps steps;
    steps.Run([this] { StartPlayOrder(); });
    steps.Run(DeleteLeftovers);
    steps.Run([this] { ShowStartPage(); });
    if (SaverMode == smSaver) steps.Run([this] { CoverMonitors(); });
    steps.Run([this] { LayOutWebBrowser(); });
    Application::Guard([&] { steps.RaiseFirstFailure(); });
    ReportUnwrittenPages();
    InstallSaverWindowProc();
    if (SaverMode == smSaver) SetCapture(Handle());
}

void TSchoner::StartPlayOrder() {
    ReseedFromClock();
    PlayOrder = AscendingPlayOrder();
    PhotoIndex = static_cast<std::int32_t>(PlayOrder.size());
    // An unread position keeps the stored one.
    if (POINT cursor; GetCursorPos(&cursor)) SavedCursorPos = cursor;
}

void TSchoner::ShowStartPage() {
    PhotoFile = MakeTempName("jpg");
    HtmlFile = MakeTempName("htm");
    ExitMeta = ChooseExitMeta(Effect, ProcessRandom());
    ShowPage(BuildStartPage(ExitMeta), {});
}

// The slideshow window on the primary monitor, a companion on every other one.
void TSchoner::CoverMonitors() {
    const CoveringPlan plan = PlanCovering(DisplayMonitors());
    const ScreenArea& primary = plan.primary;
    if (!primary.Empty()) SetBounds(primary.left, primary.top, primary.Width(), primary.Height());
    if (!companions_) {
        companions_ = std::make_unique<Companions>(Handle(), Effect);
        companions_->SetDisplayOn(displayPower_.Drawing());
    }
    companions_->Cover(plan.companions);
}

// A monitor plugged in or out, or a new resolution: every window follows, and
// a slideshow window of a new size shows its next photograph at once, fitted anew.
void TSchoner::OnDisplayChange() {
    if (!companions_ || SlideshowStopped()) return;
    const int width = Width();
    const int height = Height();
    CoverMonitors();
    LayOutWebBrowser();
    const bool photoShown = PhotoIndex < static_cast<std::int32_t>(PlayOrder.size());
    if (photoShown && (Width() != width || Height() != height)) Countdown = 0;
}

// The page and its photograph are written to their files, and our own view
// is handed them from memory: it never reads back what was just written,
// wherever the temp folder lies (a share, a long path, none at all). The
// hosted control knows only files: where they cannot be written (no temp
// folder, a full disk) it stays at the page it has. The cause is kept for
// its one report.
void TSchoner::ShowPage(const BuiltPage& page, std::string_view photoJpeg) {
    bool written = true;
    try {
        if (page.content.photo) WriteTempFile(PhotoFile, photoJpeg);
        WriteTempFile(HtmlFile, page.text);
    } catch (const Error& error) {
        if (!unwrittenPages_) unwrittenPages_ = error;
        written = false;
    }
    if (!WebBrowser1->ShowPage(page.content, photoJpeg) && written) WebBrowser1->Navigate(HtmlFile);
}

// Once, and before the input watch starts: the box takes the activation,
// whose loss would end the saver at once. A cause that comes later (the disk
// filled in the night) is not shown: no one is there to read it, and the
// slideshow goes on from memory.
void TSchoner::ReportUnwrittenPages() {
    if (!unwrittenPages_ || unwrittenPagesReported_) return;
    unwrittenPagesReported_ = true;
    Application::Guard([this] { throw *unwrittenPages_; });
}

void TSchoner::LayOutWebBrowser() {
    const int height = GetSystemMetrics(SM_CYVSCROLL) + Height() + 2 * kViewOverhang;
    const int width = GetSystemMetrics(SM_CXHSCROLL) + Width() + 2 * kViewOverhang;
    WebBrowser1->SetBounds(-kViewOverhang, -kViewOverhang, width, height);
    if (WebBrowser1->ClientWidth() < kMinimumViewClientWidth) {
        WebBrowser1->SetClientWidth(kMinimumViewClientWidth);
    }
}

void TSchoner::InstallSaverWindowProc() {
    WindowProc = static_cast<MessageHandler>(&TSchoner::SaverWindowProc);
}

void TSchoner::SaverWindowProc(Message& message) {
    if (SaverMode != smSaver) {
        (this->*OldWindowProc)(message);
        return;
    }
    // The capture let go without another window of ours taking it: Wine does
    // so when the activation comes back late, after an error box.
    if (message.msg == WM_CAPTURECHANGED && message.lParam == 0 && !SlideshowStopped()) {
        SetCapture(Handle());
        return;
    }
    switch (DecideWatch(message.msg, message.wParam)) {
        case WatchAction::PassOn:
            (this->*OldWindowProc)(message);
            break;
        case WatchAction::Swallow:
            break;
        case WatchAction::TryClose:
            TryClose();
            break;
        case WatchAction::TestMovement: {
            POINT cursor;
            // An unread position decides nothing.
            if (GetCursorPos(&cursor) &&
                MovedBeyond({cursor.x, cursor.y}, {SavedCursorPos.x, SavedCursorPos.y}, MouseThreshold)) {
                TryClose();
            }
            break;
        }
    }
}

void TSchoner::TryClose() {
    WindowProc = OldWindowProc;
    ReleaseCapture();
    if (VerifyPassword()) {
        StopSaver();
    } else {
        InstallSaverWindowProc();
    }
    SetCapture(Handle());
}

void TSchoner::FormClose() {
    StopSaver();
}

void TSchoner::FormKeyDown() {
    Close();
}

// The display settings destroy the preview window (and ours in it) when they
// close or switch the preview; the process must not outlive it.
void TSchoner::OnDestroy() {
    if (!SlideshowStopped()) StopSaver();
}

bool TSchoner::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != SC_MINIMIZE) return false;
    Hide();
    return true;
}

// The tick yields to the message loop at its start and at its end, so that
// input and close requests that came meanwhile are served before and after
// the work of a tick (staging a photograph takes a while).
void TSchoner::Timer1Timer() {
    Application::ProcessMessages();
    // A close request served just now has deleted the temp files; staging
    // would only write them again.
    if (SlideshowStopped()) return;
    if (TickClock(Countdown, PhotoIndex, PlayOrder, ProcessRandom(), ReseedFromClock)) StageNextPhoto();
    TickCompanions();
    Application::ProcessMessages();
}

// After the slideshow's own tick, so that the companions know what it shows now.
void TSchoner::TickCompanions() {
    if (companions_) companions_->Tick(ShownAndNext(PlayOrder, PhotoIndex));
}

// Copies the next photograph unchanged into the photo file (only its header
// is read, for its size) and shows it on a new page fitted to the window.
void TSchoner::StageNextPhoto() {
    const int photoNumber = std::stoi(PlayOrder[static_cast<std::size_t>(PhotoIndex)]);
    const std::string_view photo = ResourceBytes(photoNumber + kPhotoResourceBase);
    const PixelSize size = ReadJpegSize(photo.data(), photo.size());
    ExitMeta = ChooseExitMeta(Effect, ProcessRandom());
    ShowPage(BuildPhotoPage(ExitMeta, size, Width(), Height(), PhotoFile), photo);
    WebBrowser1->Show();
}

// The display off or the system suspending: the views draw no frame, and
// the slideshow's own timing goes on. Resuming draws again. The companions
// follow whatever the window's own view raised.
void TSchoner::FollowDrawing(bool drawing) {
    ShutdownSteps steps;
    steps.Run([&] {
        if (WebBrowser1) WebBrowser1->SetDisplayOn(drawing);
    });
    steps.Run([&] {
        if (companions_) companions_->SetDisplayOn(drawing);
    });
    steps.RaiseFirstFailure();
}

void TSchoner::EndSlideshow(ShutdownSteps& steps) noexcept {
    steps.Run([this] {
        if (Timer1) Timer1->SetEnabled(false);
    });
    steps.Run([this] { companions_.reset(); });
    steps.Run([this] { displayPower_.Stop(); });
    steps.Run([this] { DeleteTempFile(HtmlFile); });
    steps.Run([this] { DeleteTempFile(PhotoFile); });
}
