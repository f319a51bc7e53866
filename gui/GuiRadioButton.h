#pragma once
// A radio button: a check box whose group has at most one checked member.

#include "gui/GuiCheckBox.h"

namespace ondrel::gui {

class GuiRadioButton : public GuiCheckBox {
public:
    explicit GuiRadioButton(GuiDialog* owner);

    // With clearGroup, the rest of the group is unchecked first.
    virtual void ApplyChecked(bool checked, bool clearGroup, bool fromInput);

    UINT group = 0;

protected:
    void Activate() override;

private:
    // The check box's two-argument form would bypass the group; keep it for
    // the dialog's group clearing only.
    using GuiCheckBox::ApplyChecked;
};

}  // namespace ondrel::gui
