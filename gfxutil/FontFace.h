#pragma once
// One sized font face: the FreeType face that rasterises glyphs and the
// HarfBuzz font that shapes text with it. Sizes follow GDI's logical-font
// rules so that text fits the rectangles the controls were laid out for.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;
struct hb_font_t;

namespace gfxutil {

struct FontRequest {
    std::u16string_view faceName;
    int height = 0;   // > 0: cell height; < 0: character (em) height; 0: default
    int width = 0;    // average character width; 0 keeps the face's proportions
    int weight = 400;
    bool italic = false;
};

struct GlyphBitmap {
    int width = 0;
    int height = 0;
    int left = 0;  // from the pen position to the first column
    int top = 0;   // from the baseline up to the first row
    std::vector<std::uint8_t> coverage;  // width * height, top row first
};

class FontFace {
public:
    // Null when no usable face exists.
    static std::unique_ptr<FontFace> Create(const FontRequest& request);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    int LineHeight() const { return ascent_ + descent_; }
    int AverageCharWidth() const { return averageCharWidth_; }
    hb_font_t* Shaper() const { return shaper_; }

    GlyphBitmap Render(std::uint32_t glyphIndex) const;

private:
    FontFace() = default;
    bool Size(const FontRequest& request);

    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
    hb_font_t* shaper_ = nullptr;
    int ascent_ = 0;
    int descent_ = 0;
    int averageCharWidth_ = 0;
    bool emboldenSynthetic_ = false;
    bool slantSynthetic_ = false;
};

}  // namespace gfxutil
