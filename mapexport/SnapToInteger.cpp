#include "mapexport/SnapToInteger.h"

#include <cmath>
#include <limits>

namespace ondrel {

std::int32_t SnapToInteger(float value) {
    constexpr float kTwoTo31 = 2147483648.0f;
    if (std::isnan(value)) return 0;
    if (value >= kTwoTo31) return std::numeric_limits<std::int32_t>::max();
    if (value < -kTwoTo31) return std::numeric_limits<std::int32_t>::min();
    const auto truncated = static_cast<std::int32_t>(value);
    // A value that is not whole has a magnitude below 2^23, so the step down
    // cannot overflow.
    if (static_cast<float>(truncated) != value && truncated < 0) return truncated - 1;
    return truncated;
}

}  // namespace ondrel
