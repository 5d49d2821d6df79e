#include "view/DibSection.h"

#include <algorithm>
#include <string>

#include "ui/Error.h"

DibSection::DibSection(std::int32_t width, std::int32_t height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // rows from the top, as PixelImage has them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc_ || !bitmap_) {
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
        Raise({"OutOfResources", "No bitmap of " + std::to_string(width_) + " x " + std::to_string(height_) +
                                     " pixels can be made"});
    }
    pixels_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
}

DibSection::DibSection(const PixelImage& image) : DibSection(image.width, image.height) {
    if (image.width == width_ && image.height == height_)
        std::copy(image.pixels.begin(), image.pixels.end(), pixels_);
}

DibSection::~DibSection() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}
