// The integer mixes of pixels: exact to their formulas for every weight, on
// every path this processor can run (the scalar one everywhere), each equal
// to the one-pixel mix, also for the pixels left over at the end of a row.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/RandomGenerator.h"
#include "view/PixelBlend.h"
#include "view/PixelBlendPaths.h"

namespace {

std::vector<std::uint32_t> RandomPixels(std::size_t count, std::int32_t seed) {
    RandomGenerator random(seed);
    std::vector<std::uint32_t> pixels(count);
    for (std::uint32_t& pixel : pixels) {
        pixel = static_cast<std::uint32_t>(random.Draw(1 << 16)) << 16 |
                static_cast<std::uint32_t>(random.Draw(1 << 16));
    }
    pixels[0] = 0xFFFFFFFF;
    pixels[1] = 0;
    return pixels;
}

std::vector<std::pair<const char*, const PixelLoops*>> RunnableLoops() {
    std::vector<std::pair<const char*, const PixelLoops*>> loops{{"scalar", &kScalarLoops}};
    if (ProcessorHasSse2()) loops.emplace_back("SSE2", &kSse2Loops);
    return loops;
}

std::uint32_t Byte(std::uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFF;
}

TEST(PixelBlend, FadeRoundsEveryByteToTheNearest) {
    const std::size_t count = 67;  // sixteen groups of four and three more
    const auto from = RandomPixels(count, 1);
    const auto to = RandomPixels(count, 2);
    std::vector<std::uint32_t> out(count);
    for (const auto& [path, loops] : RunnableLoops()) {
        for (std::uint32_t alpha = 0; alpha <= 255; ++alpha) {
            loops->blend(from.data(), to.data(), out.data(), count, alpha);
            for (std::size_t i = 0; i < count; ++i) {
                ASSERT_EQ(out[i], BlendPixel(from[i], to[i], alpha))
                    << path << ", pixel " << i << ", alpha " << alpha;
                for (const int shift : {0, 8, 16, 24}) {
                    const double exact =
                        (Byte(to[i], shift) * alpha + Byte(from[i], shift) * (255.0 - alpha)) / 255;
                    ASSERT_LE(std::abs(Byte(out[i], shift) - exact), 0.5)
                        << path << ", pixel " << i << ", alpha " << alpha;
                }
            }
        }
    }
}

TEST(PixelBlend, ResamplerMixRoundsDownAndSetsTheUnusedByte) {
    const std::size_t count = 67;
    const auto a = RandomPixels(count, 3);
    const auto b = RandomPixels(count, 4);
    std::vector<std::uint32_t> out(count);
    for (const auto& [path, loops] : RunnableLoops()) {
        for (std::uint32_t weight = 0; weight <= 256; ++weight) {
            loops->mix(a.data(), b.data(), out.data(), count, weight);
            for (std::size_t i = 0; i < count; ++i) {
                ASSERT_EQ(out[i], MixPixel(a[i], b[i], weight))
                    << path << ", pixel " << i << ", weight " << weight;
                for (const int shift : {0, 8, 16}) {
                    ASSERT_EQ(Byte(out[i], shift),
                              (Byte(a[i], shift) * (256 - weight) + Byte(b[i], shift) * weight) / 256)
                        << path << ", pixel " << i << ", weight " << weight;
                }
                ASSERT_EQ(Byte(out[i], 24), 0xFFu);
            }
        }
    }
}

}  // namespace
