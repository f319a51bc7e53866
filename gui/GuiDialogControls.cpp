// Adding, finding and removing a dialog's controls.

#include <new>

#include "gui/GuiButton.h"
#include "gui/GuiCheckBox.h"
#include "gui/GuiDialog.h"
#include "gui/GuiRadioButton.h"
#include "gui/GuiSharedState.h"
#include "gui/GuiStatic.h"

namespace ondrel::gui {

HRESULT GuiDialog::PrepareControl(GuiControl* control) {
    if (control == nullptr) return E_INVALIDARG;
    control->index = static_cast<UINT>(controls_.GetSize());
    for (GuiElementHolder* holder : defaultElements_) {
        if (holder->controlType == static_cast<UINT>(control->type)) {
            if (HRESULT hr = control->SetElement(holder->elementIndex, holder->element); FAILED(hr)) return hr;
        }
    }
    return control->Setup();
}

HRESULT GuiDialog::AdoptControl(GuiControl* control) {
    if (control == nullptr) return E_OUTOFMEMORY;
    HRESULT hr = PrepareControl(control);
    if (SUCCEEDED(hr)) hr = controls_.Add(control);
    if (FAILED(hr)) delete control;
    return hr;
}

void GuiDialog::PlaceControl(GuiControl* control, int id, int x, int y, int width, int height, bool isDefault) {
    control->id = id;
    control->x = x;
    control->y = y;
    control->width = width;
    control->height = height;
    control->UpdateRectangles();
    control->isDefault = isDefault;
}

HRESULT GuiDialog::AddStatic(int id, LPCWSTR text, int x, int y, int width, int height, bool isDefault,
                             GuiStatic** created) {
    GuiStatic* control = MakeControl(created);
    if (HRESULT hr = AdoptControl(control); FAILED(hr)) return hr;
    if (created != nullptr) *created = control;
    control->SetText(text);
    PlaceControl(control, id, x, y, width, height, isDefault);
    return S_OK;
}

HRESULT GuiDialog::AddButton(int id, LPCWSTR text, int x, int y, int width, int height, UINT hotkey,
                             bool isDefault, GuiButton** created) {
    GuiButton* control = MakeControl(created);
    if (HRESULT hr = AdoptControl(control); FAILED(hr)) return hr;
    if (created != nullptr) *created = control;
    control->SetText(text);
    PlaceControl(control, id, x, y, width, height, isDefault);
    control->hotkey = hotkey;
    return S_OK;
}

HRESULT GuiDialog::AddCheckBox(int id, LPCWSTR text, int x, int y, int width, int height, bool checked,
                               UINT hotkey, bool isDefault, GuiCheckBox** created) {
    GuiCheckBox* control = MakeControl(created);
    if (HRESULT hr = AdoptControl(control); FAILED(hr)) return hr;
    if (created != nullptr) *created = control;
    control->SetText(text);
    PlaceControl(control, id, x, y, width, height, isDefault);
    control->hotkey = hotkey;
    control->ApplyChecked(checked, false);
    return S_OK;
}

HRESULT GuiDialog::AddRadioButton(int id, UINT group, LPCWSTR text, int x, int y, int width, int height,
                                  bool checked, UINT hotkey, bool isDefault, GuiRadioButton** created) {
    GuiRadioButton* control = MakeControl(created);
    if (HRESULT hr = AdoptControl(control); FAILED(hr)) return hr;
    if (created != nullptr) *created = control;
    control->SetText(text);
    PlaceControl(control, id, x, y, width, height, isDefault);
    control->hotkey = hotkey;
    control->group = group;
    control->ApplyChecked(checked, true, false);
    return S_OK;
}

GuiControl* GuiDialog::FindControl(int id, GuiControlType type) {
    for (GuiControl* control : controls_) {
        if (control->id == id && control->type == type) return control;
    }
    return nullptr;
}

GuiControl* GuiDialog::FindControl(int id) {
    for (GuiControl* control : controls_) {
        if (control->id == id) return control;
    }
    return nullptr;
}

void GuiDialog::SetControlEnabled(int id, bool enabled) {
    if (GuiControl* control = FindControl(id)) control->SetEnabled(enabled);
}

void GuiDialog::DeleteAllControls() {
    GuiSharedState& shared = SharedGuiState();
    if (shared.focusedControl != nullptr && shared.focusedControl->dialog == this) shared.focusedControl = nullptr;
    for (GuiControl* control : controls_) delete control;
    controls_.RemoveAll();
    controlUnderMouse_ = nullptr;
}

void GuiDialog::UncheckRadioGroup(UINT group) {
    for (GuiControl* control : controls_) {
        if (control->type != GuiControlType::RadioButton) continue;
        auto* radio = static_cast<GuiRadioButton*>(control);
        if (radio->group == group) radio->ApplyChecked(false, false, false);
    }
}

}  // namespace ondrel::gui
