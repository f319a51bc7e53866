#pragma once

#include <cstdint>

#include "level/LevelVertex.h"

namespace ondrel {

struct Vector3 {
    float x, y, z;
};

// Unit normal of the triangle p0, p1, p2 by the winding (p1 - p0) x (p2 - p0);
// (0, 0, 0) for a triangle without area.
Vector3 TriangleNormal(const Vector3& p0, const Vector3& p1, const Vector3& p2);

// Gives every record of each whole triangle (records 3k, 3k+1, 3k+2) its
// triangle's normal. A normal whose three components are equal, as a
// degenerate triangle's (0, 0, 0) is, becomes (1, 0, 0). Trailing records
// that form no triangle are left alone.
void ComputeFlatNormals(LevelVertex* records, std::uint32_t count);

inline Vector3 PositionOf(const LevelVertex& v) { return {v.x, v.y, v.z}; }
inline Vector3 NormalOf(const LevelVertex& v) { return {v.nx, v.ny, v.nz}; }

}  // namespace ondrel
