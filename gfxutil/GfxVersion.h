#pragma once
// The utility library's version, checked by the framework at start-up.

#include "platform/win32/WinTypes.h"

inline constexpr UINT GFX_SDK_VERSION = 22;

// True when the caller was built against the Direct3D and utility versions
// this library implements.
BOOL GfxCheckVersion(UINT d3dSdkVersion, UINT utilitySdkVersion);
