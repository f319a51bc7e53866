#pragma once
// How one part of a control is drawn: which piece of which texture, which
// font and text layout, and the colours both fade through. Copied by value.

#include "gfxutil/TextFormat.h"
#include "gui/GuiBlendColour.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::gui {

struct GuiElement {
    void SetTexture(UINT texture, const RECT& rect, D3DCOLOR defaultColour = 0xFFFFFFFF);
    void SetFont(UINT font, D3DCOLOR defaultColour = 0xFFFFFFFF, DWORD format = DT_CENTER | DT_VCENTER);
    // Both colours back to hidden, so the element fades in again.
    void Refresh();

    UINT textureIndex = 0;  // slot of the dialog's texture table
    UINT fontIndex = 0;     // slot of the dialog's font table
    DWORD textFormat = 0;   // DrawText flags
    RECT textureRect{};
    GuiBlendColour textureColour;
    GuiBlendColour fontColour;
};

static_assert(sizeof(GuiElement) == 188, "elements are the fixed-size records the tables copy");

}  // namespace ondrel::gui
