#pragma once
// The one top-level window, its procedure and the framework's keys, and the
// window-side steps of a device change (style, placement, full-screen
// cursor) that the lifecycle runs.

#include "platform/d3d9/D3D9.h"
#include "platform/win32/Windows.h"

namespace ondrel::framework {

inline constexpr WCHAR kWindowClassName[] = u"Direct3DWindowClass";

HRESULT CreateAppWindow(LPCWSTR title, HINSTANCE instance, HICON icon, HMENU menu, int x, int y);
LRESULT WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void ShowSettingsDialog(bool show);
void CheckWindowSize();
void CheckMonitor();

// Steps of a device change (run by the lifecycle).
// The current device window's style for windowed or full-screen mode.
void SetWindowStyleForMode(bool windowed);
// Windowed settings only: move the window to the stored rectangle, keep it
// on its monitor, show it and store the new rectangles.
void PlaceWindowAfterDeviceChange();
// After every creation and reset: the device cursor and the cursor clip.
void SetupFullScreenCursor();
// The cursor's picture as the device's hardware cursor; failures leave the
// device cursor as it was.
HRESULT SetDeviceCursor(IDirect3DDevice9* device, HCURSOR cursor);

}  // namespace ondrel::framework
