// The window procedure: the settings dialog or the application first, then
// the framework's own handling of each message and of its keys.

#include "framework/Framework.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

namespace {

constexpr D3DCOLOR kDialogBackground = 0x00003F3F;

bool AltHeld(LPARAM lParam) { return (static_cast<std::uintptr_t>(lParam) & (1u << 29)) != 0; }

bool FullScreen() {
    DeviceSettings* settings = State().Get(&StateFields::currentSettings);
    return settings != nullptr && settings->presentParameters.Windowed == FALSE;
}

// False when the application asked that nothing more be done; result holds
// its answer then.
bool OfferToApplication(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    FrameworkState& state = State();
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_KEYUP || message == WM_SYSKEYUP) {
        if (KeyPressedCallback keyPressed = state.Get(&StateFields::keyPressedCallback)) {
            keyPressed(static_cast<UINT>(wParam), message == WM_KEYDOWN || message == WM_SYSKEYDOWN, AltHeld(lParam));
        }
    }
    if (WindowMessageCallback windowMessage = state.Get(&StateFields::windowMessageCallback)) {
        bool noFurtherProcessing = false;
        *result = windowMessage(window, message, wParam, lParam, &noFurtherProcessing);
        if (noFurtherProcessing) return false;
    }
    return true;
}

void OnSize(HWND window, WPARAM kind) {
    FrameworkState& state = State();
    HWND current = GetCurrentWindow();
    if (IsWindowed() && current != nullptr) {
        state.Set(&StateFields::windowedStyle, static_cast<DWORD>(GetWindowLongW(current, GWL_STYLE)));
    }
    (void)window;
    if (kind == SIZE_MINIMIZED) {
        if (state.Get(&StateFields::clipCursorWhenFullScreen) && FullScreen()) ClipCursor(nullptr);
        Pause(true, true);
        state.Set(&StateFields::minimized, true);
        state.Set(&StateFields::maximized, false);
    } else if (kind == SIZE_MAXIMIZED) {
        if (state.Get(&StateFields::minimized)) Pause(false, false);
        state.Set(&StateFields::minimized, false);
        state.Set(&StateFields::maximized, true);
        CheckWindowSize();
    } else if (kind == SIZE_RESTORED) {
        if (state.Get(&StateFields::maximized)) {
            state.Set(&StateFields::maximized, false);
            CheckWindowSize();
        } else if (state.Get(&StateFields::minimized)) {
            Pause(false, false);
            state.Set(&StateFields::minimized, false);
            CheckWindowSize();
        }
        // A drag-resize is followed at WM_EXITSIZEMOVE.
    }
}

void OnPaint() {
    FrameworkState& state = State();
    IDirect3DDevice9* device = state.Get(&StateFields::device);
    if (device == nullptr || !IsRenderingPaused() || !state.Get(&StateFields::deviceObjectsCreated) ||
        !state.Get(&StateFields::deviceObjectsReset)) {
        return;
    }
    double time = state.Get(&StateFields::time);
    float elapsed = state.Get(&StateFields::elapsedTime);
    SettingsDialogSteps* dialog = state.Get(&StateFields::settingsDialog);
    if (dialog != nullptr && state.Get(&StateFields::settingsDialogShown)) {
        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kDialogBackground, 1.0f, 0);
        device->BeginScene();
        dialog->Draw(elapsed);
        device->EndScene();
    } else if (FrameRenderCallback frameRender = state.Get(&StateFields::frameRenderCallback)) {
        frameRender(device, time, elapsed);
    }
    HRESULT presented = device->Present(nullptr, nullptr, nullptr, nullptr);
    if (presented == D3DERR_DEVICELOST || presented == D3DERR_DRIVERINTERNALERROR) {
        state.Set(&StateFields::deviceLost, true);
    }
}

void OnClose(HWND window) {
    if (HMENU menu = GetMenu(window)) DestroyMenu(menu);
    DestroyWindow(window);
    UnregisterClassW(kWindowClassName, nullptr);
    FrameworkState& state = State();
    state.Set(&StateFields::focusWindow, nullptr);
    state.Set(&StateFields::deviceWindowFullScreen, nullptr);
    state.Set(&StateFields::deviceWindowWindowed, nullptr);
}

bool OnSetCursor() {
    if (IsRenderingPaused() || !FullScreen()) return false;
    SetCursor(nullptr);
    IDirect3DDevice9* device = State().Get(&StateFields::device);
    if (device != nullptr && State().Get(&StateFields::showCursorWhenFullScreen)) device->ShowCursor(TRUE);
    return true;
}

