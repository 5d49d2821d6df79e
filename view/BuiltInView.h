// The page view that draws the pages itself: it reads each page file (or is
// handed a page's content and photograph), decodes the photograph and plays
// the leaving page's exit transition. It takes the hosted control's place
// where the system's HTML engine no longer plays page transitions.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/RandomGenerator.h"
#include "ui/SystemLibraries.h"
#include "view/FrameClock.h"
#include "view/FramePacing.h"
#include "view/PageImage.h"
#include "view/PageReader.h"
#include "view/PageView.h"
#include "view/TransitionLog.h"
#include "view/TransitionPainter.h"

class BuiltInView final : public PageView {
public:
    // The view of the slideshow window's design (left 56, top 140, 545 x 429,
    // visible, not a tab stop), black until the first page. Like the control,
    // it draws a two-pixel frame around its client area. The random
    // transitions draw from `random`. Raises an Error when the window cannot
    // be made.
    BuiltInView(HWND parent, RandomGenerator& random);
    ~BuiltInView() override;

    void Navigate(const std::string& pageFile) override;

    // Raises an Error when the bytes are not a readable JPEG image; the view
    // then stays as it was. True.
    bool ShowPage(const PageContent& page, std::string_view photoJpeg) override;

    // While the display is off (or the system suspends) no frame is drawn:
    // a change under way ends where it stands, and a page shown meanwhile
    // is kept undrawn. On again, the current page is drawn at once, and the
    // next page plays its transition.
    void SetDisplayOn(bool on) override;

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    PixelRect ShownArea() const;
    void Show(const PageContent& page, std::optional<PlacedPhoto> photo, std::string photoJpeg,
              double handedAtMs);
    std::optional<PlacedPhoto> PlacePhotoAgain() const;
    void ChangePage(const TransitionPlan& plan, std::optional<PlacedPhoto> photo);
    void NextFrame();
    void AwaitNextFrame();
    void EndChangeAndReport(const char* how);
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
    FrameClock clock_;
    FramePacing pacing_;
    // Held while a change runs where the frame timers came late (see FramePacing).
    std::optional<ScopedFineTimerTick> fineTick_;
    bool displayOn_ = true;
    bool drawnPageStale_ = false;  // a page came while the display was off
    TransitionLog log_;
    bool logPending_ = false;
};
