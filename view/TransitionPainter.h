// Draws the frames of one page change: from the picture that was shown to the
// new page's, by the plan's fade or reveal pattern, into a frame bitmap that
// the view copies to the screen.
#pragma once

#include <optional>

#include "view/DibSection.h"
#include "view/PixelImage.h"
#include "view/RevealOrder.h"
#include "view/RevealPatterns.h"
#include "view/TransitionPlan.h"

class TransitionPainter {
public:
    // Both pictures have the same size; the frame starts as `from`.
    TransitionPainter(const PixelImage& from, const PixelImage& to, const TransitionPlan& plan);

    // Brings the frame to this progress (0 to 1). Progress only grows: every
    // pattern keeps what it has shown, so each frame adds to the last.
    void DrawFrame(double progress);

    const DibSection& Frame() const { return frame_; }

private:
    void DrawRegion(double progress);
    void DrawFade(double progress);
    void DrawInOrder(double progress);

    DibSection from_;
    DibSection to_;
    DibSection frame_;
    TransitionPlan plan_;
    RevealStyle style_ = RevealStyle::Region;
    std::optional<RevealOrder> order_;
    std::int64_t shownElements_ = 0;
};
