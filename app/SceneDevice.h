#pragma once
// The scene's part in the device's life: its font and sprite, the level's
// vertex buffers, the camera's start view and projection, and the panels'
// places. The framework calls these around every creation, reset, loss and
// destruction of the device.

#include "platform/d3d9/D3D9.h"

namespace ondrel::app {

HRESULT DeviceCreated(IDirect3DDevice9* device, const D3DSURFACE_DESC* backBuffer);
HRESULT DeviceReset(IDirect3DDevice9* device, const D3DSURFACE_DESC* backBuffer);
void DeviceLost();
// Empties the level: its buffers belong to the device that is going.
void DeviceDestroyed();

}  // namespace ondrel::app
