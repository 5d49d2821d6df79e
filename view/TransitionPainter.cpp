#include "view/TransitionPainter.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>

#include "view/PixelBlend.h"

namespace {

constexpr double kOpaque = 255;
// A change spread over the whole picture (the fade, the random orders) copies
// nearly all of it to the screen with every frame: it is drawn in at most
// this many steps, which over three seconds is still over forty frames a
// second. The fade's step is two levels of opacity, under one per cent of the
// brightness, which shows no better in two half steps.
constexpr std::int32_t kSpreadChangeSteps = 128;
constexpr std::int64_t kElementGroups = 1024;
// Rows of a fade's frame mixed at a time: small enough to stay in the
// processor's cache between the mix and the copy to the screen.
constexpr std::int32_t kFadeBandRows = 32;

// The smallest rectangle that holds every pixel in which the two pictures differ.
PixelRect DifferingArea(const std::uint32_t* a, const std::uint32_t* b, std::int32_t width,
                        std::int32_t height) {
    const auto row = [&](const std::uint32_t* pixels, std::int32_t y) {
        return pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    };
    const auto rowDiffers = [&](std::int32_t y) {
        return std::memcmp(row(a, y), row(b, y), static_cast<std::size_t>(width) * sizeof *a) != 0;
    };
    std::int32_t top = 0;
    while (top < height && !rowDiffers(top)) ++top;
    if (top == height) return {};
    std::int32_t bottom = height;
    while (!rowDiffers(bottom - 1)) --bottom;
    std::int32_t left = width;
    std::int32_t right = 0;
    for (std::int32_t y = top; y < bottom; ++y) {
        const std::uint32_t* rowA = row(a, y);
        const std::uint32_t* rowB = row(b, y);
        for (std::int32_t x = 0; x < left; ++x) {
            if (rowA[x] != rowB[x]) {
                left = x;
                break;
            }
        }
        for (std::int32_t x = width; x > right; --x) {
            if (rowA[x - 1] != rowB[x - 1]) {
                right = x;
                break;
            }
        }
    }
    return {left, top, right, bottom};
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

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
    const bool spread = plan_.kind == TransitionPlan::Kind::Fade ||
                        (plan_.kind == TransitionPlan::Kind::Reveal && style_ != RevealStyle::Region);
    return running_ && spread ? kSpreadChangeSteps : 0;
}

bool TransitionPainter::Fading() const {
    return running_ && plan_.kind == TransitionPlan::Kind::Fade && shownAlpha_ > 0;
}

// A fade's frame is only its opacity: the mix is made on the way to the screen.
void TransitionPainter::DrawFade(double progress) {
    const auto alpha = static_cast<std::uint32_t>(std::lround(std::clamp(progress, 0.0, 1.0) * kOpaque));
    if (alpha < shownAlpha_ + kOpaque / kSpreadChangeSteps) return;
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
    int shift = 0;
    while ((count >> shift) > kElementGroups) ++shift;
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
    if (due <= shownElements_ || (due - shownElements_) < count / kSpreadChangeSteps) return;
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
    PixelRect copied;
    switch (style_) {
        case RevealStyle::PixelOrder: {
            const std::uint32_t* source = to_.pixels.data();
            std::uint32_t* target = frame_.Pixels();
            for (const std::int32_t pixel : dueElements_) target[pixel] = source[pixel];
            copied = {0, first / width, width, last / width + 1};  // the rows: pixels lie all across
            break;
        }
        case RevealStyle::RowOrder:
            for (const std::int32_t row : dueElements_) CopyFromNewPage({0, row, width, row + 1});
            copied = {0, first, width, last + 1};
            break;
        default:
            for (const std::int32_t column : dueElements_) CopyFromNewPage({column, 0, column + 1, height});
            copied = {first, 0, last + 1, height};
            break;
    }
    changed_ = Intersection(copied, differs_);
}

std::size_t TransitionPainter::WorkingBytes() const {
    return (dueElements_.capacity() + groupedElements_.capacity()) * sizeof(std::int32_t) +
           groupStart_.capacity() * sizeof(std::size_t);
}
