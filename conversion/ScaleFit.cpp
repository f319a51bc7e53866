#include "conversion/ScaleFit.h"

#include <algorithm>
#include <cmath>

#include "level/LevelData.h"

namespace ondrel::conversion {
namespace {

// The largest float below 2^31: the largest scaled value that is not clamped.
constexpr double kLargestUnclamped = 2147483520.0;

// Float rounding in the conversion and the writer moves a point by a few
// parts in 10^8; this keeps the advice on the safe side of it.
constexpr double kRoundingMargin = 1e-6;

// The distance from the origin, in level units, of the source point farthest
// from it on any axis. Only whole triangles are written.
double FarthestFromOrigin(const LevelData& level, const float (&origin)[3]) {
    double farthest = 0.0;
    const std::uint32_t written = level.sourceCount / 3 * 3;
    for (std::uint32_t i = 0; i < written; ++i) {
        const LevelVertex& v = level.sourceVertices[i];
        const float position[3] = {v.x, v.y, v.z};
        for (int axis = 0; axis < 3; ++axis) {
            const double distance = std::fabs(double(position[axis]) - double(origin[axis]));
            if (!(distance <= farthest)) farthest = distance;  // NaN spreads: nothing fits
        }
    }
    return farthest;
}

double RoundDownToFourDigits(double value) {
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 3.0);
    return std::floor(value / unit) * unit;
}

}  // namespace

std::optional<float> LargestFittingScale(const LevelData& level, const float (&origin)[3],
                                         const ConversionParameters& parameters) {
    // A written point is a source point, or one pushed out from it (or from
    // its triangle's centre) along the unit normal by a factor's height in
    // map units: |scaled| <= farthest * scale + factor.
    const double extrusion = std::max(parameters.extrudeFactorTris, parameters.extrudeFactorBlocks);
    const double farthest = FarthestFromOrigin(level, origin);
    if (!std::isfinite(farthest) || !std::isfinite(extrusion) || extrusion >= kLargestUnclamped) {
        return std::nullopt;
    }
    if (farthest == 0.0) return std::nullopt;  // only the extrusion was clamped, at any scale
    const double scale = RoundDownToFourDigits((kLargestUnclamped - extrusion) / farthest * (1.0 - kRoundingMargin));
    if (!(scale >= kMinimumFactor)) return std::nullopt;
    return static_cast<float>(scale);
}

}  // namespace ondrel::conversion
