// The built-in view decodes the photo file it is pointed to, which any program
// of the user can rewrite, at the scale its place on the page asks for.
#include <cstddef>
#include <cstdint>

#include "ui/Error.h"
#include "view/ScaledJpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input's length picks the wanted size: every scale-down gets its turn.
    constexpr PixelSize kWanted[] = {{1, 1}, {152, 112}, {512, 384}, {4096, 4096}};
    try {
        DecodeJpegScaled(data, size, kWanted[size % 4]);
    } catch (const Error&) {
        // Not a readable JPEG image, or too large to decode: reported as such.
    }
    return 0;
}
