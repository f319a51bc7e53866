#pragma once
// The warning for a map whose coordinates leave the range editors and
// compilers work in, with the largest scale that keeps them inside.

#include <optional>
#include <string>

#include "conversion/ConversionJob.h"

namespace ondrel::cli {

bool LeavesBounds(const conversion::ConversionResult& result, double bounds);

// Every written coordinate is a source point scaled, or one pushed out from
// a scaled point by at most the larger extrusion factor; the source points
// are written too, so the farthest scaled coordinate bounds them. Rounded
// down to four significant digits; nothing when no scale of 0.1 or more
// fits (the extrusion alone leaves the range).
std::optional<float> LargestScaleWithin(double farthestScaled, double bounds,
                                        const ConversionParameters& parameters);

// "level.txt: coordinates reach 40960, beyond the practical range of
//  +-32768; --scale 31.99 or less fits"
std::string FormatBoundsWarning(const conversion::ConversionResult& result, double bounds,
                                const ConversionParameters& parameters);

}  // namespace ondrel::cli
