#include "gui/GuiButton.h"

#include "framework/Framework.h"
#include "gui/GuiDialog.h"

namespace ondrel::gui {

GuiButton::GuiButton(GuiDialog* owner) : GuiStatic(owner) { type = GuiControlType::Button; }

UINT GuiButton::CurrentState() {
    if (!visible) return StateHidden;
    if (!enabled) return StateDisabled;
    if (pressed) return StatePressed;
    if (mouseOver) return StateMouseOver;
    if (hasFocus) return StateFocus;
    return StateNormal;
}

void GuiButton::Render(IDirect3DDevice9* /*device*/, float elapsedTime) {
    const UINT state = CurrentState();
    RECT rect = boundingBox;
    if (state == StatePressed) {
        rect = RECT{rect.left + 1, rect.top + 2, rect.right + 1, rect.bottom + 2};
    } else if (state == StateMouseOver) {
        rect = RECT{rect.left - 1, rect.top - 2, rect.right - 1, rect.bottom - 2};
    }
    const float rate = state == StatePressed ? 0.0f : 0.8f;
    for (UINT layer = 0; layer < 2; ++layer) {
        GuiElement* element = GetElement(layer);
        if (element == nullptr) continue;
        element->textureColour.Blend(state, elapsedTime, rate);
        element->fontColour.Blend(state, elapsedTime, rate);
        dialog->DrawElementSprite(element, &rect);
        dialog->DrawElementText(text, element, &rect, false);
    }
}

bool GuiButton::HandleKey(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (!HandlesInput() || wParam != VK_SPACE) return false;
    if (message == WM_KEYDOWN) {
        pressed = true;
        return true;
    }
    if (message == WM_KEYUP) {
        if (pressed) {
            pressed = false;
            Activate();
        }
        return true;
    }
    return false;
}

bool GuiButton::HandleMouse(UINT message, POINT point, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    if (!HandlesInput()) return false;
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        if (!ContainsPoint(point)) return false;
        pressed = true;
        SetCapture(framework::GetCurrentWindow());
        FocusOnPress();
        return true;
    }
    if (message == WM_LBUTTONUP && pressed) {
        pressed = false;
        ReleaseCapture();
        FocusOnRelease();
        if (ContainsPoint(point)) Activate();
        return true;
    }
    return false;
}

bool GuiButton::CanTakeFocus() { return visible && enabled; }

void GuiButton::HotkeyPressed() { Activate(); }

bool GuiButton::ContainsPoint(POINT point) { return GuiControl::ContainsPoint(point); }

void GuiButton::Activate() { dialog->SendEvent(ButtonClicked, true, this); }

void GuiButton::FocusOnPress() {
    if (!hasFocus) GuiDialog::GiveFocus(this);
}

void GuiButton::FocusOnRelease() {
    if (!dialog->KeyboardInput()) GuiDialog::ClearFocus();
}

}  // namespace ondrel::gui
