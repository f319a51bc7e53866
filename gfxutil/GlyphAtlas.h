#pragma once
// Packs rasterised glyphs into square coverage pages on the CPU. A font
// uploads a page to its texture whenever the page has changed.

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace gfxutil {

class FontFace;

struct AtlasGlyph {
    int page = 0;
    int x = 0;  // cell in the page
    int y = 0;
    int width = 0;
    int height = 0;
    int left = 0;  // bitmap offset from the pen position
    int top = 0;   // bitmap top above the baseline
};

struct AtlasPage {
    std::vector<std::uint8_t> coverage;  // size * size, top row first
    std::uint64_t revision = 0;          // bumped on every change
};

class GlyphAtlas {
public:
    explicit GlyphAtlas(int pageSize = 256);

    // The glyph's cell, rasterising and packing it on first use. A glyph
    // too large for a page comes back with zero size.
    const AtlasGlyph& Find(const FontFace& font, std::uint32_t glyphIndex);

    int PageSize() const { return pageSize_; }
    const std::vector<AtlasPage>& Pages() const { return pages_; }

private:
    AtlasGlyph Place(int width, int height);
    void StartPage();

    int pageSize_;
    std::vector<AtlasPage> pages_;
    std::unordered_map<std::uint32_t, AtlasGlyph> glyphs_;
    int shelfX_ = 0;
    int shelfY_ = 0;
    int shelfHeight_ = 0;
};

}  // namespace gfxutil
