#include "gui/GuiRadioButton.h"

#include "gui/GuiDialog.h"

namespace ondrel::gui {

GuiRadioButton::GuiRadioButton(GuiDialog* owner) : GuiCheckBox(owner) { type = GuiControlType::RadioButton; }

void GuiRadioButton::ApplyChecked(bool checkedNow, bool clearGroup, bool fromInput) {
    if (checkedNow && clearGroup) dialog->UncheckRadioGroup(group);
    checked = checkedNow;
    dialog->SendEvent(RadioButtonChanged, fromInput, this);
}

// Activating a checked radio button keeps it checked and still reports it.
void GuiRadioButton::Activate() { ApplyChecked(true, true, true); }

}  // namespace ondrel::gui
