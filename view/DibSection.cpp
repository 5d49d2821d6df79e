#include "view/DibSection.h"

#include <algorithm>
#include <string>

#include "ui/Error.h"

namespace {

// Null when the system has no memory for it.
HBITMAP MakeTopDownBitmap(std::int32_t width, std::int32_t height, std::uint32_t*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top, as PixelImage has them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<std::uint32_t*>(bits);
    return bitmap;
}

}  // namespace

DibSection::DibSection(std::int32_t width, std::int32_t height)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      dc_(CreateCompatibleDC(nullptr)),
      bitmap_(MakeTopDownBitmap(width_, height_, pixels_)),
      selection_(dc_.Get(), bitmap_.Get()) {
    if (!dc_ || !bitmap_) {
        Raise({"OutOfResources", "No bitmap of " + std::to_string(width_) + " x " + std::to_string(height_) +
                                     " pixels can be made"});
    }
}
