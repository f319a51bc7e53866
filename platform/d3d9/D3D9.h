#pragma once
// Umbrella header of the Direct3D 9 interface: types, constants, object
// interfaces and the entry point. Which implementation answers is chosen in
// GraphicsBackend.h.

#include "platform/d3d9/D3D9Interfaces.h"
#include "platform/d3d9/D3D9Types.h"
#include "platform/d3d9/GraphicsBackend.h"

// The system object of the current backend with one reference, or null when
// the SDK version is not D3D_SDK_VERSION or the backend cannot start.
IDirect3D9* Direct3DCreate9(UINT sdkVersion);
