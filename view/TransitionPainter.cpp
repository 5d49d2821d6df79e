#include "view/TransitionPainter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// A region of rectangles that do not overlap, made in one call.
HRGN RegionOf(const std::vector<PixelRect>& rects) {
    std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects.size());
    header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bounds{rects.front().left, rects.front().top, rects.front().right, rects.front().bottom};
    auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < rects.size(); ++i) {
        out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        bounds = {std::min(bounds.left, out[i].left), std::min(bounds.top, out[i].top),
                  std::max(bounds.right, out[i].right), std::max(bounds.bottom, out[i].bottom)};
    }
    header->rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

}  // namespace

TransitionPainter::TransitionPainter(const PixelImage& from, const PixelImage& to, const TransitionPlan& plan)
    : from_(from), to_(to), frame_(from), plan_(plan) {
    if (plan_.kind != TransitionPlan::Kind::Reveal) return;
    style_ = StyleOf(plan_.pattern);
    if (style_ != RevealStyle::Region) {
        order_.emplace(static_cast<std::uint64_t>(OrderedElements(style_, to_.Width(), to_.Height())),
                       plan_.seed);
    }
}

void TransitionPainter::DrawFrame(double progress) {
    if (plan_.kind == TransitionPlan::Kind::Cut || progress >= 1.0) {
        BitBlt(frame_.Dc(), 0, 0, frame_.Width(), frame_.Height(), to_.Dc(), 0, 0, SRCCOPY);
        return;
    }
    if (plan_.kind == TransitionPlan::Kind::Fade) {
        DrawFade(progress);
    } else if (style_ == RevealStyle::Region) {
        DrawRegion(progress);
    } else {
        DrawInOrder(progress);
    }
}

// The new picture through the shape's clip region onto the frame.
void TransitionPainter::DrawRegion(double progress) {
    const std::vector<PixelRect> rects =
        RevealedRegion(plan_.pattern, progress, frame_.Width(), frame_.Height());
    if (rects.empty()) return;
    const HRGN region = RegionOf(rects);
    SelectClipRgn(frame_.Dc(), region);
    BitBlt(frame_.Dc(), 0, 0, frame_.Width(), frame_.Height(), to_.Dc(), 0, 0, SRCCOPY);
    SelectClipRgn(frame_.Dc(), nullptr);
    DeleteObject(region);
}

// The whole old picture, the new one over it at the progress's opacity.
void TransitionPainter::DrawFade(double progress) {
    BitBlt(frame_.Dc(), 0, 0, frame_.Width(), frame_.Height(), from_.Dc(), 0, 0, SRCCOPY);
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = static_cast<BYTE>(std::lround(std::clamp(progress, 0.0, 1.0) * 255));
    AlphaBlend(frame_.Dc(), 0, 0, frame_.Width(), frame_.Height(), to_.Dc(), 0, 0, to_.Width(), to_.Height(),
               blend);
}

// Only the pixels or lines that came due since the last frame are copied.
void TransitionPainter::DrawInOrder(double progress) {
    const std::int64_t due = RevealedCount(progress, static_cast<std::int64_t>(order_->Count()));
    GdiFlush();
    const std::int32_t width = frame_.Width();
    const std::int32_t height = frame_.Height();
    const std::uint32_t* source = to_.Pixels();
    std::uint32_t* target = frame_.Pixels();
    for (; shownElements_ < due; ++shownElements_) {
        const std::uint64_t element = order_->At(static_cast<std::uint64_t>(shownElements_));
        if (style_ == RevealStyle::PixelOrder) {
            target[element] = source[element];
        } else if (style_ == RevealStyle::RowOrder) {
            const std::size_t start = element * static_cast<std::size_t>(width);
            std::memcpy(target + start, source + start, static_cast<std::size_t>(width) * sizeof *target);
        } else {
            for (std::int32_t y = 0; y < height; ++y) {
                const std::size_t at =
                    static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + element;
                target[at] = source[at];
            }
        }
    }
}
