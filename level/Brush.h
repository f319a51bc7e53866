#pragma once
// A convex solid as the map format describes it: an ordered list of faces,
// each given by three points whose order carries the face's orientation.
// The level holds the solids of its last conversion; mapexport makes them.

#include <cstdint>

#include "level/TriangleNormals.h"

namespace ondrel {

// Which solid a level triangle becomes: a prism for a triangle that faces
// along an axis, a pyramid for any other.
enum class SolidKind : std::uint8_t { Block, Tri };

struct BrushFace {
    Vector3 points[3];
};

// The faces live in the level's face store, which the conversion sizes once
// for all brushes; a brush holds its stretch of it.
struct Brush {
    BrushFace* faces = nullptr;
    std::uint32_t faceCount = 0;
    std::uint32_t faceCapacity = 0;
    SolidKind kind = SolidKind::Block;
};

}  // namespace ondrel
