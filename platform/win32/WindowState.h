#pragma once
// The window bookkeeping shared by the Win32 calls and the backend intake:
// reading the geometry and telling the window procedure when it changes.

#include "platform/win32/PlatformSession.h"

namespace ondrel::platform {

// The client area in screen coordinates as the backend has it.
RECT ClientRectOnScreen(HWND window);
RECT WindowRectFromClient(const RECT& client, DWORD style);
RECT ClientRectFromWindow(const RECT& outer, DWORD style);
// WS_VISIBLE, WS_MINIMIZE and WS_MAXIMIZE follow the state.
DWORD VisibleStyle(const PlatformWindow& window);

// Sends WM_SIZE / WM_MOVE for whatever changed since the last report;
// byUser makes them a step of a drag (see SizeMoveGesture.h).
void ReportGeometryChange(HWND window, bool byUser);
// Moves to a new show state or visibility, on the backend too when native
// is set, and sends WM_SHOWWINDOW / WM_SIZE as Win32 does.
void ChangeVisibility(HWND window, bool visible, bool native);
void ChangeShowState(HWND window, ShowState state, bool native);
// Asks the window procedure for its tracking limits (WM_GETMINMAXINFO) and
// hands the minimum to the backend.
void ApplyTrackingLimits(HWND window);
WPARAM SizeKind(ShowState state);

}  // namespace ondrel::platform
