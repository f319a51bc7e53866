#include "gui/GuiElement.h"

namespace ondrel::gui {

void GuiElement::SetTexture(UINT texture, const RECT& rect, D3DCOLOR defaultColour) {
    textureIndex = texture;
    textureRect = rect;
    textureColour.Init(defaultColour);
}

void GuiElement::SetFont(UINT font, D3DCOLOR defaultColour, DWORD format) {
    fontIndex = font;
    fontColour.Init(defaultColour);
    textFormat = format;
}

void GuiElement::Refresh() {
    textureColour.JumpToHidden();
    fontColour.JumpToHidden();
}

}  // namespace ondrel::gui