void OnMouseMove() {
    IDirect3DDevice9* device = State().Get(&StateFields::device);
    if (IsRenderingPaused() || !FullScreen() || device == nullptr) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    device->SetCursorPosition(cursor.x, cursor.y, 0);
}

void FlipWireframe() {
    FrameworkState& state = State();
    bool wireframe = !state.Get(&StateFields::wireframe);
    state.Set(&StateFields::wireframe, wireframe);
    if (IDirect3DDevice9* device = state.Get(&StateFields::device)) {
        device->SetRenderState(D3DRS_FILLMODE, wireframe ? D3DFILL_WIREFRAME : D3DFILL_SOLID);
    }
}

void OnFrameworkKey(HWND window, WPARAM key) {
    switch (key) {
        case VK_ESCAPE:
            SendMessageW(window, WM_CLOSE, 0, 0);
            break;
        case VK_PAUSE:
            if (IsTimePaused()) Pause(false, false);
            else Pause(true, false);
            break;
        case VK_F2:
            ShowSettingsDialog(!IsSettingsDialogShown());
            break;
        case VK_F3:
            Pause(true, true);
            ToggleReference();
            Pause(false, false);
            break;
        case VK_F8:
            FlipWireframe();
            break;
        default:
            break;
    }
}

bool IgnoredInFullScreen(WPARAM command) {
    switch (command & 0xFFF0u) {
        case SC_SIZE:
        case SC_MOVE:
        case SC_MAXIMIZE:
        case SC_KEYMENU:
        case SC_MONITORPOWER:
            return FullScreen();
        default:
            return false;
    }
}

}  // namespace

LRESULT WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FrameworkState& state = State();
    SettingsDialogSteps* dialog = state.Get(&StateFields::settingsDialog);
    if (dialog != nullptr && state.Get(&StateFields::settingsDialogShown)) {
        dialog->MessageHandler(window, message, wParam, lParam);
    } else {
        LRESULT answer = 0;
        if (!OfferToApplication(window, message, wParam, lParam, &answer)) return answer;
    }

    bool hotkeys = state.Get(&StateFields::handleDefaultHotkeys);
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            break;
        case WM_SIZE:
            OnSize(window, wParam);
            break;
        case WM_PAINT:
            OnPaint();
            break;
        case WM_CLOSE:
            OnClose(window);
            return 0;
        case WM_ACTIVATEAPP:
            state.Set(&StateFields::active, wParam == static_cast<WPARAM>(TRUE));
            break;
        case WM_SETCURSOR:
            if (OnSetCursor()) return TRUE;
            break;
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{200, 200};
            break;
        case WM_NCHITTEST:
            if (FullScreen()) return HTCLIENT;
            break;
        case WM_KEYDOWN:
            if (hotkeys) OnFrameworkKey(window, wParam);
            break;
        case WM_SYSCHAR:
            if (hotkeys && wParam == VK_RETURN && AltHeld(lParam)) {
                Pause(true, true);
                ToggleFullScreen();
                Pause(false, false);
                return 0;
            }
            break;
        case WM_SYSCOMMAND:
            if (IgnoredInFullScreen(wParam)) return 1;
            break;
        case WM_MOUSEMOVE:
            OnMouseMove();
            break;
        case WM_ENTERMENULOOP:
        case WM_ENTERSIZEMOVE:
            Pause(true, true);
            break;
        case WM_EXITMENULOOP:
            Pause(false, false);
            break;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMQUERYSUSPEND || wParam == PBT_APMRESUMESUSPEND) return TRUE;
            break;
        case WM_EXITSIZEMOVE:
            Pause(false, false);
            CheckWindowSize();
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ShowSettingsDialog(bool show) {
    FrameworkState& state = State();
    state.Set(&StateFields::settingsDialogShown, show);
    if (!show) return;
    SettingsDialogSteps* dialog = state.Get(&StateFields::settingsDialog);
    if (dialog == nullptr) {
        SettingsDialogMaker maker = state.Get(&StateFields::settingsDialogMaker);
        if (maker == nullptr) {
            state.Set(&StateFields::settingsDialogShown, false);
            return;
        }
        dialog = maker();
        state.Set(&StateFields::settingsDialog, dialog);
        if (dialog == nullptr) {
            // Nothing to show: the scene goes on being drawn.
            state.Set(&StateFields::settingsDialogShown, false);
            return;
        }
        if (state.Get(&StateFields::deviceObjectsCreated)) dialog->OnCreateDevice(state.Get(&StateFields::device));
        if (state.Get(&StateFields::deviceObjectsReset)) dialog->OnResetDevice();
    }
    dialog->Refresh();
}

}  // namespace ondrel::framework
