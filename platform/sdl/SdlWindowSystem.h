#pragma once
// Puts a program on SDL windows: registers the "sdl" window system, selects
// it, and lets graphics backends find the SDL window behind each HWND.

namespace ondrel::platform {

inline constexpr const char* kSdlWindowSystemName = "sdl";

void UseSdlWindowSystem();

}  // namespace ondrel::platform
