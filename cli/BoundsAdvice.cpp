#include "cli/BoundsAdvice.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "cli/DisplayName.h"

namespace ondrel::cli {
namespace {

// Float rounding in the conversion moves a point by a few parts in 10^8;
// this keeps the advice on the safe side of it.
constexpr double kRoundingMargin = 1e-6;

double RoundDownToFourDigits(double value) {
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 3.0);
    return std::floor(value / unit) * unit;
}

double Farthest(const conversion::ConversionResult& result) {
    return std::max(-double(result.scaledLowest), double(result.scaledHighest));
}

std::string Plain(double value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

}  // namespace

bool LeavesBounds(const conversion::ConversionResult& result, double bounds) {
    return Farthest(result) > bounds;
}

std::optional<float> LargestScaleWithin(double farthestScaled, double bounds,
                                        const ConversionParameters& parameters) {
    const double extrusion = std::max(parameters.extrudeFactorTris, parameters.extrudeFactorBlocks);
    const double room = bounds - extrusion;
    if (!(room > 0.0) || !(farthestScaled > 0.0) || !std::isfinite(farthestScaled)) return std::nullopt;
    const double scale = RoundDownToFourDigits(parameters.exportScale * room / farthestScaled * (1.0 - kRoundingMargin));
    if (!(static_cast<float>(scale) >= kMinimumFactor)) return std::nullopt;
    return static_cast<float>(scale);
}

std::string FormatBoundsWarning(const conversion::ConversionResult& result, double bounds,
                                const ConversionParameters& parameters) {
    const std::optional<float> fits = LargestScaleWithin(Farthest(result), bounds, parameters);
    std::string advice = "no scale of 0.1 or more fits";
    if (fits) {
        char scale[64];
        const auto end = std::to_chars(scale, scale + sizeof scale, *fits);
        advice = "--scale " + std::string(scale, end.ptr) + " or less fits";
    }
    return DisplayName(result.input) + ": coordinates reach " + Plain(std::ceil(Farthest(result))) +
           ", beyond the practical range of +-" + Plain(bounds) + "; " + advice;
}

}  // namespace ondrel::cli
