// A 32-bit top-down bitmap whose pixels the program writes directly, selected
// into a memory device context of its own for the GDI calls that draw with it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "view/PixelImage.h"

class DibSection {
public:
    // Black. Raises an Error when the system has no memory for it.
    DibSection(std::int32_t width, std::int32_t height);
    explicit DibSection(const PixelImage& image);
    ~DibSection();
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    HDC Dc() const { return dc_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }

    // Direct access: call GdiFlush first when GDI may still be drawing into it.
    std::uint32_t* Pixels() { return pixels_; }
    const std::uint32_t* Pixels() const { return pixels_; }
    std::size_t PixelCount() const {
        return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    }

private:
    std::int32_t width_;
    std::int32_t height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};
