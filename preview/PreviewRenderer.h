#pragma once
// Draws a level into a PNG the way the viewer shows it, on an OpenGL device
// over SDL's offscreen video driver (EGL), so no display is needed.

#include <string>

#include "conversion/PreviewRequest.h"

namespace ondrel::preview {

// The renderer's exit statuses; the converter reports any but Written as a
// missing picture.
enum class PreviewStatus : int {
    Written = 0,
    Usage = 1,
    LevelUnusable = 2,  // unreadable, no whole triangle, or no solids made
    NoGraphics = 3,     // no offscreen OpenGL device
    PngUnwritten = 4,
};

PreviewStatus RenderPreview(const conversion::PreviewRequest& request, std::string* error);

}  // namespace ondrel::preview
