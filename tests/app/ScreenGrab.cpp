#include "ScreenGrab.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stb/stb_image_write.h>

namespace ondrel::testing {

std::uint32_t ScreenImage::Pixel(int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
    return (std::uint32_t{rgb[at]} << 16) | (std::uint32_t{rgb[at + 1]} << 8) | rgb[at + 2];
}

int ScreenImage::CountUnlike(int left, int top, int right, int bottom, std::uint32_t colour) const {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) count += Pixel(x, y) != colour ? 1 : 0;
    }
    return count;
}

ScreenImage GrabScreen(int x, int y, int width, int height) {
    ScreenImage image;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return image;
    XImage* grabbed = XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                                static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (grabbed != nullptr) {
        image.width = width;
        image.height = height;
        image.rgb.reserve(static_cast<std::size_t>(width) * height * 3);
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                const unsigned long pixel = XGetPixel(grabbed, column, row);
                image.rgb.push_back(static_cast<std::uint8_t>((pixel >> 16) & 0xFF));
                image.rgb.push_back(static_cast<std::uint8_t>((pixel >> 8) & 0xFF));
                image.rgb.push_back(static_cast<std::uint8_t>(pixel & 0xFF));
            }
        }
        XDestroyImage(grabbed);
    }
    XCloseDisplay(display);
    return image;
}

bool SavePng(const ScreenImage& image, const std::string& path) {
    return stbi_write_png(path.c_str(), image.width, image.height, 3, image.rgb.data(), image.width * 3) != 0;
}

}  // namespace ondrel::testing
