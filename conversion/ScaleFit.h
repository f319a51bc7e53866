#pragma once
// What to tell a user whose map coordinates were clamped: the largest scale
// at which none would have been.

#include <optional>

#include "mapexport/ConversionParameters.h"

namespace ondrel {
class LevelData;
}

namespace ondrel::conversion {

// The largest export scale at which no coordinate of the level's converted
// map leaves the 32-bit range, given the extrusion factors, rounded down to
// four significant digits so that the printed value fits too. Nothing when
// no scale of 0.1 or more fits (infinite coordinates, or an extrusion
// factor that alone is too large).
// `origin` is the one the map was written around.
std::optional<float> LargestFittingScale(const LevelData& level, const float (&origin)[3],
                                         const ConversionParameters& parameters);

}  // namespace ondrel::conversion
