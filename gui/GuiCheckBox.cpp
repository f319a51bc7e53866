#include "gui/GuiCheckBox.h"

#include "gui/GuiDialog.h"

namespace ondrel::gui {

GuiCheckBox::GuiCheckBox(GuiDialog* owner) : GuiButton(owner) { type = GuiControlType::CheckBox; }

void GuiCheckBox::Render(IDirect3DDevice9* /*device*/, float elapsedTime) {
    const UINT state = CurrentState();
    const float rate = state == StatePressed ? 0.0f : 0.8f;
    if (GuiElement* box = GetElement(0)) {
        box->textureColour.Blend(state, elapsedTime, rate);
        box->fontColour.Blend(state, elapsedTime, rate);
        dialog->DrawElementSprite(box, &boxRect);
        dialog->DrawElementText(text, box, &textRect, true);
    }
    if (GuiElement* mark = GetElement(1)) {
        mark->textureColour.Blend(checked ? state : StateHidden, elapsedTime, rate);
        dialog->DrawElementSprite(mark, &boxRect);
    }
}

bool GuiCheckBox::ContainsPoint(POINT point) {
    const bool inBox = point.x >= boxRect.left && point.x < boxRect.right && point.y >= boxRect.top &&
                       point.y < boxRect.bottom;
    return GuiControl::ContainsPoint(point) || inBox;
}

void GuiCheckBox::UpdateRectangles() {
    GuiControl::UpdateRectangles();
    boxRect = boundingBox;
    boxRect.right = boxRect.left + (boxRect.bottom - boxRect.top);
    textRect = boundingBox;
    textRect.left += static_cast<LONG>(1.25f * static_cast<float>(boxRect.right - boxRect.left));
}

void GuiCheckBox::ApplyChecked(bool checkedNow, bool fromInput) {
    checked = checkedNow;
    dialog->SendEvent(CheckBoxChanged, fromInput, this);
}

void GuiCheckBox::Activate() { ApplyChecked(!checked, true); }

void GuiCheckBox::FocusOnPress() {
    if (dialog->KeyboardInput() && !hasFocus) GuiDialog::GiveFocus(this);
}

void GuiCheckBox::FocusOnRelease() {}

}  // namespace ondrel::gui
