// The look every dialog starts with: the skin's pictures for each control's
// elements, their text layouts and the colours of each state.

#include "gui/GuiDialog.h"

namespace ondrel::gui {
namespace {

constexpr D3DCOLOR kWhite = 0xFFFFFFFF;
constexpr D3DCOLOR kBlack = 0xFF000000;
constexpr DWORD kCentred = DT_CENTER | DT_VCENTER;
constexpr DWORD kLeftCentred = DT_LEFT | DT_VCENTER;
constexpr DWORD kTopLeft = DT_LEFT | DT_TOP;

GuiElement Element(const RECT& picture, DWORD format) {
    GuiElement element;
    element.SetTexture(0, picture);
    element.SetFont(0, kWhite, format);
    return element;
}

void ButtonColours(GuiElement& e) {
    e.fontColour.Init(kWhite, 0xC8808080, 0);
    e.fontColour.states[StateMouseOver] = kBlack;
}

void BoxColours(GuiElement& e) {
    e.textureColour.Init(kWhite, 0xC8808080, 0);
    e.textureColour.states[StateNormal] = 0x96FFFFFF;
    e.textureColour.states[StateFocus] = 0xC8FFFFFF;
    e.fontColour.Init(kWhite, 0xC8C8C8C8, 0);
}

void MarkColours(GuiElement& e) {
    e.textureColour.Init(kWhite, 0xC8808080, 0);
    e.fontColour.Init(kWhite, 0xC8C8C8C8, 0);
}

}  // namespace

void GuiDialog::SetUpDefaultElements() {
    SetTextureSlot(0, u"UI\\Controls.dds");
    SetFontSlot(0, u"Arial", 14, FW_NORMAL);

    captionElement_ = Element(RECT{17, 269, 241, 287}, kLeftCentred);
    captionElement_.textureColour.Init(kWhite, 0xC8808080, 0);
    captionElement_.fontColour.Init(kWhite, 0xC8808080, 0);
    // Shown at once rather than fading in with the first frames.
    captionElement_.textureColour.Blend(StateNormal, 10.0f, 0.7f);
    captionElement_.fontColour.Blend(StateNormal, 10.0f, 0.7f);

    GuiElement e;

    // Static: text only.
    e = GuiElement{};
    e.SetFont(0, kWhite, kCentred);
    e.fontColour.Init(kWhite, 0xC8C8C8C8, 0);
    RegisterDefaultElement(GuiControlType::Static, 0, e);

    // Button: face, then a fill layer over it.
    e = Element(RECT{0, 0, 136, 54}, kCentred);
    e.textureColour.Init(kWhite, 0xC8808080, 0);
    e.textureColour.states[StateNormal] = 0x96FFFFFF;
    e.textureColour.states[StatePressed] = 0xC8FFFFFF;
    ButtonColours(e);
    RegisterDefaultElement(GuiControlType::Button, 0, e);
    e = Element(RECT{136, 0, 272, 54}, kCentred);
    e.textureColour.Init(0x00FFFFFF, 0xC8808080, 0);
    e.textureColour.states[StateFocus] = 0x1EFFFFFF;
    e.textureColour.states[StateMouseOver] = 0xA0FFFFFF;
    e.textureColour.states[StatePressed] = 0x3C000000;
    ButtonColours(e);
    RegisterDefaultElement(GuiControlType::Button, 1, e);

    // Check box and radio button: box, then mark.
    e = Element(RECT{0, 54, 27, 81}, kLeftCentred);
    BoxColours(e);
    RegisterDefaultElement(GuiControlType::CheckBox, 0, e);
    e = Element(RECT{27, 54, 54, 81}, kLeftCentred);
    MarkColours(e);
    RegisterDefaultElement(GuiControlType::CheckBox, 1, e);
    e = Element(RECT{54, 54, 81, 81}, kLeftCentred);
    BoxColours(e);
    RegisterDefaultElement(GuiControlType::RadioButton, 0, e);
    e = Element(RECT{81, 54, 108, 81}, kLeftCentred);
    MarkColours(e);
    RegisterDefaultElement(GuiControlType::RadioButton, 1, e);

    // Combo box: text area, button, drop-down list, highlighted item.
    e = Element(RECT{7, 81, 247, 123}, kCentred);
    e.textureColour.Init(kWhite, 0x46C8C8C8, 0);
    e.textureColour.states[StateNormal] = 0x96C8C8C8;
    e.textureColour.states[StateFocus] = 0xAAE6E6E6;
    e.fontColour.Init(kWhite, 0xC8C8C8C8, 0);
    e.fontColour.states[StateMouseOver] = kBlack;
    e.fontColour.states[StatePressed] = kBlack;
    RegisterDefaultElement(GuiControlType::ComboBox, 0, e);
    const GuiBlendColour comboText = e.fontColour;
    e = Element(RECT{272, 0, 325, 49}, kCentred);
    e.textureColour.Init(kWhite, 0x46FFFFFF, 0);
    e.textureColour.states[StateNormal] = 0x96FFFFFF;
    e.textureColour.states[StateFocus] = 0xC8FFFFFF;
    e.textureColour.states[StatePressed] = 0xFF969696;
    e.fontColour = comboText;
    RegisterDefaultElement(GuiControlType::ComboBox, 1, e);
    e = Element(RECT{7, 123, 241, 265}, kTopLeft);
    e.textureColour.Init(kWhite, 0xC8808080, 0);
    e.fontColour.Init(kBlack, 0xC8808080, 0);
    RegisterDefaultElement(GuiControlType::ComboBox, 2, e);
    e = Element(RECT{7, 266, 241, 289}, kTopLeft);
    e.textureColour.Init(kWhite, 0xC8808080, 0);
    e.fontColour.Init(kWhite, 0xC8808080, 0);
    RegisterDefaultElement(GuiControlType::ComboBox, 3, e);

    // Scroll bar: track, up arrow, down arrow, thumb.
    const RECT scrollParts[4] = {{243, 144, 265, 155}, {243, 124, 265, 144}, {243, 155, 265, 176},
                                 {266, 123, 286, 167}};
    for (UINT part = 0; part < 4; ++part) {
        e = Element(scrollParts[part], kTopLeft);
        e.textureColour.Init(kWhite, part < 3 ? 0xFFC8C8C8 : 0xC8808080, 0);
        RegisterDefaultElement(GuiControlType::ScrollBar, part, e);
    }

    // Edit box: the text area, then its eight border pieces.
    const RECT editParts[9] = {{14, 90, 241, 113}, {8, 82, 14, 90},    {14, 82, 241, 90},
                               {241, 82, 246, 90}, {8, 90, 14, 113},   {241, 90, 246, 113},
                               {8, 113, 14, 121},  {14, 113, 241, 121}, {241, 113, 246, 121}};
    for (UINT part = 0; part < 9; ++part) {
        e = Element(editParts[part], kTopLeft);
        e.textureColour.Init(kWhite, 0xC8808080, 0);
        e.fontColour.Init(kBlack, 0xC8808080, 0);
        RegisterDefaultElement(GuiControlType::EditBox, part, e);
    }
}

}  // namespace ondrel::gui
