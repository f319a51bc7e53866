#pragma once
// Brush faces whose points are already the whole numbers a map holds, in
// the level's axis order (the writer swaps y and z as for every face). The
// coplanar merge decides on these points, so it writes them as they are.

#include <cstdint>

namespace ondrel {

struct IntegerPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t z = 0;
    bool operator==(const IntegerPoint&) const = default;
    auto operator<=>(const IntegerPoint&) const = default;
};

struct IntegerFace {
    IntegerPoint points[3];
};

}  // namespace ondrel
