#pragma once
// The plane a map compiler makes of a face's three points.

#include <optional>

#include "mapcheck/MapFace.h"
#include "mapcheck/Winding.h"

namespace ondrel::mapcheck {

enum class FaceShape { Plane, Coincident, Collinear };

// Coincident: two of the points are the same; collinear: the three lie on
// one line (for integer points: their cross product is zero). Neither gives
// a plane.
FaceShape ClassifyFace(const MapFace& face);

// The face's plane with its normal pointing out of the brush: the normal is
// (p0 - p1) x (p2 - p1), so the points run clockwise seen from outside.
// Nothing for a face that gives no plane.
std::optional<Plane> PlaneOfFace(const MapFace& face);

// Two faces on the same plane, facing the same way, within the tolerances a
// compiler merges planes with.
bool SamePlane(const Plane& a, const Plane& b);

}  // namespace ondrel::mapcheck
