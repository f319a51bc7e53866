// How a dialog turns window messages into work for its caption and controls.

#include "framework/Framework.h"
#include "gui/GuiDialog.h"
#include "gui/GuiSharedState.h"

namespace ondrel::gui {
namespace {

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEMOVE && message <= WM_XBUTTONDBLCLK; }

bool ShiftHeld() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }

// Client coordinates of a mouse message. The wheel reports the cursor on the
// screen; every other mouse message reports it in the client area.
POINT MessagePoint(HWND window, UINT message, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_MOUSEWHEEL && window != nullptr) ScreenToClient(window, &point);
    return point;
}

}  // namespace

bool GuiDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT clientPoint = MessagePoint(window, message, lParam);
    if (hasCaption_ && HandleCaption(message, clientPoint)) return true;
    if (minimized_) return false;

    GuiControl* focused = SharedGuiState().focusedControl;
    const bool focusHere = OwnsFocus() && focused->IsEnabled();
    if (focusHere && focused->HandleMessage(message, wParam, lParam)) return true;

    if (message == WM_ACTIVATEAPP) {
        if (focusHere) {
            if (wParam == 0) focused->FocusLost();
            else focused->FocusGained();
        }
        return false;
    }
    if (IsKeyMessage(message)) return HandleKeyMessage(message, wParam, lParam);
    if (IsMouseMessage(message) && mouseInput_) {
        POINT point{clientPoint.x - x_, clientPoint.y - y_ - (hasCaption_ ? captionHeight_ : 0)};
        return HandleMouseMessage(message, point, wParam, lParam);
    }
    return false;
}

bool GuiDialog::HandleCaption(UINT message, POINT point) {
    const bool inBar = point.x >= x_ && point.x < x_ + width_ && point.y >= y_ && point.y < y_ + captionHeight_;
    GuiSharedState& shared = SharedGuiState();
    if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) && inBar) {
        shared.captionDrag = true;
        SetCapture(framework::GetCurrentWindow());
        return true;
    }
    if (message == WM_LBUTTONUP && shared.captionDrag) {
        // Released anywhere, the press is over: the capture must not outlive it.
        ReleaseCapture();
        shared.captionDrag = false;
        if (inBar) {
            minimized_ = !minimized_;
            return true;
        }
    }
    return false;
}

bool GuiDialog::HandleKeyMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    GuiControl* focused = SharedGuiState().focusedControl;
    if (OwnsFocus() && focused->IsEnabled() && focused->HandleKey(message, wParam, lParam)) return true;

    if (message == WM_KEYUP) {
        if (focused != nullptr && focused->type == GuiControlType::EditBox) return false;
        for (GuiControl* control : controls_) {
            // A disabled or hidden control does not answer its hotkey either.
            if (control->hotkey != 0 && control->hotkey == wParam && control->IsEnabled() && control->IsVisible()) {
                control->HotkeyPressed();
                return true;
            }
        }
        return false;
    }
    if (message != WM_KEYDOWN || !keyboardInput_) return false;
    switch (wParam) {
        case VK_TAB:
            if (focused == nullptr) FocusDefaultControl();
            else CycleFocus(!ShiftHeld());
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (focused == nullptr) return false;
            CycleFocus(wParam == VK_RIGHT || wParam == VK_DOWN);
            return true;
        default:
            return false;
    }
}

GuiControl* GuiDialog::ControlAtPoint(POINT point) {
    for (GuiControl* control : controls_) {
        if (control->ContainsPoint(point) && control->IsEnabled() && control->IsVisible()) return control;
    }
    return nullptr;
}

bool GuiDialog::HandleMouseMessage(UINT message, POINT point, WPARAM wParam, LPARAM lParam) {
    GuiControl* focused = SharedGuiState().focusedControl;
    if (OwnsFocus() && focused->IsEnabled() && focused->HandleMouse(message, point, wParam, lParam)) return true;

    GuiControl* hit = ControlAtPoint(point);
    if (hit != nullptr) {
        if (hit->HandleMouse(message, point, wParam, lParam)) return true;
    } else if (message == WM_LBUTTONDOWN && OwnsFocus()) {
        ClearFocus();
    }
    if (message == WM_MOUSEMOVE) TrackControlUnderMouse(point);
    return false;
}

void GuiDialog::TrackControlUnderMouse(POINT point) {
    GuiControl* now = ControlAtPoint(point);
    if (now == controlUnderMouse_) return;
    if (controlUnderMouse_ != nullptr) controlUnderMouse_->MouseLeft();
    controlUnderMouse_ = now;
    if (now != nullptr) now->MouseEntered();
}

}  // namespace ondrel::gui
