#pragma once
// A check box: a box (element 0, with the text beside it) and a check mark
// (element 1) that shows while checked.

#include "gui/GuiButton.h"

namespace ondrel::gui {

class GuiCheckBox : public GuiButton {
public:
    explicit GuiCheckBox(GuiDialog* owner);

    void Render(IDirect3DDevice9* device, float elapsedTime) override;
    bool ContainsPoint(POINT point) override;
    void UpdateRectangles() override;
    virtual void ApplyChecked(bool checked, bool fromInput);

    bool GetChecked() const { return checked; }

    bool checked = false;
    RECT boxRect{};
    RECT textRect{};

protected:
    void Activate() override;
    void FocusOnPress() override;
    void FocusOnRelease() override;
};

}  // namespace ondrel::gui
