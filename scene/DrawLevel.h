#pragma once
// Draws the level in one call: the converted solids when there are any,
// else the imported triangles, lit, vertex-coloured, back faces culled.

#include "gfxutil/GfxMath.h"
#include "level/LevelData.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::scene {

// The whole transformation goes into the world matrix (view and projection
// stay identity), so lighting happens in that space too. Always 1.
int DrawLevel(LevelData& level, IDirect3DDevice9* device, const GFXMATRIX& view, const GFXMATRIX& projection);

}  // namespace ondrel::scene
