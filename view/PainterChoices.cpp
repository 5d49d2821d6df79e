#include "view/PainterChoices.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double kOpaque = 255;
constexpr std::int64_t kElementGroups = 1024;

}  // namespace

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

std::int32_t MostSteps(const TransitionPlan& plan) {
    const bool spread =
        plan.kind == TransitionPlan::Kind::Fade ||
        (plan.kind == TransitionPlan::Kind::Reveal && StyleOf(plan.pattern) != RevealStyle::Region);
    return spread ? kSpreadChangeSteps : 0;
}

std::uint32_t FadeAlpha(double progress) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(progress, 0.0, 1.0) * kOpaque));
}

bool FadeStepDue(std::uint32_t alpha, std::uint32_t shownAlpha) {
    return alpha >= shownAlpha + kOpaque / kSpreadChangeSteps;
}

bool OrderStepDue(std::int64_t due, std::int64_t shown, std::int64_t count) {
    return due > shown && due - shown >= count / kSpreadChangeSteps;
}

PixelRect OrderedStepArea(RevealStyle style, std::int32_t first, std::int32_t last, std::int32_t width,
                          std::int32_t height) {
    switch (style) {
        case RevealStyle::PixelOrder:
            return {0, first / width, width, last / width + 1};  // pixels lie all across their rows
        case RevealStyle::RowOrder:
            return {0, first, width, last + 1};
        case RevealStyle::ColumnOrder:
            return {first, 0, last + 1, height};
        case RevealStyle::Region:
            break;
    }
    return {};
}

int ElementGroupShift(std::int64_t count) {
    int shift = 0;
    while ((count >> shift) > kElementGroups) ++shift;
    return shift;
}
