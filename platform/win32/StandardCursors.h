#pragma once
// The pictures of the standard cursors, drawn for the hardware cursor that a
// full-screen device shows.

#include "platform/win32/PlatformWindow.h"
#include "platform/win32/WinCursor.h"

namespace ondrel::platform {

// The record for a standard cursor id (IDC_*), or null for an unknown id.
HCURSOR StandardCursor(LPCWSTR id);
// The picture of a standard cursor; shapes without their own picture use the arrow's.
void DrawStandardCursor(const PlatformCursor& cursor, CursorImage& image);

}  // namespace ondrel::platform
