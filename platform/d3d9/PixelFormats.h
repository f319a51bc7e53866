#pragma once
// The pixel formats the layer can hold in memory, and conversion of single
// pixels to and from 32-bit ARGB.

#include "platform/d3d9/D3D9Types.h"

namespace ondrel::graphics {

// Bytes of one pixel; 0 for a format the layer cannot store (compressed,
// depth, video, floating point).
UINT BytesPerPixel(D3DFORMAT format);
inline bool IsStorableFormat(D3DFORMAT format) { return BytesPerPixel(format) != 0; }

bool IsDepthStencilFormat(D3DFORMAT format);
bool HasAlphaChannel(D3DFORMAT format);

// A pixel as A8R8G8B8. Formats without alpha read as opaque; alpha-only and
// luminance formats follow Direct3D 9's sampling rules (A8 reads black).
DWORD ReadArgb(D3DFORMAT format, const BYTE* pixel);
void WriteArgb(D3DFORMAT format, BYTE* pixel, DWORD argb);

}  // namespace ondrel::graphics
