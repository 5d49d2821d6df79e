// Decoding, scaling and placing the photograph of a page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>

#include "view/PageImage.h"
#include "view/ScaledJpeg.h"
#include "tests/native/TestJpeg.h"
#include "ui/Error.h"

namespace {

constexpr std::uint32_t kBlack = 0;

std::uint32_t Red(std::uint32_t pixel) {
    return (pixel >> 16) & 0xFF;
}
std::uint32_t Green(std::uint32_t pixel) {
    return (pixel >> 8) & 0xFF;
}
std::uint32_t Blue(std::uint32_t pixel) {
    return pixel & 0xFF;
}

// Within a few steps per channel: JPEG is lossy.
bool Near(std::uint32_t pixel, testjpeg::Rgb colour) {
    const auto close = [](std::uint32_t a, std::uint8_t b) { return std::abs(int(a) - int(b)) <= 6; };
    return close(Red(pixel), colour.red) && close(Green(pixel), colour.green) &&
           close(Blue(pixel), colour.blue);
}

// The part `area` of the page, drawn as the view draws it.
PixelImage Rendered(const std::optional<PlacedPhoto>& photo, const PixelRect& area) {
    PixelImage page;
    RenderPage(photo, area, page);
    return page;
}

}  // namespace

TEST(ScaledJpeg, DecodesNoLargerThanNeeded) {
    const struct {
        PixelSize image, wanted;
        std::int32_t denominator;
    } rows[] = {
        {{1024, 768}, {1920, 1080}, 1},  // enlarged on screen
        {{1024, 768}, {1024, 768}, 1},
        {{1024, 768}, {512, 384}, 2},
        {{1024, 768}, {511, 385}, 1},
        {{1024, 768}, {149, 112}, 4},  // a preview: 1/8 would give 128 x 96
        {{1024, 768}, {128, 96}, 8},
        {{1024, 768}, {1, 1}, 8},
        {{1024, 249}, {152, 37}, 4},
        {{1023, 767}, {128, 96}, 8},  // sides round up: 128 x 96
        {{7, 5}, {1, 1}, 8},
        {{0, 0}, {0, 0}, 8},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(JpegScaleDenominator(row.image, row.wanted), row.denominator)
            << row.image.width << "x" << row.image.height << " for " << row.wanted.width << "x"
            << row.wanted.height;
    }
}

TEST(ScaledJpeg, DecodesColoursAndScaledSize) {
    const testjpeg::Rgb colour{200, 60, 30};
    const auto jpeg = testjpeg::Solid(100, 60, colour);
    const struct {
        PixelSize wanted;
        std::int32_t width, height;
    } rows[] = {{{100, 60}, 100, 60}, {{50, 30}, 50, 30}, {{20, 10}, 25, 15}, {{1, 1}, 13, 8}};
    for (const auto& row : rows) {
        const PixelImage image = DecodeJpegScaled(jpeg.data(), jpeg.size(), row.wanted);
        EXPECT_EQ(image.width, row.width);
        EXPECT_EQ(image.height, row.height);
        ASSERT_EQ(image.pixels.size(), std::size_t(row.width * row.height));
        EXPECT_TRUE(Near(image.pixels[image.pixels.size() / 2], colour)) << std::hex << image.pixels[0];
    }
}

TEST(ScaledJpeg, UnreadableDataRaisesTheDecodersError) {
    const std::string notJpeg = "<html></html>";
    auto truncated = testjpeg::Solid(16, 16, {1, 2, 3});
    truncated.resize(20);
    for (const auto& bytes : {std::vector<unsigned char>(notJpeg.begin(), notJpeg.end()), truncated}) {
        try {
            DecodeJpegScaled(bytes.data(), bytes.size(), {8, 8});
            ADD_FAILURE() << "no error for " << bytes.size() << " bytes";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()).rfind("JPEG-Fehler: ", 0), 0u) << error.what();
        }
    }
}

