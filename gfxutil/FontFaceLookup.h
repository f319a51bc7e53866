#pragma once
// Finds the font file for a Win32-style face request (name, weight, italic)
// through fontconfig, so "Arial" lands on its metric-compatible substitute.

#include <optional>
#include <string>
#include <string_view>

namespace gfxutil {

struct FontFileMatch {
    std::string path;
    int faceIndex = 0;
    int weight = 400;      // the weight of the face found, Win32 scale
    bool italic = false;   // whether the face found is slanted
};

std::optional<FontFileMatch> FindFontFile(std::u16string_view faceName, int weight, bool italic);

}  // namespace gfxutil
