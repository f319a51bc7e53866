#pragma once
// Writes successive lines of text with a font, batched through a sprite when
// there is one, one line height apart. Lives on the stack for one overlay
// step and owns nothing it is given.

#include "gfxutil/GfxFont.h"
#include "gfxutil/GfxSprite.h"

namespace ondrel::app {

// 255 at or above 1, 0 at or below 0, otherwise rounded to the nearest step.
D3DCOLOR ColourToArgb(const GFXVECTOR4& colour);

class TextLineWriter {
public:
    TextLineWriter(IGfxFont* font, IGfxSprite* sprite, int lineHeight);

    void Begin();
    void End();
    void SetInsertionPoint(int x, int y);
    void SetColour(float r, float g, float b, float a);
    // Draws one line at the insertion point and moves it down a line.
    // E_INVALIDARG without a font; a failed draw leaves the point in place.
    HRESULT DrawTextLine(const WCHAR* text);

    int InsertionX() const { return x_; }
    int InsertionY() const { return y_; }

private:
    IGfxFont* font_;
    IGfxSprite* sprite_;
    GFXVECTOR4 colour_{1.0f, 1.0f, 1.0f, 1.0f};
    int x_ = 0;
    int y_ = 0;
    int lineHeight_;
};

}  // namespace ondrel::app
