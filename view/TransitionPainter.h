// Draws the frames of the page changes into one frame bitmap that the view
// copies to the screen: from what the frame shows to the new page, by the
// plan's fade or reveal pattern. Each frame touches only the pixels that
// change, and says where they lie, so that the view repaints no more.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "view/DibSection.h"
#include "view/PixelImage.h"
#include "view/PixelRect.h"
#include "view/RevealOrder.h"
#include "view/RevealedSpans.h"
#include "view/RevealPatterns.h"
#include "view/TransitionPlan.h"

class TransitionPainter {
public:
    // A black frame of this size.
    TransitionPainter(std::int32_t width, std::int32_t height);
    // A frame that shows `from`, and a page change from it to `to` begun.
    TransitionPainter(const PixelImage& from, PixelImage to, const TransitionPlan& plan);

    // The picture the next change goes to: the caller draws the new page into
    // it, at the frame's size. Its memory serves one change after the other.
    PixelImage& NewPage() { return to_; }

    // Begins a change from what the frame shows now (the last page, or a
    // change halfway) to the new page.
    void Begin(const TransitionPlan& plan);

    // Brings the frame to this progress (0 to 1). Progress only grows: every
    // pattern keeps what it has shown, so each frame adds to the last. At 1
    // the frame shows the new page and the change is over.
    void DrawFrame(double progress);

    const DibSection& Frame() const { return frame_; }
    // Where the last DrawFrame changed the frame; empty when nowhere.
    const PixelRect& Changed() const { return changed_; }

private:
    void Finish();
    void DrawFade(double progress);
    void DrawRegion(double progress);
    void DrawInOrder(double progress);
    void CopyFromNewPage(const PixelRect& rect);

    DibSection frame_;
    // The new page, and for a fade the old one; kept between changes, so
    // that a change costs the system no fresh memory.
    PixelImage to_;
    PixelImage from_;
    bool running_ = false;
    std::uint32_t shownAlpha_ = 0;  // of the fade's last frame
    TransitionPlan plan_;
    PixelRect differs_;  // the frame and the new page differ nowhere outside
    PixelRect changed_;
    RevealStyle style_ = RevealStyle::Region;
    // What a shape has revealed by the last frame, and by this one.
    RevealedSpans shown_;
    RevealedSpans revealed_;
    std::optional<RevealOrder> order_;
    std::int64_t shownElements_ = 0;
    std::vector<std::int32_t> dueElements_;  // kept from frame to frame
};
