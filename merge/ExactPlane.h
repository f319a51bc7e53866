#pragma once
// Planes and turns of whole-number points, decided without rounding: two
// written triangles lie on one plane exactly when their planes compare
// equal here, and a polygon is convex exactly when no turn is negative.

#include <cstdint>
#include <optional>

#include "mapexport/IntegerFace.h"

namespace ondrel::merge {

// Coordinates up to this size keep every product below in 64 bits: edges
// reach 2^19, normals 2^39, a normal times a point 2^59.
inline constexpr std::int32_t kLargestExactCoordinate = 1 << 18;

bool WithinExactRange(const IntegerPoint& p);

// The plane (a - p0) . normal == 0, its normal (p1 - p0) x (p2 - p0) divided
// by the greatest common divisor of its components, so that one plane with
// one facing has one key. `offset` is normal . p0.
struct ExactPlane {
    std::int64_t nx = 0;
    std::int64_t ny = 0;
    std::int64_t nz = 0;
    std::int64_t offset = 0;
    auto operator<=>(const ExactPlane&) const = default;
};

// Nothing when the points are in one line (or any is out of range).
std::optional<ExactPlane> PlaneThrough(const IntegerPoint& p0, const IntegerPoint& p1, const IntegerPoint& p2);

// normal . p - offset: zero on the plane, positive on the side the normal
// points to.
std::int64_t Side(const ExactPlane& plane, const IntegerPoint& p);

// The turn a -> b -> c seen from the side the plane's normal points to, for
// points on the plane: positive to the left (the triangles' winding),
// zero in line, negative to the right. Only the sign and comparisons of
// sums of turns within one plane mean anything.
std::int64_t Turn(const ExactPlane& plane, const IntegerPoint& a, const IntegerPoint& b, const IntegerPoint& c);

}  // namespace ondrel::merge
