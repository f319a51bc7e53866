#pragma once
// Meshes for the merge's tests and the invariants its polygons must keep.

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "merge/CoplanarMerge.h"

namespace ondrel::testing {

// A candidate as the converter would make it from three written corners.
merge::MergeCandidate Candidate(const IntegerPoint& a, const IntegerPoint& b, const IntegerPoint& c,
                                SolidKind kind = SolidKind::Block, IntegerPoint push = {0, 0, 6});

// A lattice of whole-number points on a random plane, each cell cut into
// two triangles along a random diagonal, in the plane's winding; some
// cells are left out, some triangles get the other kind or another push.
// Appended to `out`.
void AddRandomLatticeMesh(std::mt19937& random, std::vector<merge::MergeCandidate>& out);

// Every invariant of a merge's result; empty when all hold, otherwise the
// first broken one, named. Each triangle is in at most one polygon, of
// its own plane, kind and push; each polygon has at most `maxCorners`
// corners, all on its plane, turns only left (or goes straight), and is
// covered exactly by its triangles: they lie inside it and their areas add
// up to its area.
std::string BrokenInvariant(std::span<const merge::MergeCandidate> triangles,
                            std::span<const merge::MergedPolygon> polygons,
                            std::size_t maxCorners = merge::kMaxPolygonCorners);

}  // namespace ondrel::testing
