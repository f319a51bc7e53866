#pragma once
// What is on the X display, read back for pixel checks and saved as PNG.

#include <cstdint>
#include <string>
#include <vector>

namespace ondrel::testing {

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // rows top to bottom, 3 bytes a pixel

    std::uint32_t Pixel(int x, int y) const;  // 0xRRGGBB
    // Pixels inside the rectangle whose colour differs from `colour`.
    int CountUnlike(int left, int top, int right, int bottom, std::uint32_t colour) const;
};

// A rectangle of the X display named by $DISPLAY, in root coordinates;
// empty when the display cannot be read.
ScreenImage GrabScreen(int x, int y, int width, int height);
bool SavePng(const ScreenImage& image, const std::string& path);

}  // namespace ondrel::testing
