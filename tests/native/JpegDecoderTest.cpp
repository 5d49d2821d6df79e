#include <gtest/gtest.h>
// The native build runs under AddressSanitizer, whose leak check the
// Windows builds of these tests lack.
#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <iterator>
#include <new>
#include <vector>

#include "TestJpeg.h"
#include "ui/Error.h"
#include "ui/Jpeg.h"

namespace {

using Bytes = std::vector<unsigned char>;

// At the best quality, so that colours come back nearly unchanged.
Bytes Encode(int width, int height, int components, const Bytes& pixels) {
    return testjpeg::EncodePixels(width, height, components, pixels, 100);
}

// Left half red, right half blue.
Bytes TwoColours(int width, int height) {
    Bytes pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            pixels.insert(pixels.end(), {static_cast<unsigned char>(left ? 255 : 0), 0,
                                         static_cast<unsigned char>(left ? 0 : 255)});
        }
    }
    return pixels;
}

void ExpectPixel(const DecodedImage& image, int x, int y, int blue, int green, int red) {
    const std::uint8_t* pixel = image.pixels.data() + image.stride * static_cast<std::size_t>(y) + 3 * x;
    EXPECT_NEAR(pixel[0], blue, 8) << "blue at " << x << "," << y;
    EXPECT_NEAR(pixel[1], green, 8) << "green at " << x << "," << y;
    EXPECT_NEAR(pixel[2], red, 8) << "red at " << x << "," << y;
}

TEST(JpegDecoder, ColoursComeOutBlueGreenRedInRowsOfWholeWords) {
    // 37 pixels make 111 bytes a row, padded to 112.
    const Bytes file = Encode(37, 16, 3, TwoColours(37, 16));
    const DecodedImage image = DecodeJpeg24(file.data(), file.size());
    EXPECT_EQ(image.width, 37);
    EXPECT_EQ(image.height, 16);
    EXPECT_EQ(image.stride, 112u);
    ASSERT_EQ(image.pixels.size(), 112u * 16);
    ExpectPixel(image, 2, 2, 0, 0, 255);    // red
    ExpectPixel(image, 34, 13, 255, 0, 0);  // blue
}

TEST(JpegDecoder, GreyscaleComesOutInColour) {
    const Bytes file = Encode(8, 8, 1, Bytes(64, 200));
    const DecodedImage image = DecodeJpeg24(file.data(), file.size());
    EXPECT_EQ(image.stride, 24u);
    ExpectPixel(image, 5, 5, 200, 200, 200);
}

TEST(JpegDecoder, DataThatIsNoJpegRaisesTheDecodersMessage) {
    const Bytes file = Encode(16, 16, 3, TwoColours(16, 16));
    const Bytes garbage = {'B', 'M', 0, 0, 0, 0};
    const Bytes headerOnly(file.begin(), file.begin() + 20);
    for (const Bytes* data : {&garbage, &headerOnly}) {
        try {
            DecodeJpeg24(data->data(), data->size());
            ADD_FAILURE() << "no error for " << data->size() << " bytes";
        } catch (const Error& error) {
            EXPECT_STREQ(error.TypeName(), "JpegError");
            EXPECT_TRUE(std::string(error.what()).starts_with("JPEG-Fehler: ")) << error.what();
        }
    }
    EXPECT_THROW(DecodeJpeg24(nullptr, 0), Error);
}

// A target that cannot take the image ends the decoding with its own
// exception, and the decoder gives its memory back all the same.
TEST(JpegDecoder, ATargetThatRaisesLeavesNoDecoderBehind) {
    const Bytes file = Encode(16, 16, 3, TwoColours(16, 16));
    JpegTarget target;
    target.prepare = [](void*, PixelSize, std::size_t&) -> std::uint8_t* { throw std::bad_alloc(); };
    EXPECT_THROW(DecodeJpeg(file.data(), file.size(), target), std::bad_alloc);
#ifdef __SANITIZE_ADDRESS__
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "the decoder's memory was not given back";
#endif
}

// A progressive file whose last scan comes again and again: each scan passes
// over the whole image, so countless scans would keep the decoder busy for
// minutes. Past a thousand the file is refused.
TEST(JpegDecoder, AFileOfCountlessScansIsRefused) {
    Bytes file = testjpeg::EncodePixels(16, 16, 1, Bytes(256, 90), 90, true);
    // The last scan: its SOS marker up to the end-of-image marker.
    const unsigned char sos[] = {0xFF, 0xDA};
    const auto last = std::find_end(file.begin(), file.end(), std::begin(sos), std::end(sos));
    ASSERT_NE(last, file.end());
    const Bytes scan(last, file.end() - 2);
    int scans = 0;
    for (auto at = file.begin();
         (at = std::search(at, file.end(), std::begin(sos), std::end(sos))) != file.end(); ++at) {
        ++scans;
    }
    const auto withScans = [&](int count) {
        Bytes many(file.begin(), file.end() - 2);
        for (int i = scans; i < count; ++i) many.insert(many.end(), scan.begin(), scan.end());
        many.insert(many.end(), {0xFF, 0xD9});
        return many;
    };
    const Bytes most = withScans(1000);
    EXPECT_EQ(DecodeJpeg24(most.data(), most.size()).width, 16) << "1000 scans decode";
    const Bytes tooMany = withScans(1001);
    try {
        DecodeJpeg24(tooMany.data(), tooMany.size());
        ADD_FAILURE() << "a file of 1001 scans was decoded";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "JPEG-Fehler: Too many scans (more than 1000)");
    }
}

}  // namespace
