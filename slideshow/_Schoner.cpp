#include "slideshow/_Schoner.h"

#include "config/Settings.h"
#include "saver/HtmlEngine.h"
#include "saver/ScreenSaver.h"
#include "slideshow/BrowserGuard.h"
#include "view/BuiltInView.h"
#include "slideshow/ClockSeed.h"
#include "slideshow/InputWatch.h"
#include "slideshow/PageText.h"
#include "slideshow/SlideSequence.h"
#include "slideshow/TempFile.h"
#include "ui/Application.h"
#include "ui/Jpeg.h"
#include "ui/Resource.h"

#include <vector>

TSchoner* Schoner = nullptr;

namespace {

// Set by the first StopSaver: the slideshow has ended, whatever still runs.
bool slideshowStopped = false;

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

}  // namespace

TSchoner::TSchoner() : Form(kSchonerLayout) {
    Schoner = this;
    CreateWindowFromLayout();
    Timer1 = std::make_unique<Timer>(kTimerIntervalMs, [this] { Timer1Timer(); });
    // The system's HTML view where its engine plays page transitions; our own
    // view of the same pages everywhere else.
    if (HtmlEnginePlaysTransitions()) {
        WebBrowser1 = CreateWebBrowserView(Handle());
    } else {
        WebBrowser1 = CreateBuiltInView(Handle(), ProcessRandom());
    }
    RunCreateHandler();
}

TSchoner::~TSchoner() {
    Timer1.reset();
    EndCompanions();
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

void TSchoner::FormActivate() {
    // The display settings may have closed the preview before it was shown:
    // after the shutdown nothing is made.
    if (slideshowStopped) return;
    ReseedFromClock();
    PlayOrder = AscendingPlayOrder();
    PhotoIndex = static_cast<std::int32_t>(PlayOrder.size());
    // An unread position keeps the stored one.
    if (POINT cursor; GetCursorPos(&cursor)) SavedCursorPos = cursor;
    PhotoFile = MakeTempName("jpg");
    HtmlFile = MakeTempName("htm");
    ExitMeta = ChooseExitMeta(Effect, ProcessRandom());
    ShowPage(StartPage(ExitMeta));
    if (SaverMode == smSaver) CoverMonitors();
    LayOutWebBrowser();
    InstallSaverWindowProc();
    if (SaverMode == smSaver) SetCapture(Handle());
}

// The slideshow window on the primary monitor, a companion on every other one.
void TSchoner::CoverMonitors() {
    const CoveringPlan plan = PlanCovering(DisplayMonitors());
    const ScreenArea& primary = plan.primary;
    if (!primary.Empty()) SetBounds(primary.left, primary.top, primary.Width(), primary.Height());
    if (!companions_) companions_ = std::make_unique<Companions>(Handle(), Effect);
    companions_->Cover(plan.companions);
}

// A monitor plugged in or out, or a new resolution: every window follows, and
// a slideshow window of a new size shows its next photograph at once, fitted anew.
void TSchoner::OnDisplayChange() {
    if (!companions_ || slideshowStopped) return;
    const int width = Width();
    const int height = Height();
    CoverMonitors();
    LayOutWebBrowser();
    const bool photoShown = PhotoIndex < static_cast<std::int32_t>(PlayOrder.size());
    if (photoShown && (Width() != width || Height() != height)) Countdown = 0;
}

void TSchoner::EndCompanions() {
    companions_.reset();
}

void TSchoner::ShowPage(const std::string& page) {
    WriteTempFile(HtmlFile, page);
    WebBrowser1->Navigate(HtmlFile);
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
    ReleaseCapture();
    WindowProc = OldWindowProc;
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
    if (!slideshowStopped) StopSaver();
}

bool TSchoner::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != SC_MINIMIZE) return false;
    Hide();
    return true;
}

void TSchoner::Timer1Timer() {
    Application::ProcessMessages();
    // A close request served just now has deleted the temp files; staging
    // would only write them again.
    if (slideshowStopped) return;
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
    WriteTempFile(PhotoFile, photo);
    const PhotoFit fit = FitPhoto(size.width, size.height, Width(), Height());
    ExitMeta = ChooseExitMeta(Effect, ProcessRandom());
    ShowPage(PhotoPage(ExitMeta, Width(), Height(), PhotoFile, fit));
    WebBrowser1->Show();
}

namespace {

// Clears the attributes (a read-only file cannot be deleted) and deletes.
void DeleteTempFile(const std::string& path) {
    if (path.empty()) return;
    SetFileAttributesA(path.c_str(), 0);
    DeleteFileA(path.c_str());
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The browser's settings as they were before the slideshow borrowed them.
void RestoreBrowserSettings() {
    RestoreNavigationSound();
    if (PageTransitionsWereOff) DisablePageTransitions();
}

// Full-screen mode tells the system a saver runs, and hides the cursor for the
// whole run.
void EnterSaverMode() {
    if (SaverMode != smSaver) return;
    SetScreenSaverRunning(true);
    ShowCursor(FALSE);
}

// A slideshow that could not be built (or whose message loop failed) leaves
// nothing changed: flag lowered, cursor shown, browser settings restored, and
// no pointer to the window that is gone. Its error is then reported.
void UndoFailedStart() noexcept {
    Schoner = nullptr;
    if (SaverMode == smSaver) {
        SetScreenSaverRunning(false);
        ShowCursor(TRUE);
    }
    try {
        RestoreBrowserSettings();
    } catch (...) {
        // The error that stopped the start is the one to report.
    }
}

}  // namespace

void StopSaver() {
    slideshowStopped = true;
    if (SaverMode == smSaver) SetScreenSaverRunning(false);
    if (Schoner) {
        Schoner->Timer1->SetEnabled(false);
        Schoner->EndCompanions();
    }
    RestoreBrowserSettings();
    if (Schoner) {
        DeleteTempFile(Schoner->HtmlFile);
        DeleteTempFile(Schoner->PhotoFile);
    }
    PostQuitMessage(0);
}

std::string MakeTempName(const std::string& extension) {
    char directory[MAX_PATH + 1];
    // Without a temp directory there is no name: writing to it fails clearly.
    if (const DWORD length = GetTempPathA(MAX_PATH, directory); length == 0 || length > MAX_PATH) return {};
    // The system makes "inst<hex>.TMP" unique; the name with our extension
    // must not belong to another file either, which would be overwritten and
    // later deleted. Rejected placeholders stay until a name is found, so
    // the system does not offer them again.
    std::vector<std::string> placeholders;
    std::string result;
    for (;;) {
        char name[MAX_PATH + 1];
        if (!GetTempFileNameA(directory, "inst", 0, name)) {
            result.clear();
            break;
        }
        placeholders.emplace_back(name);
        result = placeholders.back().substr(0, placeholders.back().size() - 3) + extension;
        if (!FileExists(result)) break;
    }
    for (const std::string& placeholder : placeholders) DeleteTempFile(placeholder);
    return result;
}

void StartSaver() {
    // A preview needs its window; without one there is nothing to show in.
    if (SaverMode == smPreview && !IsWindow(ParentWindowHandle())) return;
    EnterSaverMode();
    try {
        Application::Initialize();
        TSchoner window;
        window.ShowModal();
        while (!Application::Terminated()) Application::HandleMessage();
    } catch (...) {
        UndoFailedStart();
        throw;
    }
}
