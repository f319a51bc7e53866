#pragma once
// Umbrella header of the graphics utility library.

#include "gfxutil/GfxErrors.h"
#include "gfxutil/GfxFont.h"
#include "gfxutil/GfxMath.h"
#include "gfxutil/GfxSprite.h"
#include "gfxutil/GfxTexture.h"
#include "gfxutil/GfxVersion.h"
#include "gfxutil/TextFormat.h"