// Any program of the user can rewrite the page and photo files: a photograph
// that claims to be huge, or a page that would show it far larger than any
// screen, is refused with an error before anything that large is allocated.
TEST(PageImage, HugePhotographsAreRefusedBeforeTheyAreDecoded) {
    // A small photograph whose header claims another size.
    const auto claiming = [](std::uint16_t width, std::uint16_t height) {
        auto jpeg = testjpeg::Solid(16, 16, {1, 2, 3});
        const unsigned char baselineFrame[] = {0xFF, 0xC0};
        const auto frame =
            std::search(jpeg.begin(), jpeg.end(), std::begin(baselineFrame), std::end(baselineFrame));
        const unsigned char sides[] = {
            static_cast<unsigned char>(height >> 8), static_cast<unsigned char>(height),
            static_cast<unsigned char>(width >> 8), static_cast<unsigned char>(width)};
        std::copy(std::begin(sides), std::end(sides), frame + 5);
        return jpeg;
    };
    EXPECT_EQ(ReadJpegSize(claiming(20000, 19999).data(), claiming(20000, 19999).size()).width, 20000);
    const struct {
        std::vector<unsigned char> jpeg;
        PhotoFit fit;
        PixelSize cell;
        std::string says;  // empty where the photograph is shown
    } rows[] = {
        {claiming(20000, 20000),
         PhotoFit::Width,
         {152, 112},
         "JPEG-Fehler: Image of 20000 x 20000 pixels is too large to decode"},
        {claiming(8192, 8193), PhotoFit::Width, {152, 112}, "Image of 8192 x 8193 pixels is too large"},
        {claiming(8192, 8192), PhotoFit::Width, {152, 112}, ""},  // 2^26 pixels
        {testjpeg::Solid(8192, 1, {1, 2, 3}),
         PhotoFit::Height,
         {152, 112},
         "its photograph would be 917504 x 112 pixels"},
        {testjpeg::Solid(16384, 1, {1, 2, 3}),
         PhotoFit::Height,
         {152, 65},
         "its photograph would be 1064960 x 65 pixels"},
        {testjpeg::Solid(16384, 1, {1, 2, 3}), PhotoFit::Height, {152, 64}, ""},  // 2^26 pixels
    };
    for (const auto& row : rows) {
        PagePhoto photo;
        photo.fit = row.fit;
        photo.table = {row.cell.width + 1, row.cell.height + 1};
        photo.cell = row.cell;
        std::string error;
        try {
            DecodePhotoForPage(row.jpeg.data(), row.jpeg.size(), photo);
        } catch (const Error& raised) {
            error = raised.what();
        }
        if (row.says.empty()) {
            EXPECT_EQ(error, "");
        } else {
            EXPECT_NE(error.find(row.says), std::string::npos)
                << "expected: " << row.says << "\n gave: " << error;
        }
    }
}

TEST(PixelImage, ScalingKeepsColoursAndOrder) {
    // Left half red, right half blue: scaled either way, the halves stay apart.
    PixelImage source(40, 20);
    for (std::int32_t y = 0; y < 20; ++y) {
        for (std::int32_t x = 0; x < 40; ++x) source.Row(y)[x] = x < 20 ? 0xFFFF0000u : 0xFF0000FFu;
    }
    for (const auto& [width, height] : {std::pair{40, 20}, {23, 11}, {80, 40}, {57, 33}, {1, 1}}) {
        const PixelImage scaled = ScalePixelImage(source, width, height);
        ASSERT_EQ(scaled.width, width);
        ASSERT_EQ(scaled.height, height);
        EXPECT_EQ(scaled.Row(height - 1)[0] & 0xFFFFFF, width > 1 ? 0xFF0000u : 0x7F007Fu) << width;
        EXPECT_EQ(scaled.Row(0)[width - 1] & 0xFFFFFF, width > 1 ? 0x0000FFu : 0x7F007Fu) << width;
    }
}

