#include "gui/GuiControl.h"

namespace ondrel::gui {

GuiControl::GuiControl(GuiDialog* owner) : dialog(owner) {}

GuiControl::~GuiControl() = default;

HRESULT GuiControl::Setup() { return S_OK; }

void GuiControl::Refresh() {
    mouseOver = false;
    hasFocus = false;
    for (GuiElement& element : elements) element.Refresh();
}

void GuiControl::Render(IDirect3DDevice9* /*device*/, float /*elapsedTime*/) {}
bool GuiControl::HandleMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return false; }
bool GuiControl::HandleKey(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return false; }
bool GuiControl::HandleMouse(UINT /*message*/, POINT /*point*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return false;
}
bool GuiControl::CanTakeFocus() { return false; }
void GuiControl::FocusGained() { hasFocus = true; }
void GuiControl::FocusLost() { hasFocus = false; }
void GuiControl::MouseEntered() { mouseOver = true; }
void GuiControl::MouseLeft() { mouseOver = false; }
void GuiControl::HotkeyPressed() {}

bool GuiControl::ContainsPoint(POINT point) {
    return point.x >= boundingBox.left && point.x < boundingBox.right && point.y >= boundingBox.top &&
           point.y < boundingBox.bottom;
}

void GuiControl::SetEnabled(bool enable) { enabled = enable; }
bool GuiControl::IsEnabled() { return enabled; }
void GuiControl::SetVisible(bool show) { visible = show; }
bool GuiControl::IsVisible() { return visible; }

void GuiControl::SetTextColour(D3DCOLOR colour) {
    if (GuiElement* element = GetElement(0)) element->fontColour.states[StateNormal] = colour;
}

void GuiControl::UpdateRectangles() { boundingBox = RECT{x, y, x + width, y + height}; }

HRESULT GuiControl::SetElement(UINT elementIndex, const GuiElement& element) {
    while (static_cast<UINT>(elements.GetSize()) <= elementIndex) {
        if (HRESULT hr = elements.Add(GuiElement{}); FAILED(hr)) return hr;
    }
    elements[static_cast<int>(elementIndex)] = element;
    return S_OK;
}

GuiElement* GuiControl::GetElement(UINT elementIndex) {
    return elementIndex < static_cast<UINT>(elements.GetSize()) ? &elements[static_cast<int>(elementIndex)] : nullptr;
}

}  // namespace ondrel::gui
