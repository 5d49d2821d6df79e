// A 32-bit top-down bitmap whose pixels the program writes directly, selected
// into a memory device context of its own for the GDI calls that draw with it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/Scoped.h"

class DibSection {
public:
    // Black. Raises an Error when the system has no memory for it.
    DibSection(std::int32_t width, std::int32_t height);

    HDC Dc() const { return dc_.Get(); }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }

    // Direct access: call GdiFlush first when GDI may still be drawing into it.
    std::uint32_t* Pixels() { return pixels_; }
    const std::uint32_t* Pixels() const { return pixels_; }

private:
    std::int32_t width_;
    std::int32_t height_;
    std::uint32_t* pixels_ = nullptr;  // set when the bitmap is made
    ScopedMemoryDc dc_;
    ScopedGdiObject<HBITMAP> bitmap_;
    ScopedSelection selection_;  // of the bitmap into the DC, undone before either goes
};
