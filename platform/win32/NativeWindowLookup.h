#pragma once
// How a graphics backend finds the native window behind a HWND, without
// knowing which window system made it. The window system that makes real
// windows installs its lookup when the program selects it (UseSdlWindowSystem
// does); programs and tests that make native windows themselves install
// their own. The answer is the window system's own window object (an
// SDL_Window for the SDL backend), or null for a handle it does not know.

#include <functional>

#include "platform/win32/WinTypes.h"

namespace ondrel::platform {

using NativeWindowLookup = std::function<void*(HWND)>;

// A null lookup is the same as ResetNativeWindowLookup.
void SetNativeWindowLookup(NativeWindowLookup lookup);
// Back to knowing no window at all.
void ResetNativeWindowLookup();
// Null for a null handle or one the installed lookup does not know.
void* NativeWindowOf(HWND window);

}  // namespace ondrel::platform
