#include "ui/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "ui/Error.h"

namespace {

// libjpeg reports errors through a callback that must not return; a jump
// back out of the C library keeps C++ exceptions away from its frames, and
// the error is raised only once they are gone.
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

// Warnings and traces would go to stderr, which a windowed program lacks.
void IgnoreMessage(j_common_ptr, int) {}

// What a file may make the decoder do. Any program of the user can rewrite the
// photo file the view decodes; our own pictures stay far below these bounds.
constexpr unsigned long long kLargestDecodedImage = 1ull << 26;  // pixels, before scaling
constexpr long kDecoderMemoryBytes = 512l << 20;
constexpr int kMostScans = 1000;  // a progressive file needs about ten

// Fails the decoding with our own message, the way libjpeg fails it. The
// message is formatted in place: the jump would skip a string's destructor.
template <typename... Values>
[[noreturn]] void Fail(j_common_ptr decoder, const char* format, Values... values) {
    auto* manager = reinterpret_cast<ErrorManager*>(decoder->err);
    std::snprintf(manager->message, sizeof manager->message, format, values...);
    std::longjmp(manager->escape, 1);
}

// Each scan of a progressive file passes over the whole image: a file of
// countless tiny scans would keep the decoder busy for minutes.
void LimitScans(j_common_ptr decoder) {
    if (reinterpret_cast<j_decompress_ptr>(decoder)->input_scan_number > kMostScans) {
        Fail(decoder, "Too many scans (more than %d)", kMostScans);
    }
}

ErrorText JpegError(const ErrorManager& manager) {
    return {"JpegError", std::string("JPEG-Fehler: ") + manager.message};
}

// One decoding's decompressor and its error manager. The decompressor is
// destroyed however the decoding ends: normally, after a jump out of
// libjpeg, or by an exception from the target. Zeroed, so that destroying
// one that was never created does nothing.
struct Decompressor {
    Decompressor() = default;
    ~Decompressor() { jpeg_destroy_decompress(&decoder); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    ErrorManager manager{};
    jpeg_decompress_struct decoder{};
};

// What to do once the header is read: nothing more (target null), or decode
// into the target. Nothing with a destructor lives in this frame, as the
// jump would skip it; false with the manager's message set on failure.
bool Run(const void* data, std::size_t size, const JpegTarget* target, Decompressor& decompressor,
         PixelSize& header) {
    jpeg_decompress_struct& decoder = decompressor.decoder;
    ErrorManager& manager = decompressor.manager;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = LimitScans;
    decoder.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = EscapeOnError;
    manager.base.emit_message = IgnoreMessage;
    if (setjmp(manager.escape)) return false;
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&decoder, TRUE);
    header = {static_cast<std::int32_t>(decoder.image_width),
              static_cast<std::int32_t>(decoder.image_height)};
    if (target) {
        if (static_cast<unsigned long long>(decoder.image_width) * decoder.image_height >
            kLargestDecodedImage) {
            Fail(reinterpret_cast<j_common_ptr>(&decoder), "Image of %u x %u pixels is too large to decode",
                 decoder.image_width, decoder.image_height);
        }
        decoder.mem->max_memory_to_use = kDecoderMemoryBytes;
        decoder.progress = &progress;
        decoder.scale_num = 1;
        decoder.scale_denom = static_cast<unsigned int>(target->scaleDenominator);
        decoder.out_color_space = target->bytesPerPixel == 4 ? JCS_EXT_BGRX : JCS_EXT_BGR;
        jpeg_calc_output_dimensions(&decoder);
        std::size_t stride = 0;
        std::uint8_t* const first = target->prepare(target->context,
                                                    {static_cast<std::int32_t>(decoder.output_width),
                                                     static_cast<std::int32_t>(decoder.output_height)},
                                                    stride);
        jpeg_start_decompress(&decoder);
        while (decoder.output_scanline < decoder.output_height) {
            JSAMPROW row = first + stride * decoder.output_scanline;
            jpeg_read_scanlines(&decoder, &row, 1);
        }
        jpeg_finish_decompress(&decoder);
    }
    return true;
}

}  // namespace

PixelSize ReadJpegSize(const void* data, std::size_t size) {
    Decompressor decompressor;
    PixelSize header{};
    if (!Run(data, size, nullptr, decompressor, header)) Raise(JpegError(decompressor.manager));
    return header;
}

void DecodeJpeg(const void* data, std::size_t size, const JpegTarget& target) {
    Decompressor decompressor;
    PixelSize header{};
    if (!Run(data, size, &target, decompressor, header)) Raise(JpegError(decompressor.manager));
}

DecodedImage DecodeJpeg24(const void* data, std::size_t size) {
    DecodedImage image;
    JpegTarget target;
    target.context = &image;
    target.prepare = [](void* context, PixelSize output, std::size_t& stride) {
        auto& result = *static_cast<DecodedImage*>(context);
        result.width = output.width;
        result.height = output.height;
        result.stride = (static_cast<std::size_t>(output.width) * 3 + 3) / 4 * 4;
        result.pixels.assign(result.stride * static_cast<std::size_t>(output.height), 0);
        stride = result.stride;
        return result.pixels.data();
    };
    DecodeJpeg(data, size, target);
    return image;
}
