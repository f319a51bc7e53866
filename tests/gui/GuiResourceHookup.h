#pragma once
// The dialogs' shared resources on a test's device, hooked up the way the
// framework does it: made right after the device, gone right before it.

#include "platform/d3d9/D3D9.h"

namespace ondrel::testing {

// Creates and resets the global resource manager's objects on device.
void ConnectGuiResources(IDirect3DDevice9* device);
// Loses and destroys them, then forgets the manager so the next test starts
// without one.
void DisconnectGuiResources();

}  // namespace ondrel::testing
