#pragma once
// A brush face as a .map file gives it: three points whose order makes the
// face's orientation. Coordinates are kept in double precision: written
// maps hold integers, hand-made ones may hold decimals.

#include <array>

namespace ondrel::mapcheck {

struct MapPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    bool operator==(const MapPoint&) const = default;
};

struct MapFace {
    std::array<MapPoint, 3> points;
};

}  // namespace ondrel::mapcheck
