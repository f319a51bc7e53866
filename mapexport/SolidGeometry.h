#pragma once
// The single-precision geometry rules of the conversion. Their exact
// rounding decides which solid a triangle becomes and where its points go.

#include "level/TriangleNormals.h"

namespace ondrel {

// True when a component of the stored normal lies within a few units in the
// last place of +1 or -1 (0x3F7FFFFE..0x3F800001 and the negatives).
bool IsAxisAligned(const Vector3& normal);

// Per component ((a + b) + c) x 0.33333334f.
Vector3 TriangleCentroid(const Vector3& a, const Vector3& b, const Vector3& c);

}  // namespace ondrel
