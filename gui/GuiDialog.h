#pragma once
// A dialog of controls drawn over the scene: it owns its controls, routes
// the window's keyboard and mouse messages to them, keeps the focus, draws
// its background, caption and controls each frame, and reports what the
// user did to one callback.

#include <new>

#include "devicesettings/enumeration/GrowableArray.h"
#include "gui/GuiControl.h"
#include "gui/GuiControlType.h"
#include "gui/GuiElement.h"
#include "gui/GuiEvent.h"
#include "gui/GuiResourceManager.h"
#include "platform/d3d9/D3D9.h"
#include "platform/win32/Windows.h"

namespace ondrel::gui {

class GuiStatic;
class GuiButton;
class GuiCheckBox;
class GuiRadioButton;
class GuiEditBox;
class GuiComboBox;

inline constexpr int kCaptionLength = 256;
inline constexpr int kControlTextLength = 260;  // at most 259 used

// A control type's default look for one element index.
struct GuiElementHolder {
    UINT controlType = 0;
    UINT elementIndex = 0;
    GuiElement element;
};

class GuiDialog {
public:
    GuiDialog();
    ~GuiDialog();
    GuiDialog(const GuiDialog&) = delete;
    GuiDialog& operator=(const GuiDialog&) = delete;

    // --- tables
    HRESULT SetTextureSlot(UINT slot, LPCWSTR fileName);
    HRESULT SetFontSlot(UINT slot, LPCWSTR face, LONG height, LONG weight);
    // Null for an unset slot.
    GuiTextureNode* GetTexture(UINT slot);
    GuiFontNode* GetFont(UINT slot);
    HRESULT RegisterDefaultElement(UINT controlType, UINT elementIndex, const GuiElement& element);
    GuiElement* FindDefaultElement(UINT controlType, UINT elementIndex);

    // --- controls
    // Index, default elements, then the control's own Setup.
    HRESULT PrepareControl(GuiControl* control);
    HRESULT AddStatic(int id, LPCWSTR text, int x, int y, int width, int height, bool isDefault = false,
                      GuiStatic** created = nullptr);
    HRESULT AddButton(int id, LPCWSTR text, int x, int y, int width, int height, UINT hotkey = 0,
                      bool isDefault = false, GuiButton** created = nullptr);
    HRESULT AddCheckBox(int id, LPCWSTR text, int x, int y, int width, int height, bool checked = false,
                        UINT hotkey = 0, bool isDefault = false, GuiCheckBox** created = nullptr);
    HRESULT AddRadioButton(int id, UINT group, LPCWSTR text, int x, int y, int width, int height,
                           bool checked = false, UINT hotkey = 0, bool isDefault = false,
                           GuiRadioButton** created = nullptr);
    // Defined beside their controls.
    HRESULT AddEditBox(int id, LPCWSTR text, int x, int y, int width, int height, bool isDefault = false,
                       GuiEditBox** created = nullptr);
    HRESULT AddComboBox(int id, int x, int y, int width, int height, UINT hotkey = 0, bool isDefault = false,
                        GuiComboBox** created = nullptr);

    // The shared steps of every Add: a control made with new (nothrow) is
    // prepared and appended (deleted on failure), then placed.
    HRESULT AdoptControl(GuiControl* control);
    // The first step of every Add: the out-parameter holds null until the
    // control is in the dialog.
    template <class Control>
    Control* MakeControl(Control** created) {
        if (created != nullptr) *created = nullptr;
        return new (std::nothrow) Control(this);
    }
    static void PlaceControl(GuiControl* control, int id, int x, int y, int width, int height, bool isDefault);

    GuiControl* FindControl(int id, GuiControlType type);
    GuiControl* FindControl(int id);
    int ControlCount() const { return controls_.GetSize(); }
    GuiControl* ControlAt(int index) { return controls_[index]; }
    void SetControlEnabled(int id, bool enabled);
    void DeleteAllControls();
    void UncheckRadioGroup(UINT group);

    // --- settings
    void SetLocation(int left, int top) { x_ = left; y_ = top; }
    void SetSize(int w, int h) { width_ = w; height_ = h; }
    void SetBackgroundColours(D3DCOLOR topLeft, D3DCOLOR topRight, D3DCOLOR bottomLeft, D3DCOLOR bottomRight);
    void SetBackgroundColours(D3DCOLOR all) { SetBackgroundColours(all, all, all, all); }
    void EnableCaption(bool on) { hasCaption_ = on; }
    void SetCaptionText(LPCWSTR text);
    void SetCallback(GuiEventCallback callback) { callback_ = callback; }
    void EnableKeyboardInput(bool on) { keyboardInput_ = on; }
    void EnableMouseInput(bool on) { mouseInput_ = on; }
    void EnableProgrammaticEvents(bool on) { programmaticEvents_ = on; }

    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int CaptionHeight() const { return captionHeight_; }
    bool HasCaption() const { return hasCaption_; }
    bool IsMinimized() const { return minimized_; }
    bool KeyboardInput() const { return keyboardInput_; }
    bool MouseInput() const { return mouseInput_; }
    bool ProgrammaticEvents() const { return programmaticEvents_; }
    GuiControl* ControlUnderMouse() const { return controlUnderMouse_; }
    GuiElement& CaptionElement() { return captionElement_; }

    // --- input, drawing
    bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HRESULT Render(float elapsedTime);
    void Refresh();
    // Rectangles are in dialog coordinates.
    HRESULT DrawElementSprite(GuiElement* element, const RECT* rect);
    HRESULT DrawElementText(LPCWSTR text, GuiElement* element, const RECT* rect, bool shadow = false, int count = -1);
    HRESULT DrawFilledRect(const RECT* rect, D3DCOLOR colour);

    // Sends to the callback when there is one and the change came from the
    // user or programmatic changes are reported too.
    void SendEvent(UINT event, bool fromInput, GuiControl* control);

    // --- the focus, shared by all dialogs
    static void GiveFocus(GuiControl* control);
    static void ClearFocus();
    static GuiControl* FocusedControl();

private:
    bool OwnsFocus() const;
    bool HandleCaption(UINT message, POINT point);
    bool HandleKeyMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleMouseMessage(UINT message, POINT point, WPARAM wParam, LPARAM lParam);
    void TrackControlUnderMouse(POINT point);
    GuiControl* ControlAtPoint(POINT point);
    void CycleFocus(bool forward);
    void FocusDefaultControl();
    void SetUpDefaultElements();
    HRESULT SetUpDeviceState(IDirect3DDevice9* device);
    void DrawBackground(IDirect3DDevice9* device);
    void DrawCaption();
    void RenderControls(IDirect3DDevice9* device, float elapsedTime);
    RECT ToScreen(const RECT& rect) const;

    bool programmaticEvents_ = false;
    bool keyboardInput_ = false;
    bool mouseInput_ = true;
    double lastRefreshTime_ = 0.0;
    GuiControl* controlUnderMouse_ = nullptr;
    bool hasCaption_ = false;
    bool minimized_ = false;
    WCHAR caption_[kCaptionLength] = {};
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    int captionHeight_ = 18;
    D3DCOLOR background_[4] = {};
    GuiEventCallback callback_ = nullptr;
    devicesettings::GrowableArray<int> textureSlots_;
    devicesettings::GrowableArray<int> fontSlots_;
    devicesettings::GrowableArray<GuiControl*> controls_;
    devicesettings::GrowableArray<GuiElementHolder*> defaultElements_;
    GuiElement captionElement_;
};

}  // namespace ondrel::gui
