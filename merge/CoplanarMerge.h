#pragma once
// Greedy merging of adjacent coplanar triangles into convex polygons, on
// the whole-number points the map writes: two triangles join only when
// their written planes are exactly one (with the same facing), they share
// a written edge, they become the same kind of solid pushed the same way,
// and the polygon stays convex.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "level/Brush.h"
#include "mapexport/IntegerFace.h"
#include "merge/ExactPlane.h"

namespace ondrel::merge {

// One level triangle as its brush would be written.
struct MergeCandidate {
    IntegerPoint corners[3];  // in the triangle's winding
    ExactPlane plane;
    SolidKind kind = SolidKind::Block;
    // A prism's push in map units; the same for every triangle it joins.
    IntegerPoint push;
    // Only triangles with a plane, in range, whose solid stands on the
    // plane's front take part.
    bool mergeable = false;
};

// Past this many corners a polygon stops growing, so that no brush has
// more than a few dozen faces.
inline constexpr std::size_t kMaxPolygonCorners = 32;

struct MergedPolygon {
    // In the triangles' winding; corners in line with their neighbours are
    // kept (they are where further triangles attach).
    std::vector<IntegerPoint> ring;
    // Ascending; the first, the seed, is the lowest-numbered triangle.
    std::vector<std::uint32_t> triangles;
};

// The polygons of two or more triangles; every other triangle stays alone.
// Each triangle is in at most one polygon.
std::vector<MergedPolygon> MergeCoplanarTriangles(std::span<const MergeCandidate> triangles,
                                                  std::size_t maxCorners = kMaxPolygonCorners);

// The ring without its corners in line.
std::vector<IntegerPoint> StrictCorners(const MergedPolygon& polygon, const ExactPlane& plane);

}  // namespace ondrel::merge
