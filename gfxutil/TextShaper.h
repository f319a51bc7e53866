#pragma once
// Shapes a run of UTF-16 text with HarfBuzz into positioned glyphs whose
// clusters are indices into that text.

#include <cstdint>
#include <vector>

namespace gfxutil {

class FontFace;

struct ShapedGlyph {
    std::uint32_t glyphIndex = 0;
    std::uint32_t cluster = 0;  // index of the cluster's first UTF-16 unit
    int advance = 0;            // whole pixels
    int offsetX = 0;
    int offsetY = 0;            // up is positive
    bool visible = true;        // false for control characters, which take no room
};

struct ShapedRun {
    std::vector<ShapedGlyph> glyphs;  // in visual order, left to right
    int width = 0;
};

ShapedRun ShapeText(const FontFace& font, const char16_t* text, std::size_t length);

}  // namespace gfxutil
