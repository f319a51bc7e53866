#pragma once
// The OpenGL backend: the system object over the displays SDL reports, and
// devices rendering with OpenGL 3.3 into the SDL window behind a HWND.

#include <functional>

#include "platform/d3d9/D3D9Interfaces.h"

struct SDL_Window;

namespace ondrel::graphics {

// A new OpenGL system object, or null when SDL's video subsystem cannot start.
IDirect3D9* CreateOpenGlDirect3D(UINT sdkVersion);

// How device windows are found. By default through the platform layer's
// SdlWindowOf; programs and tests that make SDL windows themselves install
// their own mapping.
using SdlWindowResolver = std::function<SDL_Window*(HWND)>;
void SetSdlWindowResolver(SdlWindowResolver resolver);
void ResetSdlWindowResolver();
SDL_Window* ResolveSdlWindow(HWND window);

}  // namespace ondrel::graphics
