#include "view/RevealedSpans.h"

#include <algorithm>

RevealedSpans::RevealedSpans(std::int32_t height)
    : height_(height), rowStart_(static_cast<std::size_t>(height) + 1, 0) {}

// A counting sort by row; the buffers keep their size from frame to frame.
void RevealedSpans::Assign(const std::vector<PixelRect>& rects) {
    std::fill(rowStart_.begin(), rowStart_.end(), 0);
    for (const PixelRect& rect : rects) {
        for (std::int32_t y = rect.top; y < rect.bottom; ++y) ++rowStart_[static_cast<std::size_t>(y) + 1];
    }
    for (std::size_t y = 1; y < rowStart_.size(); ++y) rowStart_[y] += rowStart_[y - 1];
    spans_.resize(rowStart_.back());
    fill_.assign(rowStart_.begin(), rowStart_.end() - 1);
    for (const PixelRect& rect : rects) {
        for (std::int32_t y = rect.top; y < rect.bottom; ++y) {
            spans_[fill_[static_cast<std::size_t>(y)]++] = {rect.left, rect.right};
        }
    }
    for (std::size_t y = 0; y + 1 < rowStart_.size(); ++y) {
        if (rowStart_[y + 1] - rowStart_[y] > 1) {
            std::sort(spans_.begin() + static_cast<std::ptrdiff_t>(rowStart_[y]),
                      spans_.begin() + static_cast<std::ptrdiff_t>(rowStart_[y + 1]),
                      [](const Span& a, const Span& b) { return a.left < b.left; });
        }
    }
}
