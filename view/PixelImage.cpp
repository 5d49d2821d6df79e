#include "view/PixelImage.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// Weights in 1/256: blends two pixels, red and blue in one multiplication, green in another.
std::uint32_t Blend(std::uint32_t a, std::uint32_t b, std::uint32_t weightOfB) {
    const std::uint32_t weightOfA = 256 - weightOfB;
    const std::uint32_t redBlue = ((a & 0xFF00FFu) * weightOfA + (b & 0xFF00FFu) * weightOfB) >> 8;
    const std::uint32_t green = ((a & 0x00FF00u) * weightOfA + (b & 0x00FF00u) * weightOfB) >> 8;
    return (redBlue & 0xFF00FFu) | (green & 0x00FF00u) | 0xFF000000u;
}

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
    assert(source.width > 0 && source.height > 0 && width > 0 && height > 0);
    const std::vector<Sample> across = Samples(source.width, width);
    const std::vector<Sample> down = Samples(source.height, height);
    PixelImage result(width, height);
    std::vector<std::uint32_t> upperRow(static_cast<std::size_t>(width));
    std::vector<std::uint32_t> lowerRow(static_cast<std::size_t>(width));
    const auto scaleRow = [&](std::int32_t y, std::vector<std::uint32_t>& row) {
        const std::uint32_t* line = source.Row(y);
        for (std::size_t x = 0; x < row.size(); ++x) {
            row[x] = Blend(line[across[x].lower], line[across[x].upper], across[x].weight);
        }
    };
    for (std::int32_t y = 0; y < height; ++y) {
        const Sample& s = down[static_cast<std::size_t>(y)];
        scaleRow(s.lower, upperRow);
        scaleRow(s.upper, lowerRow);
        std::uint32_t* target = result.Row(y);
        for (std::size_t x = 0; x < upperRow.size(); ++x)
            target[x] = Blend(upperRow[x], lowerRow[x], s.weight);
    }
    return result;
}
