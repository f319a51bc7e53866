#pragma once
// The solid over a convex polygon of coplanar level triangles: a prism (the
// polygon and a copy pushed out, joined by one side per edge) or a pyramid
// (the polygon and an apex). The faces follow the single triangle's solid:
// the polygon first, then the pushed copy in reverse order, or the sides to
// the apex, each side in the same point order as a triangle's.

#include <span>
#include <vector>

#include "mapexport/IntegerFace.h"

namespace ondrel {

// `ring` runs in the triangles' winding and has no three points in line.
// `faces` is replaced.
void MakePolygonPrismFaces(std::span<const IntegerPoint> ring, const IntegerPoint& push,
                           std::vector<IntegerFace>& faces);
void MakePolygonPyramidFaces(std::span<const IntegerPoint> ring, const IntegerPoint& apex,
                             std::vector<IntegerFace>& faces);

}  // namespace ondrel
