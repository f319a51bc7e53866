#pragma once
// The records behind HWND and HCURSOR. Only the platform layer and its
// backends look inside.

#include <string>

#include "platform/win32/PlatformServices.h"
#include "platform/win32/WinMessages.h"

struct PlatformWindow {
    // From the window class.
    std::u16string className;
    UINT classStyle = 0;
    WNDPROC procedure = nullptr;
    HCURSOR classCursor = nullptr;
    HICON classIcon = nullptr;
    HINSTANCE instance = nullptr;

    // Style bits other than WS_VISIBLE, WS_MINIMIZE and WS_MAXIMIZE, which
    // follow the state below.
    DWORD style = 0;
    DWORD exStyle = 0;
    std::u16string title;
    HWND parent = nullptr;
    HMENU menu = nullptr;
    LONG_PTR userData = 0;

    bool visible = false;
    ondrel::platform::ShowState showState = ondrel::platform::ShowState::Normal;
    // The client area (screen coordinates) to return to from minimised or
    // maximised.
    RECT restoredClient{};
    // What the last WM_SIZE / WM_MOVE told the window procedure.
    SIZE reportedClientSize{};
    POINT reportedClientOrigin{};
    bool needsPaint = false;
    bool restoreToMaximized = false;
    bool destroying = false;
    // A drag by the user is under way (WM_ENTERSIZEMOVE sent, WM_EXITSIZEMOVE
    // not yet) and when its last step came.
    bool inSizeMove = false;
    DWORD lastSizeMoveStepMs = 0;

    // The backend's own object and a tag telling which backend made it.
    void* native = nullptr;
    const void* nativeKind = nullptr;
};

// The standard cursors; one static record per shape.
struct PlatformCursor {
    int resourceId;
};
