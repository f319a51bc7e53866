// The one keyboard focus all dialogs share, and a dialog's refresh.

#include "gui/GuiDialog.h"
#include "gui/GuiSharedState.h"

namespace ondrel::gui {

void GuiDialog::GiveFocus(GuiControl* control) {
    GuiSharedState& shared = SharedGuiState();
    if (control == nullptr || shared.focusedControl == control || !control->CanTakeFocus()) return;
    if (shared.focusedControl != nullptr) shared.focusedControl->FocusLost();
    control->FocusGained();
    shared.focusedControl = control;
}

void GuiDialog::ClearFocus() {
    GuiSharedState& shared = SharedGuiState();
    if (shared.focusedControl != nullptr) shared.focusedControl->FocusLost();
    shared.focusedControl = nullptr;
}

GuiControl* GuiDialog::FocusedControl() { return SharedGuiState().focusedControl; }

bool GuiDialog::OwnsFocus() const {
    const GuiControl* focused = SharedGuiState().focusedControl;
    return focused != nullptr && focused->dialog == this;
}

void GuiDialog::FocusDefaultControl() {
    for (GuiControl* control : controls_) {
        if (control->isDefault) {
            GiveFocus(control);
            return;
        }
    }
}

void GuiDialog::CycleFocus(bool forward) {
    if (!OwnsFocus() || controls_.Empty()) return;
    GuiControl* const start = SharedGuiState().focusedControl;
    const int count = controls_.GetSize();
    int index = static_cast<int>(start->index);
    for (int step = 0; step < 0xFFFF; ++step) {
        index = forward ? (index + 1) % count : (index + count - 1) % count;
        GuiControl* candidate = controls_[index];
        if (candidate == start) return;
        if (candidate->dialog->KeyboardInput() && candidate->CanTakeFocus()) {
            GiveFocus(candidate);
            return;
        }
    }
}

void GuiDialog::Refresh() {
    GuiSharedState& shared = SharedGuiState();
    if (shared.focusedControl != nullptr) shared.focusedControl->FocusLost();
    if (controlUnderMouse_ != nullptr) controlUnderMouse_->MouseLeft();
    shared.focusedControl = nullptr;
    controlUnderMouse_ = nullptr;
    for (GuiControl* control : controls_) control->Refresh();
    if (keyboardInput_) FocusDefaultControl();
}

}  // namespace ondrel::gui
