// The transition frames as GDI draws them: the new picture shows exactly where
// each pattern's geometry puts it, frame after frame, the fade mixes the two
// pictures and a cut shows the new one at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "native/RevealMask.h"
#include "view/TransitionPainter.h"

namespace {

constexpr std::uint32_t kOldColour = 0x204080;
constexpr std::uint32_t kNewColour = 0xE0C0A0;
constexpr std::uint32_t kSeed = 4711;
// The byte above red is unused in the frame's pixels.
constexpr std::uint32_t kColourBits = 0xFFFFFF;

// Pixels of the frame that show another picture than the mask says, or neither.
std::int64_t WrongPixels(const DibSection& frame, const Mask& mask) {
    std::int64_t wrong = 0;
    for (std::int32_t y = 0; y < frame.Height(); ++y) {
        for (std::int32_t x = 0; x < frame.Width(); ++x) {
            const std::uint32_t pixel =
                frame.Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.Width()) + x];
            wrong += (pixel & kColourBits) != (mask.At(x, y) ? kNewColour : kOldColour);
        }
    }
    return wrong;
}

class PatternFrames : public testing::TestWithParam<std::int32_t> {};

TEST_P(PatternFrames, ShowTheNewPictureExactlyWhereThePatternReveals) {
    const std::int32_t pattern = GetParam();
    // An odd size catches rounding at the edges; the preview's is the smallest real one.
    for (const Size size : {Size{97, 61}, Size{152, 112}}) {
        const PixelImage from(size.width, size.height, kOldColour);
        const PixelImage to(size.width, size.height, kNewColour);
        TransitionPainter painter(from, to, {TransitionPlan::Kind::Reveal, pattern, kSeed, 3000});
        for (const double progress : {0.0, 0.1, 0.35, 0.5, 0.8, 0.999, 1.0}) {
            painter.DrawFrame(progress);
            GdiFlush();
            EXPECT_EQ(WrongPixels(painter.Frame(), RevealedMask(pattern, progress, size, kSeed)), 0)
                << "pattern " << pattern << " at " << progress << " in " << size.width << "x" << size.height;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TransitionPainter, PatternFrames,
                         testing::Range(0, std::int32_t{kRevealPatternCount}),
                         [](const testing::TestParamInfo<std::int32_t>& info) {
                             return "Pattern" + std::to_string(info.param);
                         });

std::uint32_t Channel(std::uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFF;
}

TEST(TransitionPainter, FadeMixesBothPicturesInProportionToTheProgress) {
    const PixelImage from(64, 48, 0x000000);
    const PixelImage to(64, 48, 0xFFFFFF);
    TransitionPainter painter(from, to, {TransitionPlan::Kind::Fade, 0, kSeed, 3000});
    for (const double progress : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        painter.DrawFrame(progress);
        GdiFlush();
        const auto wanted = static_cast<long>(progress * 255);
        for (const std::size_t at :
             {std::size_t{0}, std::size_t{64 * 48 / 2 + 7}, std::size_t{64 * 48 - 1}}) {
            for (const int shift : {0, 8, 16}) {
                EXPECT_LE(std::labs(static_cast<long>(Channel(painter.Frame().Pixels()[at], shift)) - wanted),
                          2)
                    << "at " << progress << ", pixel " << at << ", bits " << shift;
            }
        }
    }
}

TEST(TransitionPainter, CutShowsTheNewPictureWithTheFirstFrame) {
    const PixelImage from(40, 30, kOldColour);
    const PixelImage to(40, 30, kNewColour);
    TransitionPainter painter(from, to, {TransitionPlan::Kind::Cut, 0, kSeed, 0});
    EXPECT_EQ(painter.Frame().Pixels()[0] & kColourBits, kOldColour);
    painter.DrawFrame(0.0);
    GdiFlush();
    EXPECT_EQ(WrongPixels(painter.Frame(), Mask{40, 30, std::vector<char>(40 * 30, 1)}), 0);
}

}  // namespace
