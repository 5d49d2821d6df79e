// Draws the frames of the page changes for the view to copy to the screen:
// from what the frame shows to the new page, by the plan's fade or reveal
// pattern. Each frame touches only the pixels that change, and says where
// they lie, so that the view copies no more; no frame allocates memory.
#pragma once

#include <windows.h>

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

    std::int32_t Width() const { return frame_.Width(); }
    std::int32_t Height() const { return frame_.Height(); }

    // Stops the change that runs where it stands and gives the picture for
    // the next page: the caller draws the page into it, at the frame's size.
    PixelImage& NewPage();

    // Begins a change from what the frame shows now (the last page, or a
    // change halfway) to the new page.
    void Begin(const TransitionPlan& plan);

    // Brings the frame to this progress (0 to 1); a change spread over the
    // whole picture (fade, random orders) only in steps of 1/128. Progress
    // only grows: every pattern keeps what it has shown, so each frame adds
    // to the last. At 1 the frame shows the new page and the change is over.
    void DrawFrame(double progress);

    // How many steps the change is drawn in at most; 0 when in as many as
    // the frames give.
    std::int32_t MostSteps() const;

    // The memory the change's frames hold beyond the frame and the new page
    // (the dissolves' element lists); nothing once the change is over.
    std::size_t WorkingBytes() const;

    // Where the last DrawFrame changed the frame; empty when nowhere.
    const PixelRect& Changed() const { return changed_; }

    // Copies the part `part` of the frame to `target` at origin + part.
    void CopyTo(HDC target, const PixelRect& part, POINT origin);

private:
    void Finish();
    bool Fading() const;
    void DrawFade(double progress);
    void MixFadeRows(std::int32_t top, std::int32_t bottom, const PixelRect& part, std::uint32_t* out,
                     std::size_t stride) const;
    void DrawRegion(double progress);
    void DrawInOrder(double progress);
    void GroupDueElements(std::int64_t count);
    void CopyFromNewPage(const PixelRect& rect);

    // What the screen shows; while a fade runs, the old page, which is mixed
    // with the new one on its way to the screen (see CopyTo).
    DibSection frame_;
    // The new page, held only while a change to it runs.
    PixelImage to_;
    // A fade's frames pass through it a band of rows at a time.
    std::optional<DibSection> fadeBand_;
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
    // Kept from frame to frame of a change, given back at its end.
    std::vector<std::int32_t> dueElements_;
    std::vector<std::int32_t> groupedElements_;
    std::vector<std::size_t> groupStart_;
};
