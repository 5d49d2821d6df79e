// What the screen shows in an area, taken at once, for tests that compare
// pixels and for pictures a person looks at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "view/DibSection.h"

class ScreenShot {
public:
    // The whole primary screen.
    ScreenShot();
    explicit ScreenShot(const RECT& area);

    int Width() const { return shot_.Width(); }
    int Height() const { return shot_.Height(); }
    // The pixel at x, y from the area's top left, as 0xRRGGBB.
    std::uint32_t Colour(int x, int y) const { return shot_.Pixels()[y * Width() + x] & 0xFFFFFF; }
    // 0 is blue, 1 green, 2 red.
    int Channel(int x, int y, int channel) const { return (Colour(x, y) >> (8 * channel)) & 0xFF; }
    int Red(int x, int y) const { return Channel(x, y, 2); }
    int Green(int x, int y) const { return Channel(x, y, 1); }
    int Blue(int x, int y) const { return Channel(x, y, 0); }
    bool IsBlack(int x, int y) const { return Colour(x, y) == 0; }

    // Writes the picture as a 24-bit bitmap file; false when it cannot.
    bool SaveBitmap(const std::string& path) const;

private:
    DibSection shot_;
};
