#pragma once
// Saves an image as an A8R8G8B8 DDS file.

#include "gfxutil/Image.h"

#include <string>

namespace skingen {

bool WriteDdsFile(const std::string& path, const gfxutil::Image& image);

}  // namespace skingen
