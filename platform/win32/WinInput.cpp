#include "platform/win32/WinInput.h"

#include "platform/win32/PlatformSession.h"
#include "platform/win32/WinMessages.h"

using ondrel::platform::LiveWindow;
using ondrel::platform::Services;
using ondrel::platform::Session;

SHORT GetKeyState(int virtualKey) { return Session().KeyStates().State(virtualKey); }

SHORT GetAsyncKeyState(int virtualKey) { return Services().AsyncKeyState(virtualKey); }

HWND SetCapture(HWND window) {
    auto& input = Session().Input();
    HWND previous = input.capture;
    if (LiveWindow(window) == nullptr) return previous;
    input.capture = window;
    if (previous == nullptr) Services().CaptureMouse(true);
    if (previous != nullptr && previous != window && LiveWindow(previous)) {
        SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    }
    return previous;
}

BOOL ReleaseCapture() {
    auto& input = Session().Input();
    HWND previous = input.capture;
    if (previous == nullptr) return TRUE;
    input.capture = nullptr;
    Services().CaptureMouse(false);
    if (LiveWindow(previous)) SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return Session().Input().capture; }