TEST(PageImage, PhotoLandsInItsPlaceAndTheRestIsBlack) {
    const testjpeg::Rgb colour{30, 180, 90};
    const auto jpeg = testjpeg::Solid(576, 768, colour);  // a portrait
    PagePhoto photo;
    photo.fit = PhotoFit::Height;
    photo.table = {201, 151};
    photo.cell = {200, 150};
    const PlacedPhoto placed = DecodePhotoForPage(jpeg.data(), jpeg.size(), photo);
    EXPECT_EQ(placed.placement, (PixelRect{44, 0, 156, 150}));
    // Decoded at a quarter, the scale nearest above its size on the page; sized as the page is drawn.
    EXPECT_EQ(placed.picture.width, 144);
    EXPECT_EQ(placed.picture.height, 192);

    // The view shows more than the cell: the table's extra pixel and beyond stay black.
    const PixelImage page = Rendered(placed, {0, 0, 220, 160});
    for (std::int32_t y = 0; y < 160; ++y) {
        for (std::int32_t x = 0; x < 220; ++x) {
            const bool inside = x >= 44 && x < 156 && y < 150;
            const std::uint32_t pixel = page.Row(y)[x];
            if (inside) {
                ASSERT_TRUE(Near(pixel, colour)) << x << "," << y << " " << std::hex << pixel;
            } else {
                ASSERT_EQ(pixel & 0xFFFFFF, kBlack) << x << "," << y;
            }
        }
    }
    // An area that starts inside the page: the picture moves with it.
    const PixelImage part = Rendered(placed, {40, 10, 60, 20});
    EXPECT_EQ(part.Row(0)[3] & 0xFFFFFF, kBlack);
    EXPECT_TRUE(Near(part.Row(0)[4], colour));
}

TEST(PageImage, PhotoSizedWhileThePageIsDrawnGivesTheSamePixels) {
    // Kept as decoded and sized into the page, or sized first: the same page,
    // reduced or enlarged, overhanging its cell, in an area that starts inside.
    const auto jpeg = testjpeg::Encode(90, 60, [](int x, int y) {
        return testjpeg::Rgb{static_cast<std::uint8_t>(x * 2), static_cast<std::uint8_t>(y * 4),
                             static_cast<std::uint8_t>(x * y)};
    });
    for (const PixelSize cell : {PixelSize{40, 50}, PixelSize{200, 150}}) {
        PagePhoto photo;
        photo.fit = PhotoFit::Height;
        photo.table = cell;
        photo.cell = cell;
        const PlacedPhoto decoded = DecodePhotoForPage(jpeg.data(), jpeg.size(), photo);
        PlacedPhoto sized = decoded;
        sized.picture =
            ScalePixelImage(decoded.picture, decoded.placement.Width(), decoded.placement.Height());
        ASSERT_EQ(decoded.picture.width, 90);
        for (const PixelRect area :
             {PixelRect{0, 0, cell.width, cell.height}, PixelRect{-3, 5, cell.width + 9, cell.height - 2}}) {
            EXPECT_EQ(Rendered(decoded, area).pixels, Rendered(sized, area).pixels) << cell.width;
        }
    }
}

TEST(PageImage, CellClipsAnOverhangingPhotoAndAStartPageIsBlack) {
    PlacedPhoto wide;
    wide.picture = PixelImage(30, 10, 0xFFFFFFFFu);
    wide.placement = {-5, 0, 25, 10};
    wide.clip = {0, 0, 20, 10};
    PixelImage page = Rendered(wide, {0, 0, 30, 10});
    EXPECT_EQ(page.Row(5)[0], 0xFFFFFFFFu);
    EXPECT_EQ(page.Row(5)[19], 0xFFFFFFFFu);
    EXPECT_EQ(page.Row(5)[20], kBlack);
    // The next page drawn into the same picture leaves nothing of this one.
    PlacedPhoto narrow = wide;
    narrow.picture = PixelImage(5, 10, 0xFFFFFFFFu);
    narrow.placement = {0, 0, 5, 10};
    RenderPage(narrow, {0, 0, 30, 10}, page);
    EXPECT_EQ(page.Row(5)[4], 0xFFFFFFFFu);
    EXPECT_EQ(page.Row(5)[5], kBlack);
    EXPECT_EQ(page.Row(5)[19], kBlack);

    // A photograph that rounds to no line on the page is not decoded.
    PagePhoto flat;
    flat.fit = PhotoFit::Width;
    flat.cell = {152, 112};
    const auto line = testjpeg::Solid(1000, 1, {1, 2, 3});
    EXPECT_TRUE(DecodePhotoForPage(line.data(), line.size(), flat).picture.pixels.empty());

    const PixelImage start = Rendered(std::nullopt, {0, 0, 8, 4});
    EXPECT_EQ(start.pixels, std::vector<std::uint32_t>(32, kBlack));
}
