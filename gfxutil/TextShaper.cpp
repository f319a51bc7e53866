#include "gfxutil/TextShaper.h"

#include "gfxutil/FontFace.h"

#include <hb.h>

namespace gfxutil {
namespace {

int Pixels(hb_position_t value26Dot6) { return static_cast<int>((value26Dot6 + 32) >> 6); }

struct BufferDeleter {
    hb_buffer_t* buffer;
    ~BufferDeleter() { hb_buffer_destroy(buffer); }
};

}  // namespace

ShapedRun ShapeText(const FontFace& font, const char16_t* text, std::size_t length) {
    ShapedRun run;
    if (text == nullptr || length == 0) {
        return run;
    }
    BufferDeleter owner{hb_buffer_create()};
    hb_buffer_t* buffer = owner.buffer;
    hb_buffer_add_utf16(buffer, reinterpret_cast<const std::uint16_t*>(text), static_cast<int>(length), 0,
                        static_cast<int>(length));
    hb_buffer_guess_segment_properties(buffer);
    // Carets and hit tests walk the text left to right in logical order.
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    hb_buffer_set_cluster_level(buffer, HB_BUFFER_CLUSTER_LEVEL_MONOTONE_GRAPHEMES);
    // GDI-style text is not kerned; widths must match unkerned layouts.
    hb_feature_t noKerning{};
    hb_feature_from_string("-kern", -1, &noKerning);
    hb_shape(font.Shaper(), buffer, &noKerning, 1);

    unsigned int count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
    run.glyphs.reserve(count);
    for (unsigned int i = 0; i < count; ++i) {
        ShapedGlyph glyph;
        glyph.glyphIndex = infos[i].codepoint;
        glyph.cluster = infos[i].cluster;
        glyph.advance = Pixels(positions[i].x_advance);
        glyph.offsetX = Pixels(positions[i].x_offset);
        glyph.offsetY = Pixels(positions[i].y_offset);
        if (glyph.cluster < length && text[glyph.cluster] < 0x20) {
            // Control characters (the terminator the edit box measures
            // included) neither show nor move the pen.
            glyph.visible = false;
            glyph.advance = 0;
        }
        run.width += glyph.advance;
        run.glyphs.push_back(glyph);
    }
    return run;
}

}  // namespace gfxutil
