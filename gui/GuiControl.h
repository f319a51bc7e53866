#pragma once
// The base of every control a dialog holds: placement, the elements it is
// drawn with, and the virtual operations the dialog routes input, focus and
// drawing through. The order of the virtual operations is fixed (derived
// controls add theirs after UpdateRectangles).

#include "devicesettings/enumeration/GrowableArray.h"
#include "gui/GuiControlType.h"
#include "gui/GuiElement.h"
#include "platform/d3d9/D3D9.h"
#include "platform/win32/Windows.h"

namespace ondrel::gui {

class GuiDialog;

class GuiControl {
public:
    explicit GuiControl(GuiDialog* owner);
    GuiControl(const GuiControl&) = delete;
    GuiControl& operator=(const GuiControl&) = delete;

    virtual ~GuiControl();
    virtual HRESULT Setup();
    // Forgets hover and focus; every element fades in again from hidden.
    virtual void Refresh();
    virtual void Render(IDirect3DDevice9* device, float elapsedTime);
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual bool HandleKey(UINT message, WPARAM wParam, LPARAM lParam);
    // point is in dialog coordinates.
    virtual bool HandleMouse(UINT message, POINT point, WPARAM wParam, LPARAM lParam);
    virtual bool CanTakeFocus();
    virtual void FocusGained();
    virtual void FocusLost();
    virtual void MouseEntered();
    virtual void MouseLeft();
    virtual void HotkeyPressed();
    // Left and top inclusive, right and bottom exclusive.
    virtual bool ContainsPoint(POINT point);
    virtual void SetEnabled(bool enable);
    virtual bool IsEnabled();
    virtual void SetVisible(bool show);
    virtual bool IsVisible();
    // The normal-state font colour of element 0, when there is one.
    virtual void SetTextColour(D3DCOLOR colour);
    virtual void UpdateRectangles();

    // Stores a copy at index, growing the list with blank elements.
    HRESULT SetElement(UINT elementIndex, const GuiElement& element);
    // Null when the control has no element there.
    GuiElement* GetElement(UINT elementIndex);
    void SetLocation(int left, int top) { x = left; y = top; UpdateRectangles(); }
    void SetSize(int w, int h) { width = w; height = h; UpdateRectangles(); }

    bool visible = true;
    bool mouseOver = false;
    bool hasFocus = false;
    bool isDefault = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    GuiDialog* dialog;
    UINT index = 0;
    devicesettings::GrowableArray<GuiElement> elements;
    int id = 0;
    GuiControlType type = GuiControlType::Button;
    UINT hotkey = 0;
    void* userData = nullptr;
    bool enabled = true;
    RECT boundingBox{};
};

}  // namespace ondrel::gui
