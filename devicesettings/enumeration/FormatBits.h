#pragma once
// Bits per colour channel, depth bits and stencil bits of the formats the
// device search and the settings dialog compare; any other format gives 0.

#include "platform/d3d9/D3D9.h"

namespace ondrel::devicesettings {

UINT ColorChannelBits(D3DFORMAT format);
UINT DepthBits(D3DFORMAT format);
UINT StencilBits(D3DFORMAT format);

}  // namespace ondrel::devicesettings
