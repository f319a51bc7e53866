#pragma once
// Draws Ondrel's GUI skin: every control's pieces at their rectangles in a
// 512 x 512 A8R8G8B8 image. Pictures are mostly white or light so that the
// dialogs' state colours, which modulate them, decide the final tint.

#include "gfxutil/Image.h"

namespace skingen {

gfxutil::Image PaintSkin();

}  // namespace skingen
