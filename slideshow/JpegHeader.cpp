#include "slideshow/JpegHeader.h"

#include <csetjmp>
#include <string>

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

// Fills size with the header's dimensions; false with manager.message set on failure.
bool ParseHeader(const void* data, std::size_t size, ErrorManager& manager, PixelSize& result) {
    jpeg_decompress_struct decoder;
    decoder.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = EscapeOnError;
    if (setjmp(manager.escape)) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&decoder, TRUE);
    result = {static_cast<std::int32_t>(decoder.image_width), static_cast<std::int32_t>(decoder.image_height)};
    jpeg_destroy_decompress(&decoder);
    return true;
}

}  // namespace

PixelSize ReadJpegSize(const void* data, std::size_t size) {
    ErrorManager manager{};
    PixelSize result{};
    if (!ParseHeader(data, size, manager, result)) {
        throw Error("JpegError", std::string("JPEG-Fehler: ") + manager.message, __builtin_return_address(0));
    }
    return result;
}
