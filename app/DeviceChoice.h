#pragma once
// Which devices the viewer can use and how they process vertices; the
// framework asks these while it searches for and creates a device.

#include "framework/DeviceSettings.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::app {

// Pixel shaders 1.1 or newer, and a back-buffer format that blends after
// the pixel shader when used as a texture.
bool AcceptDevice(const D3DCAPS9* caps, D3DFORMAT adapterFormat, D3DFORMAT backBufferFormat, bool windowed);

// Hardware vertex processing (pure when offered) on hardware transform and
// lighting with vertex shaders 1.1 or newer; software otherwise.
bool AdjustDeviceSettings(framework::DeviceSettings* settings, const D3DCAPS9* caps);

}  // namespace ondrel::app
