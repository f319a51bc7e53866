#pragma once
// The OpenGL backend: the system object over the displays SDL reports, and
// devices rendering with OpenGL 3.3 into the SDL window behind a HWND.

#include "platform/d3d9/D3D9Interfaces.h"

namespace ondrel::graphics {

// A new OpenGL system object, or null when SDL's video subsystem cannot start.
IDirect3D9* CreateOpenGlDirect3D(UINT sdkVersion);

// Makes the OpenGL backend the one Direct3DCreate9 uses, under the name
// "opengl". Device windows are found through the window system's native
// window lookup (platform/win32/NativeWindowLookup.h), which must answer SDL
// windows.
inline constexpr const char* kOpenGlBackendName = "opengl";
void UseOpenGlBackend();

// Starts video and loads the GL driver for the rest of the process. Device
// changes then reuse the loaded driver, and its allocations that last until
// exit stay attributed to it, since it is never unloaded under them.
void KeepGlDriverLoaded();

}  // namespace ondrel::graphics
