#include "app/TextLineWriter.h"

namespace ondrel::app {
namespace {

DWORD ChannelByte(float c) {
    if (c >= 1.0f) return 255;
    if (c <= 0.0f) return 0;
    return static_cast<DWORD>(c * 255.0f + 0.5f);
}

}  // namespace

D3DCOLOR ColourToArgb(const GFXVECTOR4& colour) {
    return (ChannelByte(colour.w) << 24) | (ChannelByte(colour.x) << 16) | (ChannelByte(colour.y) << 8) |
           ChannelByte(colour.z);
}

TextLineWriter::TextLineWriter(IGfxFont* font, IGfxSprite* sprite, int lineHeight)
    : font_(font), sprite_(sprite), lineHeight_(lineHeight) {}

void TextLineWriter::Begin() {
    if (sprite_ != nullptr) {
        sprite_->Begin(GFXSPRITE_ALPHABLEND | GFXSPRITE_SORT_TEXTURE);
    }
}

void TextLineWriter::End() {
    if (sprite_ != nullptr) {
        sprite_->End();
    }
}

void TextLineWriter::SetInsertionPoint(int x, int y) {
    x_ = x;
    y_ = y;
}

void TextLineWriter::SetColour(float r, float g, float b, float a) { colour_ = GFXVECTOR4{r, g, b, a}; }

HRESULT TextLineWriter::DrawTextLine(const WCHAR* text) {
    if (font_ == nullptr) {
        return E_INVALIDARG;
    }
    // Unclipped, so the rectangle only places the text.
    RECT place{x_, y_, 0, 0};
    // The font answers the height it drew; an empty line is 0 high and still
    // fine. Only a negative answer means the draw failed.
    const INT height = font_->DrawTextW(sprite_, text, -1, &place, DT_NOCLIP, ColourToArgb(colour_));
    if (height < 0) {
        return E_FAIL;
    }
    y_ += lineHeight_;
    return S_OK;
}

}  // namespace ondrel::app
