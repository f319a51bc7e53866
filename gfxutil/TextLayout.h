#pragma once
// Places shaped lines of text in a rectangle according to the Win32
// text-format flags. Pure arithmetic on the CPU: the font turns the result
// into sprites.

#include "platform/win32/WinTypes.h"

#include <cstdint>
#include <vector>

namespace gfxutil {

class FontFace;

struct PlacedGlyph {
    std::uint32_t glyphIndex = 0;
    int penX = 0;      // pen position, offsets already applied
    int baseline = 0;  // y of the baseline, pixels down
};

struct TextLayoutResult {
    std::vector<PlacedGlyph> glyphs;
    RECT extent{};   // the box the lines occupy
    int result = 0;  // what DrawText answers: the text height, or the
                     // distance from the top to the text's bottom when
                     // centred or bottom-aligned
};

TextLayoutResult LayOutText(const FontFace& font, const char16_t* text, std::size_t length, const RECT& rect,
                            DWORD format);

}  // namespace gfxutil
