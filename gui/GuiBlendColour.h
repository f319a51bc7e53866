#pragma once
// A colour that fades towards the colour of a control's current state, so
// hover, press and show/hide changes ease in instead of jumping.

#include "gui/GuiControlType.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::gui {

struct GuiColourValue {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

GuiColourValue ColourValueFrom(D3DCOLOR colour);
// Per channel: 255 at or above 1, 0 at or below 0, else value * 255 + 0.5
// truncated.
D3DCOLOR D3DColourFrom(const GuiColourValue& value);

struct GuiBlendColour {
    // Starts at the hidden colour, so a freshly set-up element fades in.
    void Init(D3DCOLOR defaultColour, D3DCOLOR disabledColour = 0xC8808080, D3DCOLOR hiddenColour = 0);
    // Moves the current colour towards the state's colour: the share covered
    // is 1 - rate^(30 * elapsed), so the speed does not depend on frame rate.
    void Blend(UINT state, float elapsedTime, float rate = 0.7f);
    void JumpToHidden() { current = ColourValueFrom(states[StateHidden]); }

    D3DCOLOR states[kGuiStateCount] = {};
    GuiColourValue current;
};

}  // namespace ondrel::gui
