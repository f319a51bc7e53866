#pragma once
// d3d9.dll, loaded once from the system folder and kept for the life of the
// process: Direct3DCreate9 and the optional performance-marker calls.

#include "platform/d3d9/D3D9.h"

namespace ondrel::framework {

// A new Direct3D interface, or null when the library or its entry is missing.
IDirect3D9* LoadDirect3D(UINT sdkVersion);
// Forgets the loaded library so the next LoadDirect3D looks again. For tests.
void ResetDirect3DLibrary();

}  // namespace ondrel::framework
