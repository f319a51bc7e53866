#include "PngFile.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <cstdint>
#include <vector>

namespace skingen {

bool WritePng(const std::string& path, const gfxutil::Image& image, bool overChecks) {
    std::vector<std::uint8_t> rgba(image.pixels.size() * 4);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.At(x, y);
            std::uint32_t r = (p >> 16) & 0xFF;
            std::uint32_t g = (p >> 8) & 0xFF;
            std::uint32_t b = p & 0xFF;
            std::uint32_t a = p >> 24;
            if (overChecks) {
                const std::uint32_t check = ((x / 8 + y / 8) % 2) != 0 ? 0x30 : 0x50;
                r = (r * a + check * (255 - a)) / 255;
                g = (g * a + check * (255 - a)) / 255;
                b = (b * a + check * (255 - a)) / 255;
                a = 255;
            }
            const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)) * 4;
            rgba[at] = static_cast<std::uint8_t>(r);
            rgba[at + 1] = static_cast<std::uint8_t>(g);
            rgba[at + 2] = static_cast<std::uint8_t>(b);
            rgba[at + 3] = static_cast<std::uint8_t>(a);
        }
    }
    return stbi_write_png(path.c_str(), image.width, image.height, 4, rgba.data(), image.width * 4) != 0;
}

}  // namespace skingen
