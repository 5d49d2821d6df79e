#include "slideshow/ScaledJpeg.h"

#include <csetjmp>
#include <string>

#include <jpeglib.h>

#include "ui/Error.h"

namespace {

constexpr std::int32_t kLargestScaleDown = 8;

// As for the header: errors jump back out of the C library, and the C++
// error is raised only once its frames are gone.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void EscapeOnError(j_common_ptr decoder) {
    auto* manager = reinterpret_cast<ErrorManager*>(decoder->err);
    manager->base.format_message(decoder, manager->message);
    std::longjmp(manager->escape, 1);
}

// Warnings (a corrupt stretch of data, drawn grey) would go to stderr, which a
// windowed program does not have; the photograph is shown as far as it decodes.
void IgnoreMessage(j_common_ptr, int) {}

// Leaves the decoded image in result; false with manager.message set on failure.
// result is sized before any scanline is read, so the jump never skips its construction.
bool Decode(const void* data, std::size_t size, PixelSize wanted, ErrorManager& manager, PixelImage& result) {
    jpeg_decompress_struct decoder;
    decoder.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = EscapeOnError;
    manager.base.emit_message = IgnoreMessage;
    if (setjmp(manager.escape)) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&decoder, TRUE);
    const PixelSize image{static_cast<std::int32_t>(decoder.image_width),
                          static_cast<std::int32_t>(decoder.image_height)};
    decoder.scale_num = 1;
    decoder.scale_denom = static_cast<unsigned int>(JpegScaleDenominator(image, wanted));
    // Blue, green, red, filler: the words of a 32-bit Windows bitmap.
    decoder.out_color_space = JCS_EXT_BGRX;
    jpeg_calc_output_dimensions(&decoder);
    result = PixelImage(static_cast<std::int32_t>(decoder.output_width),
                        static_cast<std::int32_t>(decoder.output_height));
    jpeg_start_decompress(&decoder);
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row =
            reinterpret_cast<JSAMPROW>(result.Row(static_cast<std::int32_t>(decoder.output_scanline)));
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return true;
}

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
    ErrorManager manager{};
    PixelImage result;
    if (!Decode(data, size, wanted, manager, result)) {
        throw Error("JpegError", std::string("JPEG-Fehler: ") + manager.message, __builtin_return_address(0));
    }
    return result;
}
