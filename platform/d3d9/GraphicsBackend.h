#pragma once
// Which implementation Direct3DCreate9 hands out. The viewer runs on the
// OpenGL backend; tests install the recording backend (or their own factory)
// and put the default back afterwards.

#include <functional>

#include "platform/d3d9/D3D9Interfaces.h"

namespace ondrel::graphics {

// Makes a new system object with one reference, or null when none can be had.
using Direct3DFactory = std::function<IDirect3D9*(UINT sdkVersion)>;

void SetGraphicsBackend(Direct3DFactory factory);
void ResetGraphicsBackend();  // back to the OpenGL backend

// The factory Direct3DCreate9 currently uses.
const Direct3DFactory& CurrentGraphicsBackend();

}  // namespace ondrel::graphics
