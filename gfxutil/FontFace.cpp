#include "gfxutil/FontFace.h"

#include "gfxutil/FontFaceLookup.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <cmath>

namespace gfxutil {
namespace {

// GDI's size for a logical font of height 0.
constexpr int kDefaultCellHeight = 16;

int RoundedPixels(FT_Pos value26Dot6) { return static_cast<int>((value26Dot6 + 32) >> 6); }

}  // namespace

std::unique_ptr<FontFace> FontFace::Create(const FontRequest& request) {
    const auto file = FindFontFile(request.faceName, request.weight, request.italic);
    if (!file) {
        return nullptr;
    }
    std::unique_ptr<FontFace> font{new FontFace};
    if (FT_Init_FreeType(&font->library_) != 0) {
        return nullptr;
    }
    if (FT_New_Face(font->library_, file->path.c_str(), file->faceIndex, &font->face_) != 0) {
        return nullptr;
    }
    font->emboldenSynthetic_ = request.weight >= 600 && file->weight < 600;
    font->slantSynthetic_ = request.italic && !file->italic;
    if (!font->Size(request)) {
        return nullptr;
    }
    font->shaper_ = hb_ft_font_create_referenced(font->face_);
    // Hinted advances: whole pixels, as the layout of the controls assumes.
    hb_ft_font_set_load_flags(font->shaper_, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL);
    return font;
}

FontFace::~FontFace() {
    if (shaper_ != nullptr) {
        hb_font_destroy(shaper_);
    }
    if (face_ != nullptr) {
        FT_Done_Face(face_);
    }
    if (library_ != nullptr) {
        FT_Done_FreeType(library_);
    }
}

bool FontFace::Size(const FontRequest& request) {
    FT_Size_RequestRec size{};
    if (request.height < 0) {
        size.type = FT_SIZE_REQUEST_TYPE_NOMINAL;
        size.height = static_cast<FT_Long>(-request.height) * 64;
    } else {
        // A positive height is the whole cell, ascender plus descender.
        size.type = FT_SIZE_REQUEST_TYPE_REAL_DIM;
        size.height = static_cast<FT_Long>(request.height > 0 ? request.height : kDefaultCellHeight) * 64;
    }
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    if (request.width > 0 && os2 != nullptr && os2->xAvgCharWidth > 0) {
        // Scale horizontally so the face's average width becomes the one asked for.
        const double unitsAcross = size.type == FT_SIZE_REQUEST_TYPE_NOMINAL
                                       ? static_cast<double>(face_->units_per_EM)
                                       : static_cast<double>(face_->ascender - face_->descender);
        size.width = static_cast<FT_Long>(std::lround(request.width * 64.0 * unitsAcross / os2->xAvgCharWidth));
    }
    if (FT_Request_Size(face_, &size) != 0) {
        return false;
    }
    const FT_Size_Metrics& metrics = face_->size->metrics;
    // Like GDI: the ascent is rounded on its own, from the Windows metrics
    // when the face has them, and the descent takes the rest of the cell.
    const bool windowsMetrics = os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent > 0;
    const FT_Long ascentUnits = windowsMetrics ? static_cast<FT_Long>(os2->usWinAscent) : face_->ascender;
    const FT_Long descentUnits = windowsMetrics ? static_cast<FT_Long>(os2->usWinDescent) : -face_->descender;
    ascent_ = RoundedPixels(FT_MulFix(ascentUnits, metrics.y_scale));
    descent_ = request.height > 0 ? std::max(0, request.height - ascent_)
                                  : std::max(0, RoundedPixels(FT_MulFix(descentUnits, metrics.y_scale)));
    if (os2 != nullptr && os2->xAvgCharWidth > 0) {
        averageCharWidth_ = static_cast<int>(std::lround(
            static_cast<double>(FT_MulFix(os2->xAvgCharWidth, metrics.x_scale)) / 64.0));
    } else {
        averageCharWidth_ = RoundedPixels(metrics.max_advance) / 2;
    }
    return true;
}

GlyphBitmap FontFace::Render(std::uint32_t glyphIndex) const {
    GlyphBitmap bitmap;
    if (FT_Load_Glyph(face_, glyphIndex, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) {
        return bitmap;
    }
    FT_GlyphSlot slot = face_->glyph;
    if (emboldenSynthetic_) {
        FT_GlyphSlot_Embolden(slot);
    }
    if (slantSynthetic_) {
        FT_GlyphSlot_Oblique(slot);
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        return bitmap;
    }
    const FT_Bitmap& source = slot->bitmap;
    bitmap.width = static_cast<int>(source.width);
    bitmap.height = static_cast<int>(source.rows);
    bitmap.left = slot->bitmap_left;
    bitmap.top = slot->bitmap_top;
    bitmap.coverage.resize(static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height));
    for (int row = 0; row < bitmap.height; ++row) {
        const unsigned char* from = source.buffer + static_cast<std::ptrdiff_t>(row) * source.pitch;
        std::copy_n(from, bitmap.width, bitmap.coverage.begin() + static_cast<std::ptrdiff_t>(row) * bitmap.width);
    }
    return bitmap;
}

}  // namespace gfxutil
