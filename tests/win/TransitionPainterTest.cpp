// The transition frames as GDI draws them: the new picture shows exactly where
// each pattern's geometry puts it, frame after frame, the fade mixes the two
// pictures and a cut shows the new one at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

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

// What the painter puts on the screen, copied as the view copies it.
std::unique_ptr<DibSection> Shown(TransitionPainter& painter) {
    auto shown = std::make_unique<DibSection>(painter.Width(), painter.Height());
    painter.CopyTo(shown->Dc(), {0, 0, painter.Width(), painter.Height()}, {0, 0});
    GdiFlush();
    return shown;
}

// A painter whose frame shows `from`, with a change to `to` begun, reached
// the view's way: a cut to the first page, then the change.
std::unique_ptr<TransitionPainter> ChangeBegun(const PixelImage& from, const PixelImage& to,
                                               const TransitionPlan& plan) {
    auto painter = std::make_unique<TransitionPainter>(from.width, from.height);
    painter->NewPage() = from;
    painter->Begin({});
    painter->DrawFrame(1.0);
    painter->NewPage() = to;
    painter->Begin(plan);
    return painter;
}

class PatternFrames : public testing::TestWithParam<std::int32_t> {};

TEST_P(PatternFrames, ShowTheNewPictureExactlyWhereThePatternReveals) {
    const std::int32_t pattern = GetParam();
    // An odd size catches rounding at the edges; the preview's is the smallest real one.
    for (const Size size : {Size{97, 61}, Size{152, 112}}) {
        const PixelImage from(size.width, size.height, kOldColour);
        const PixelImage to(size.width, size.height, kNewColour);
        const auto painter = ChangeBegun(from, to, {TransitionPlan::Kind::Reveal, pattern, kSeed, 3000});
        for (const double progress : {0.0, 0.1, 0.35, 0.5, 0.8, 0.999, 1.0}) {
            painter->DrawFrame(progress);
            GdiFlush();
            EXPECT_EQ(WrongPixels(*Shown(*painter), RevealedMask(pattern, progress, size, kSeed)), 0)
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
    const auto painter = ChangeBegun(from, to, {TransitionPlan::Kind::Fade, 0, kSeed, 3000});
    for (const double progress : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        painter->DrawFrame(progress);
        const auto shown = Shown(*painter);
        GdiFlush();
        const auto wanted = static_cast<long>(progress * 255);
        for (const std::size_t at :
             {std::size_t{0}, std::size_t{64 * 48 / 2 + 7}, std::size_t{64 * 48 - 1}}) {
            for (const int shift : {0, 8, 16}) {
                EXPECT_LE(std::labs(static_cast<long>(Channel(shown->Pixels()[at], shift)) - wanted), 2)
                    << "at " << progress << ", pixel " << at << ", bits " << shift;
            }
        }
    }
}

// Pictures that differ only inside one rectangle, whose pixels all differ.
PixelImage Picture(Size size, std::uint32_t salt, const PixelRect& differing) {
    PixelImage picture(size.width, size.height);
    for (std::int32_t y = 0; y < size.height; ++y) {
        for (std::int32_t x = 0; x < size.width; ++x) {
            const bool inside =
                x >= differing.left && x < differing.right && y >= differing.top && y < differing.bottom;
            picture.Row(y)[x] = static_cast<std::uint32_t>(x * 0x010203 + y * 0x030201) ^ (inside ? salt : 0);
        }
    }
    return picture;
}

// A frame only redraws where the pictures differ and reports where it drew:
// frame after frame it equals the frame drawn from scratch, and every pixel
// that changed since the frame before lies in what it reported.
TEST(TransitionPainter, FramesDrawnPieceByPieceEqualTheWholeFrame) {
    const Size size{97, 61};
    const PixelRect differing{13, 7, 71, 50};
    const PixelImage from = Picture(size, 0, differing);
    const PixelImage to = Picture(size, 0x5A5A5A, differing);
    for (const std::int32_t pattern :
         {kBoxIn, kCircleIn, kCheckerboardDown, kRandomDissolve, kRandomBarsVertical}) {
        const auto painter = ChangeBegun(from, to, {TransitionPlan::Kind::Reveal, pattern, kSeed, 3000});
        std::vector<std::uint32_t> before(from.pixels);
        for (const double progress : {0.0, 0.2, 0.21, 0.5, 0.9, 1.0}) {
            painter->DrawFrame(progress);
            const auto shown = Shown(*painter);
            const Mask mask = RevealedMask(pattern, progress, size, kSeed);
            const PixelRect& changed = painter->Changed();
            std::int64_t wrong = 0;
            std::int64_t unreported = 0;
            for (std::int32_t y = 0; y < size.height; ++y) {
                for (std::int32_t x = 0; x < size.width; ++x) {
                    const std::size_t at = static_cast<std::size_t>(y * size.width + x);
                    const std::uint32_t pixel = shown->Pixels()[at];
                    wrong += pixel != (mask.At(x, y) ? to : from).pixels[at];
                    unreported += pixel != before[at] && !(x >= changed.left && x < changed.right &&
                                                           y >= changed.top && y < changed.bottom);
                    before[at] = pixel;
                }
            }
            EXPECT_EQ(wrong, 0) << "pattern " << pattern << " at " << progress;
            EXPECT_EQ(unreported, 0) << "pattern " << pattern << " at " << progress;
            EXPECT_TRUE(changed.Empty() ||
                        (changed.left >= differing.left && changed.right <= differing.right &&
                         changed.top >= differing.top && changed.bottom <= differing.bottom))
                << "pattern " << pattern << " redrew pixels that do not differ";
        }
    }
}

TEST(TransitionPainter, FadeAndCutDrawOnlyWhereThePicturesDiffer) {
    const Size size{40, 30};
    const PixelRect differing{5, 6, 30, 20};
    const PixelImage from = Picture(size, 0, differing);
    const PixelImage to = Picture(size, 0xFFFFFF, differing);
    const auto painter = ChangeBegun(from, to, {TransitionPlan::Kind::Fade, 0, kSeed, 3000});
    painter->DrawFrame(0.5);
    const auto shown = Shown(*painter);
    EXPECT_EQ(painter->Changed(), differing);
    for (std::size_t at = 0; at < from.pixels.size(); ++at) {
        for (const int shift : {0, 8, 16}) {
            const long mixed = (static_cast<long>(Channel(from.pixels[at], shift)) * 127 +
                                static_cast<long>(Channel(to.pixels[at], shift)) * 128 + 127) /
                               255;
            ASSERT_EQ(static_cast<long>(Channel(shown->Pixels()[at], shift)), mixed) << "pixel " << at;
        }
    }
    // A change begun halfway goes on from what the frame shows.
    painter->NewPage() = from;
    painter->Begin({TransitionPlan::Kind::Cut, 0, kSeed, 0});
    painter->DrawFrame(0.0);
    EXPECT_EQ(painter->Changed(), differing);
    EXPECT_TRUE(std::equal(from.pixels.begin(), from.pixels.end(), Shown(*painter)->Pixels()));
    painter->DrawFrame(1.0);
    EXPECT_TRUE(painter->Changed().Empty()) << "a frame after the change's end drew again";
}

TEST(TransitionPainter, CutShowsTheNewPictureWithTheFirstFrame) {
    const PixelImage from(40, 30, kOldColour);
    const PixelImage to(40, 30, kNewColour);
    const auto painter = ChangeBegun(from, to, {TransitionPlan::Kind::Cut, 0, kSeed, 0});
    EXPECT_EQ(Shown(*painter)->Pixels()[0] & kColourBits, kOldColour);
    painter->DrawFrame(0.0);
    GdiFlush();
    EXPECT_EQ(WrongPixels(*Shown(*painter), Mask{40, 30, std::vector<char>(40 * 30, 1)}), 0);
}

// A dissolve's lists of pixels grow to nearly the whole picture: a view
// that keeps them between changes holds tens of megabytes for nothing.
TEST(TransitionPainter, ADissolveGivesItsListsBackWhenItEnds) {
    const auto painter = ChangeBegun(PixelImage(200, 150, kOldColour), PixelImage(200, 150, kNewColour),
                                     {TransitionPlan::Kind::Reveal, 12, kSeed, 3000});
    painter->DrawFrame(0.9);
    EXPECT_GT(painter->WorkingBytes(), 0u);
    painter->DrawFrame(1.0);
    EXPECT_EQ(painter->WorkingBytes(), 0u);
}

}  // namespace
