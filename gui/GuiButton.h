#pragma once
// A push button: its face (element 0) and a fill layer over it (element 1),
// clicked by the mouse (released inside), the space bar or its hotkey.

#include "gui/GuiStatic.h"

namespace ondrel::gui {

class GuiButton : public GuiStatic {
public:
    explicit GuiButton(GuiDialog* owner);

    void Render(IDirect3DDevice9* device, float elapsedTime) override;
    bool HandleKey(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleMouse(UINT message, POINT point, WPARAM wParam, LPARAM lParam) override;
    bool CanTakeFocus() override;
    void HotkeyPressed() override;
    bool ContainsPoint(POINT point) override;

    bool pressed = false;

protected:
    // The button's reaction to a completed click; the check box and radio
    // button toggle instead.
    virtual void Activate();
    // What a mouse press and its release do to the focus.
    virtual void FocusOnPress();
    virtual void FocusOnRelease();
    bool HandlesInput() { return IsEnabled() && IsVisible(); }
    // The state the colours follow this frame.
    UINT CurrentState();
};

}  // namespace ondrel::gui
