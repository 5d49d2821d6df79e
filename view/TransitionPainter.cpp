#include "view/TransitionPainter.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>
#include <numeric>

#include "view/PainterChoices.h"
#include "view/PixelBlend.h"

namespace {

// Rows of a fade's frame mixed at a time: small enough to stay in the
// processor's cache between the mix and the copy to the screen.
constexpr std::int32_t kFadeBandRows = 32;

}  // namespace

TransitionPainter::TransitionPainter(std::int32_t width, std::int32_t height) : frame_(width, height) {}

PixelImage& TransitionPainter::NewPage() {
    if (Fading()) {
        GdiFlush();
        // The frame takes the mix the screen shows.
        const std::size_t width = static_cast<std::size_t>(frame_.Width());
        MixFadeRows(differs_.top, differs_.bottom, differs_,
                    frame_.Pixels() + static_cast<std::size_t>(differs_.top) * width +
                        static_cast<std::size_t>(differs_.left),
                    width);
    }
    Finish();
    return to_;
}

void TransitionPainter::Begin(const TransitionPlan& plan) {
    assert(to_.width == frame_.Width() && to_.height == frame_.Height());
    Finish();
    running_ = true;
    plan_ = plan;
    GdiFlush();
    differs_ = DifferingArea(frame_.Pixels(), to_.pixels.data(), frame_.Width(), frame_.Height());
    if (plan_.kind == TransitionPlan::Kind::Fade) {
        shownAlpha_ = 0;
        if (!fadeBand_) fadeBand_.emplace(frame_.Width(), kFadeBandRows);
    }
    if (plan_.kind != TransitionPlan::Kind::Reveal) return;
    style_ = StyleOf(plan_.pattern);
    if (style_ == RevealStyle::Region) {
        shown_ = RevealedSpans(frame_.Height());
        revealed_ = RevealedSpans(frame_.Height());
    } else {
        order_.emplace(static_cast<std::uint64_t>(OrderedElements(style_, frame_.Width(), frame_.Height())),
                       plan_.seed);
    }
}

void TransitionPainter::Finish() {
    running_ = false;
    shown_ = RevealedSpans();
    revealed_ = RevealedSpans();
    order_.reset();
    shownElements_ = 0;
    // A dissolve's last frames hold nearly every pixel of the picture here:
    // their memory goes back between changes (assigning {} would keep it).
    dueElements_ = std::vector<std::int32_t>();
    groupedElements_ = std::vector<std::int32_t>();
    groupStart_ = std::vector<std::size_t>();
}

void TransitionPainter::DrawFrame(double progress) {
    changed_ = {};
    if (!running_) return;
    GdiFlush();
    if (plan_.kind == TransitionPlan::Kind::Cut || progress >= 1.0) {
        CopyFromNewPage(differs_);
        changed_ = differs_;
        Finish();
        // The frame shows the new page: its memory goes back to the system
        // until the next page, so that decoding the next photograph does not
        // come on top of it.
        to_ = PixelImage();
    } else if (plan_.kind == TransitionPlan::Kind::Fade) {
        DrawFade(progress);
    } else if (style_ == RevealStyle::Region) {
        DrawRegion(progress);
    } else {
        DrawInOrder(progress);
    }
}

void TransitionPainter::CopyFromNewPage(const PixelRect& rect) {
    for (std::int32_t y = rect.top; y < rect.bottom; ++y) {
        const std::size_t start = static_cast<std::size_t>(y) * static_cast<std::size_t>(frame_.Width()) +
                                  static_cast<std::size_t>(rect.left);
        std::memcpy(frame_.Pixels() + start, to_.pixels.data() + start,
                    static_cast<std::size_t>(rect.Width()) * sizeof(std::uint32_t));
    }
}

std::int32_t TransitionPainter::MostSteps() const {
    return running_ ? ::MostSteps(plan_) : 0;
}

bool TransitionPainter::Fading() const {
    return running_ && plan_.kind == TransitionPlan::Kind::Fade && shownAlpha_ > 0;
}

// A fade's frame is only its opacity: the mix is made on the way to the screen.
void TransitionPainter::DrawFade(double progress) {
    const std::uint32_t alpha = FadeAlpha(progress);
    if (!FadeStepDue(alpha, shownAlpha_)) return;
    shownAlpha_ = alpha;
    changed_ = differs_;
}

