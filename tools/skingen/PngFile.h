#pragma once
// Writes a 32-bit image as a PNG, for looking at textures and screenshots.

#include "gfxutil/Image.h"

#include <string>

namespace skingen {

// Composited over a checkerboard when `overChecks` is set, so transparent
// parts stay visible in an ordinary viewer.
bool WritePng(const std::string& path, const gfxutil::Image& image, bool overChecks = false);

}  // namespace skingen
