#include "driver/ScreenShot.h"

#include <cstdio>
#include <vector>

namespace {

RECT PrimaryScreen() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

ScreenShot::ScreenShot() : ScreenShot(PrimaryScreen()) {}

ScreenShot::ScreenShot(const RECT& area) : shot_(area.right - area.left, area.bottom - area.top) {
    const HDC screen = GetDC(nullptr);
    BitBlt(shot_.Dc(), 0, 0, Width(), Height(), screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
}

bool ScreenShot::SaveBitmap(const std::string& path) const {
    // Rows of blue, green, red, bottom row first, each padded to whole
    // 4-byte words: the layout every reader of bitmap files takes.
    const int rowBytes = (Width() * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(rowBytes) * Height());
    for (int y = 0; y < Height(); ++y) {
        std::uint8_t* row = &bits[static_cast<std::size_t>((Height() - 1 - y) * rowBytes)];
        for (int x = 0; x < Width(); ++x) {
            for (int channel = 0; channel < 3; ++channel)
                *row++ = static_cast<std::uint8_t>(Channel(x, y, channel));
        }
    }
    const BITMAPINFOHEADER header{sizeof header, Width(), Height(), 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + bits.size());

    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&header, sizeof header, 1, out) == 1 &&
                         std::fwrite(bits.data(), bits.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}
