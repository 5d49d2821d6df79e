// The slideshow reads the size of every photograph from its JPEG header.
#include <cstddef>
#include <cstdint>

#include "ui/Error.h"
#include "ui/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        ReadJpegSize(data, size);
    } catch (const Error&) {
        // Not a readable JPEG image: reported as such.
    }
    return 0;
}
