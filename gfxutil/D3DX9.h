#pragma once
// Umbrella header of the graphics utility library.

#include "gfxutil/D3DXErrors.h"
#include "gfxutil/D3DXFont.h"
#include "gfxutil/D3DXMath.h"
#include "gfxutil/D3DXSprite.h"
#include "gfxutil/D3DXTexture.h"
#include "gfxutil/D3DXVersion.h"
#include "gfxutil/TextFormat.h"
