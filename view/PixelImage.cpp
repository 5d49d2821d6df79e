#include "view/PixelImage.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

#include "view/PixelBlend.h"

namespace {

// For each target position the lower source position and the weight of the one after it.
struct Sample {
    std::int32_t lower;
    std::int32_t upper;
    std::uint32_t weight;
};

std::vector<Sample> Samples(std::int32_t sourceLength, std::int32_t targetLength) {
    std::vector<Sample> samples(static_cast<std::size_t>(targetLength));
    const double ratio = double(sourceLength) / targetLength;
    for (std::int32_t i = 0; i < targetLength; ++i) {
        const double at = std::clamp((i + 0.5) * ratio - 0.5, 0.0, double(sourceLength - 1));
        const auto lower = static_cast<std::int32_t>(at);
        samples[static_cast<std::size_t>(i)] = {lower, std::min(lower + 1, sourceLength - 1),
                                                static_cast<std::uint32_t>((at - lower) * 256)};
    }
    return samples;
}

}  // namespace

PixelImage ScalePixelImage(const PixelImage& source, std::int32_t width, std::int32_t height) {
    PixelImage result(width, height);
    ScalePixelImage(source, width, height, {0, 0, width, height}, result.pixels.data(),
                    static_cast<std::size_t>(width));
    return result;
}

void ScalePixelImage(const PixelImage& source, std::int32_t width, std::int32_t height, const PixelRect& part,
                     std::uint32_t* out, std::size_t stride) {
    assert(source.width > 0 && source.height > 0 && width > 0 && height > 0);
    assert(part == Intersection(part, {0, 0, width, height}) && !part.Empty());
    const std::vector<Sample> across = Samples(source.width, width);
    const std::vector<Sample> down = Samples(source.height, height);
    // Source rows scaled across, kept while the rows below still need them:
    // enlarging reads each source row for several target rows.
    std::vector<std::uint32_t> upperRow(static_cast<std::size_t>(part.Width()));
    std::vector<std::uint32_t> lowerRow(static_cast<std::size_t>(part.Width()));
    std::int32_t upperY = -1;
    std::int32_t lowerY = -1;
    const auto scaleRow = [&](std::int32_t y, std::vector<std::uint32_t>& row) {
        const std::uint32_t* line = source.Row(y);
        const Sample* sample = across.data() + part.left;
        for (std::size_t x = 0; x < row.size(); ++x) {
            row[x] = MixPixel(line[sample[x].lower], line[sample[x].upper], sample[x].weight);
        }
    };
    for (std::int32_t y = part.top; y < part.bottom; ++y, out += stride) {
        const Sample& s = down[static_cast<std::size_t>(y)];
        if (s.lower == lowerY) {
            std::swap(upperRow, lowerRow);
            std::swap(upperY, lowerY);
        }
        if (s.lower != upperY) scaleRow(upperY = s.lower, upperRow);
        if (s.upper != lowerY) scaleRow(lowerY = s.upper, lowerRow);
        MixPixels(upperRow.data(), lowerRow.data(), out, upperRow.size(), s.weight);
    }
}
