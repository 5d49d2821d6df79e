#include "view/ScaledJpeg.h"

namespace {

constexpr std::int32_t kLargestScaleDown = 8;

}  // namespace

std::int32_t JpegScaleDenominator(PixelSize image, PixelSize wanted) {
    std::int32_t denominator = 1;
    // The decoder rounds a scaled side up.
    const auto scaled = [](std::int32_t side, std::int32_t by) { return (side + by - 1) / by; };
    while (denominator < kLargestScaleDown && scaled(image.width, 2 * denominator) >= wanted.width &&
           scaled(image.height, 2 * denominator) >= wanted.height) {
        denominator *= 2;
    }
    return denominator;
}

PixelImage DecodeJpegScaled(const void* data, std::size_t size, PixelSize wanted) {
    PixelImage result;
    JpegTarget target;
    target.scaleDenominator = JpegScaleDenominator(ReadJpegSize(data, size), wanted);
    target.bytesPerPixel = 4;
    target.context = &result;
    target.prepare = [](void* context, PixelSize output, std::size_t& stride) {
        auto& image = *static_cast<PixelImage*>(context);
        image = PixelImage(output.width, output.height);
        stride = static_cast<std::size_t>(output.width) * sizeof(std::uint32_t);
        return reinterpret_cast<std::uint8_t*>(image.pixels.data());
    };
    DecodeJpeg(data, size, target);
    return result;
}