// The rows top..bottom of the part, the old page with the new one over it
// at the fade's opacity, into out (row by row, stride pixels apart).
void TransitionPainter::MixFadeRows(std::int32_t top, std::int32_t bottom, const PixelRect& part,
                                    std::uint32_t* out, std::size_t stride) const {
    const std::size_t width = static_cast<std::size_t>(frame_.Width());
    for (std::int32_t y = top; y < bottom; ++y, out += stride) {
        const std::size_t start = static_cast<std::size_t>(y) * width + static_cast<std::size_t>(part.left);
        BlendPixels(frame_.Pixels() + start, to_.pixels.data() + start, out,
                    static_cast<std::size_t>(part.Width()), shownAlpha_);
    }
}

void TransitionPainter::CopyTo(HDC target, const PixelRect& part, POINT origin) {
    if (!Fading()) {
        BitBlt(target, origin.x + part.left, origin.y + part.top, part.Width(), part.Height(), frame_.Dc(),
               part.left, part.top, SRCCOPY);
        return;
    }
    for (std::int32_t top = part.top; top < part.bottom; top += kFadeBandRows) {
        const std::int32_t rows = std::min(kFadeBandRows, part.bottom - top);
        GdiFlush();  // the band's last copy is done
        MixFadeRows(top, top + rows, part, fadeBand_->Pixels(), static_cast<std::size_t>(fadeBand_->Width()));
        BitBlt(target, origin.x + part.left, origin.y + top, part.Width(), rows, fadeBand_->Dc(), 0, 0,
               SRCCOPY);
    }
}

// Only what the shape reveals beyond the last frame, where the pages differ.
void TransitionPainter::DrawRegion(double progress) {
    revealed_.Assign(RevealedRegion(plan_.pattern, progress, frame_.Width(), frame_.Height()));
    revealed_.ForEachBeyond(shown_, [this](const PixelRect& piece) {
        const PixelRect copied = Intersection(piece, differs_);
        if (copied.Empty()) return;
        CopyFromNewPage(copied);
        changed_ = Union(changed_, copied);
    });
    std::swap(shown_, revealed_);
}

// A counting sort of the due elements on their high bits: a group spans a few
// kilobytes of the picture, near enough to memory order at a fraction of a
// sort's cost.
void TransitionPainter::GroupDueElements(std::int64_t count) {
    const int shift = ElementGroupShift(count);
    groupStart_.assign(static_cast<std::size_t>(count >> shift) + 2, 0);
    for (const std::int32_t element : dueElements_)
        ++groupStart_[static_cast<std::size_t>(element >> shift) + 1];
    std::partial_sum(groupStart_.begin(), groupStart_.end(), groupStart_.begin());
    groupedElements_.resize(dueElements_.size());
    for (const std::int32_t element : dueElements_) {
        groupedElements_[groupStart_[static_cast<std::size_t>(element >> shift)]++] = element;
    }
    std::swap(dueElements_, groupedElements_);
}

// Only the pixels or lines that came due since the last frame are copied,
// grouped by where they lie in memory: in the random order nearly every
// pixel would cost a cache miss.
void TransitionPainter::DrawInOrder(double progress) {
    const auto count = static_cast<std::int64_t>(order_->Count());
    const std::int64_t due = RevealedCount(progress, count);
    if (!OrderStepDue(due, shownElements_, count)) return;
    dueElements_.clear();
    std::int32_t first = std::numeric_limits<std::int32_t>::max();
    std::int32_t last = -1;
    for (; shownElements_ < due; ++shownElements_) {
        const auto element =
            static_cast<std::int32_t>(order_->At(static_cast<std::uint64_t>(shownElements_)));
        dueElements_.push_back(element);
        first = std::min(first, element);
        last = std::max(last, element);
    }
    GroupDueElements(count);
    const std::int32_t width = frame_.Width();
    const std::int32_t height = frame_.Height();
    switch (style_) {
        case RevealStyle::PixelOrder: {
            const std::uint32_t* source = to_.pixels.data();
            std::uint32_t* target = frame_.Pixels();
            for (const std::int32_t pixel : dueElements_) target[pixel] = source[pixel];
            break;
        }
        case RevealStyle::RowOrder:
            for (const std::int32_t row : dueElements_) CopyFromNewPage({0, row, width, row + 1});
            break;
        default:
            for (const std::int32_t column : dueElements_) CopyFromNewPage({column, 0, column + 1, height});
            break;
    }
    changed_ = Intersection(OrderedStepArea(style_, first, last, width, height), differs_);
}

std::size_t TransitionPainter::WorkingBytes() const {
    return (dueElements_.capacity() + groupedElements_.capacity()) * sizeof(std::int32_t) +
           groupStart_.capacity() * sizeof(std::size_t);
}
