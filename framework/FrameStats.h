#pragma once
// The one-line statistics text the application shows: a fixed part composed
// for each device, and the frame rate filled in about once a second.

#include "platform/d3d9/D3D9.h"
#include "platform/win32/Windows.h"

namespace ondrel::framework {

void BuildStaticFrameStats();
void UpdateFrameStats();
// The format's name ("D3DFMT_X8R8G8B8"); without prefix "X8R8G8B8";
// "Unknown format" for values that name no format.
LPCWSTR FormatName(D3DFORMAT format, bool withPrefix);

}  // namespace ondrel::framework
