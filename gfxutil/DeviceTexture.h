#pragma once
// Moving 32-bit CPU images into A8R8G8B8 textures of the managed pool.

#include "gfxutil/Image.h"
#include "platform/d3d9/D3D9Interfaces.h"

namespace gfxutil {

HRESULT CreateManagedTexture(IDirect3DDevice9* device, int width, int height, IDirect3DTexture9** texture);

// Writes the whole of level 0; the image must match the texture's size.
HRESULT UploadImage(IDirect3DTexture9* texture, const Image& image);

}  // namespace gfxutil
