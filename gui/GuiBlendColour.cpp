#include "gui/GuiBlendColour.h"

#include <cmath>

namespace ondrel::gui {
namespace {

float Channel(D3DCOLOR colour, int shift) { return static_cast<float>((colour >> shift) & 0xFFu) / 255.0f; }

D3DCOLOR Byte(float value) {
    if (value >= 1.0f) return 255u;
    if (!(value > 0.0f)) return 0u;
    return static_cast<D3DCOLOR>(value * 255.0f + 0.5f);
}

float Towards(float from, float to, float share) { return from + (to - from) * share; }

}  // namespace

GuiColourValue ColourValueFrom(D3DCOLOR colour) {
    return GuiColourValue{Channel(colour, 16), Channel(colour, 8), Channel(colour, 0), Channel(colour, 24)};
}

D3DCOLOR D3DColourFrom(const GuiColourValue& value) {
    return (Byte(value.a) << 24) | (Byte(value.r) << 16) | (Byte(value.g) << 8) | Byte(value.b);
}

void GuiBlendColour::Init(D3DCOLOR defaultColour, D3DCOLOR disabledColour, D3DCOLOR hiddenColour) {
    for (D3DCOLOR& state : states) state = defaultColour;
    states[StateDisabled] = disabledColour;
    states[StateHidden] = hiddenColour;
    JumpToHidden();
}

void GuiBlendColour::Blend(UINT state, float elapsedTime, float rate) {
    const GuiColourValue target = ColourValueFrom(states[state < kGuiStateCount ? state : StateNormal]);
    const auto share = static_cast<float>(1.0 - std::pow(static_cast<double>(rate), 30.0 * elapsedTime));
    current.r = Towards(current.r, target.r, share);
    current.g = Towards(current.g, target.g, share);
    current.b = Towards(current.b, target.b, share);
    current.a = Towards(current.a, target.a, share);
}

}  // namespace ondrel::gui
