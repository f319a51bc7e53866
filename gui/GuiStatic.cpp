#include "gui/GuiStatic.h"

#include "gui/GuiDialog.h"
#include "gui/GuiText.h"

namespace ondrel::gui {

GuiStatic::GuiStatic(GuiDialog* owner) : GuiControl(owner) { type = GuiControlType::Static; }

void GuiStatic::Render(IDirect3DDevice9* /*device*/, float elapsedTime) {
    if (!visible) return;
    GuiElement* element = GetElement(0);
    if (element == nullptr) return;
    element->fontColour.Blend(enabled ? StateNormal : StateDisabled, elapsedTime, 0.7f);
    dialog->DrawElementText(text, element, &boundingBox, true);
}

bool GuiStatic::ContainsPoint(POINT /*point*/) { return false; }

HRESULT GuiStatic::SetText(LPCWSTR newText) {
    CopyLimitedText(text, kStaticTextLength, newText);
    return S_OK;
}

}  // namespace ondrel::gui
