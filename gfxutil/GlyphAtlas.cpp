#include "gfxutil/GlyphAtlas.h"

#include "gfxutil/FontFace.h"

#include <algorithm>

namespace gfxutil {
namespace {

// Empty texels around each glyph so bilinear sampling never bleeds.
constexpr int kPadding = 1;

}  // namespace

GlyphAtlas::GlyphAtlas(int pageSize) : pageSize_(pageSize) {}

void GlyphAtlas::StartPage() {
    AtlasPage page;
    page.coverage.assign(static_cast<std::size_t>(pageSize_) * static_cast<std::size_t>(pageSize_), 0);
    pages_.push_back(std::move(page));
    shelfX_ = kPadding;
    shelfY_ = kPadding;
    shelfHeight_ = 0;
}

AtlasGlyph GlyphAtlas::Place(int width, int height) {
    AtlasGlyph cell;
    if (width + 2 * kPadding > pageSize_ || height + 2 * kPadding > pageSize_) {
        return cell;
    }
    if (pages_.empty()) {
        StartPage();
    }
    if (shelfX_ + width + kPadding > pageSize_) {
        shelfX_ = kPadding;
        shelfY_ += shelfHeight_ + kPadding;
        shelfHeight_ = 0;
    }
    if (shelfY_ + height + kPadding > pageSize_) {
        StartPage();
    }
    cell.page = static_cast<int>(pages_.size()) - 1;
    cell.x = shelfX_;
    cell.y = shelfY_;
    cell.width = width;
    cell.height = height;
    shelfX_ += width + kPadding;
    shelfHeight_ = std::max(shelfHeight_, height);
    return cell;
}

const AtlasGlyph& GlyphAtlas::Find(const FontFace& font, std::uint32_t glyphIndex) {
    if (auto found = glyphs_.find(glyphIndex); found != glyphs_.end()) {
        return found->second;
    }
    const GlyphBitmap bitmap = font.Render(glyphIndex);
    AtlasGlyph cell = Place(bitmap.width, bitmap.height);
    cell.left = bitmap.left;
    cell.top = bitmap.top;
    if (cell.width > 0 && cell.height > 0) {
        AtlasPage& page = pages_[static_cast<std::size_t>(cell.page)];
        for (int row = 0; row < cell.height; ++row) {
            std::copy_n(bitmap.coverage.begin() + static_cast<std::ptrdiff_t>(row) * bitmap.width, bitmap.width,
                        page.coverage.begin() + static_cast<std::ptrdiff_t>(cell.y + row) * pageSize_ + cell.x);
        }
        ++page.revision;
    }
    return glyphs_.emplace(glyphIndex, cell).first->second;
}

}  // namespace gfxutil
