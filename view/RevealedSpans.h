// A shape's revealed region kept row by row, so that a frame can find what
// the shape reveals beyond the frame before without any region arithmetic
// of the system's: a wipe adds a strip, a circle two short spans per row.
#pragma once

#include <cstdint>
#include <vector>

#include "view/PixelRect.h"

class RevealedSpans {
public:
    // Nothing revealed in a window of this many rows.
    explicit RevealedSpans(std::int32_t height = 0);

    // The region of these rectangles, which do not overlap, inside the rows.
    void Assign(const std::vector<PixelRect>& rects);

    // Calls add(rect) for each one-row piece of this region that `before`
    // does not hold, from the top row down and from the left.
    template <typename Add>
    void ForEachBeyond(const RevealedSpans& before, Add&& add) const;

private:
    struct Span {
        std::int32_t left;
        std::int32_t right;
    };
    const Span* RowBegin(std::int32_t y) const {
        return spans_.data() + rowStart_[static_cast<std::size_t>(y)];
    }
    const Span* RowEnd(std::int32_t y) const {
        return spans_.data() + rowStart_[static_cast<std::size_t>(y) + 1];
    }

    std::int32_t height_;
    std::vector<std::size_t> rowStart_;  // row y's spans are spans_[rowStart_[y]] up to rowStart_[y + 1]
    std::vector<std::size_t> fill_;
    std::vector<Span> spans_;
};

template <typename Add>
void RevealedSpans::ForEachBeyond(const RevealedSpans& before, Add&& add) const {
    for (std::int32_t y = 0; y < height_; ++y) {
        // Both rows are sorted and their spans disjoint: one pass over each.
        const Span* old = before.RowBegin(y);
        const Span* const oldEnd = before.RowEnd(y);
        for (const Span* span = RowBegin(y); span != RowEnd(y); ++span) {
            std::int32_t x = span->left;
            while (old != oldEnd && old->right <= x) ++old;
            for (const Span* o = old; o != oldEnd && o->left < span->right; ++o) {
                if (o->left > x) add(PixelRect{x, y, o->left, y + 1});
                x = o->right > x ? o->right : x;
            }
            if (x < span->right) add(PixelRect{x, y, span->right, y + 1});
        }
    }
}
