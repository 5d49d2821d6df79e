#include "ui/JpegDecoder.h"

#include <csetjmp>
#include <string>
#include <utility>

#include <jpeglib.h>

#include "ui/Error.h"

namespace {

// libjpeg reports errors through a callback that must not return; a jump
// back out of the C library keeps C++ exceptions away from its frames.
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

// Warnings (a corrupt stretch of data, drawn grey) and traces would go to
// stderr, which a windowed program does not have; the picture is shown as
// far as it decodes.
void IgnoreMessage(j_common_ptr, int) {}

// Decodes row by row into the ready-sized rows of the result, red, green,
// blue as libjpeg gives them. False with manager.message set on failure.
// Nothing with a destructor lives in this frame: a longjmp skips them.
bool Decode(const void* data, std::size_t size, ErrorManager& manager, DecodedImage& image) {
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
    decoder.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder);
    image.width = static_cast<std::int32_t>(decoder.output_width);
    image.height = static_cast<std::int32_t>(decoder.output_height);
    image.stride = (static_cast<std::size_t>(decoder.output_width) * 3 + 3) / 4 * 4;
    image.pixels.assign(image.stride * decoder.output_height, 0);
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = image.pixels.data() + image.stride * decoder.output_scanline;
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return true;
}

void SwapRedAndBlue(DecodedImage& image) {
    for (std::int32_t y = 0; y < image.height; ++y) {
        std::uint8_t* pixel = image.pixels.data() + image.stride * static_cast<std::size_t>(y);
        for (std::int32_t x = 0; x < image.width; ++x, pixel += 3) std::swap(pixel[0], pixel[2]);
    }
}

}  // namespace

DecodedImage DecodeJpeg24(const void* data, std::size_t size) {
    ErrorManager manager{};
    DecodedImage image;
    if (!Decode(data, size, manager, image)) {
        throw Error("JpegError", std::string("JPEG-Fehler: ") + manager.message, __builtin_return_address(0));
    }
    SwapRedAndBlue(image);
    return image;
}
