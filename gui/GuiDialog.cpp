// The dialog's tables, settings and events.

#include "gui/GuiDialog.h"

#include <new>

#include "gui/GuiSharedState.h"
#include "gui/GuiText.h"

namespace ondrel::gui {
namespace {

HRESULT GrowSlots(devicesettings::GrowableArray<int>& slots, UINT slot) {
    while (static_cast<UINT>(slots.GetSize()) <= slot) {
        if (HRESULT hr = slots.Add(-1); FAILED(hr)) return hr;
    }
    return S_OK;
}

}  // namespace

GuiDialog::GuiDialog() {
    SetUpDefaultElements();
}

GuiDialog::~GuiDialog() {
    // A control of this dialog must not stay reachable through the shared
    // focus or the caption drag once it is gone.
    DeleteAllControls();
    for (GuiElementHolder* holder : defaultElements_) delete holder;
}

HRESULT GuiDialog::SetTextureSlot(UINT slot, LPCWSTR fileName) {
    if (HRESULT hr = GrowSlots(textureSlots_, slot); FAILED(hr)) return hr;
    textureSlots_[static_cast<int>(slot)] = GetGlobalResourceManager().AcquireTexture(fileName);
    return S_OK;
}

HRESULT GuiDialog::SetFontSlot(UINT slot, LPCWSTR face, LONG height, LONG weight) {
    if (HRESULT hr = GrowSlots(fontSlots_, slot); FAILED(hr)) return hr;
    fontSlots_[static_cast<int>(slot)] = GetGlobalResourceManager().AcquireFont(face, height, weight);
    return S_OK;
}

GuiTextureNode* GuiDialog::GetTexture(UINT slot) {
    if (slot >= static_cast<UINT>(textureSlots_.GetSize())) return nullptr;
    return GetGlobalResourceManager().GetTextureNode(textureSlots_[static_cast<int>(slot)]);
}

GuiFontNode* GuiDialog::GetFont(UINT slot) {
    if (slot >= static_cast<UINT>(fontSlots_.GetSize())) return nullptr;
    return GetGlobalResourceManager().GetFontNode(fontSlots_[static_cast<int>(slot)]);
}

HRESULT GuiDialog::RegisterDefaultElement(UINT controlType, UINT elementIndex, const GuiElement& element) {
    for (GuiElementHolder* holder : defaultElements_) {
        if (holder->controlType == controlType && holder->elementIndex == elementIndex) {
            holder->element = element;
            return S_OK;
        }
    }
    auto* holder = new (std::nothrow) GuiElementHolder{controlType, elementIndex, element};
    if (holder == nullptr) return E_OUTOFMEMORY;
    if (HRESULT hr = defaultElements_.Add(holder); FAILED(hr)) {
        delete holder;
        return hr;
    }
    return S_OK;
}

GuiElement* GuiDialog::FindDefaultElement(UINT controlType, UINT elementIndex) {
    for (GuiElementHolder* holder : defaultElements_) {
        if (holder->controlType == controlType && holder->elementIndex == elementIndex) return &holder->element;
    }
    return nullptr;
}

void GuiDialog::SetBackgroundColours(D3DCOLOR topLeft, D3DCOLOR topRight, D3DCOLOR bottomLeft,
                                     D3DCOLOR bottomRight) {
    background_[0] = topLeft;
    background_[1] = topRight;
    background_[2] = bottomLeft;
    background_[3] = bottomRight;
}

void GuiDialog::SetCaptionText(LPCWSTR text) { CopyLimitedText(caption_, kCaptionLength, text); }

void GuiDialog::SendEvent(UINT event, bool fromInput, GuiControl* control) {
    if (callback_ == nullptr || (!fromInput && !programmaticEvents_)) return;
    callback_(event, control->id, control);
}

}  // namespace ondrel::gui
