#pragma once
// Turning every level triangle into one convex solid: a prism ("Block") for
// a triangle that faces along an axis, a pyramid ("Tri") for any other.

#include "level/LevelData.h"
#include "mapexport/ConversionParameters.h"

namespace ondrel {

// Rebuilds the level's brushes, preview (records and buffer) and export
// origin from its imported triangles, under the level's lock. False when
// there is nothing to convert, or memory or the preview buffer cannot be
// had; what each failure leaves behind is described beside the tests.
bool ConvertToSolids(LevelData& level, const ConversionParameters& parameters);

}  // namespace ondrel
