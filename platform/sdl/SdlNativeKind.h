#pragma once
// Marks the windows the SDL backend made, and where it keeps their handle.

namespace ondrel::platform {

inline constexpr const char* kSdlHwndKey = "ondrel.hwnd";
const void* SdlNativeKind();

}  // namespace ondrel::platform
