#pragma once
// The bridge between Win32-shaped window handles and the SDL windows behind
// them, for the graphics backend that renders into the window with OpenGL.
// Every window the SDL backend creates carries SDL_WINDOW_OPENGL and stays
// hidden until ShowWindow.

#include "platform/win32/WinTypes.h"

struct SDL_Window;

// The SDL window behind a handle; nullptr for a null, destroyed or
// non-SDL handle (for example one made by the scripted backend).
SDL_Window* SdlWindowOf(HWND window);

// The handle of a window created through CreateWindowExW; nullptr for an SDL
// window that was not created that way.
HWND HwndOfSdlWindow(SDL_Window* window);
