#pragma once
// Saves a device's back buffer as a PNG, read the way Direct3D 9 programs
// read it: GetBackBuffer, GetRenderTargetData into system memory, LockRect.

#include <string>

#include "platform/d3d9/D3D9.h"

namespace ondrel::scene {

bool SaveBackBufferPng(IDirect3DDevice9* device, const std::string& path, std::string* error);

}  // namespace ondrel::scene
