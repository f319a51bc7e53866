#pragma once
// The faces of the one solid a level triangle becomes, and the box whose
// snapped centre is the map's origin. The stored conversion and the
// streamed map writer both build from these, so they cannot disagree.

#include <cstdint>

#include "level/Brush.h"
#include "level/LevelVertex.h"
#include "mapexport/ConversionParameters.h"

namespace ondrel {

// The most faces one solid has (a Block's).
inline constexpr std::uint32_t kMaxSolidFaces = 8;

// Which solid the triangle starting at `t` (three records) becomes, and its
// faces in map order: the source triangle first, then the generated sides.
// Answers the number of faces written to `faces`.
std::uint32_t MakeSolidFaces(const LevelVertex* t, const ConversionParameters& parameters,
                             SolidKind& kind, BrushFace (&faces)[kMaxSolidFaces]);

// The box seeds: a level beyond a million units keeps them as its bounds.
inline constexpr float kBoxSeed = 1000000.0f;

struct SolidBounds {
    float lower[3] = {kBoxSeed, kBoxSeed, kBoxSeed};
    float upper[3] = {-kBoxSeed, -kBoxSeed, -kBoxSeed};

    // Widens the box by the triangle starting at `t`.
    void Grow(const LevelVertex* t);
    // The snapped centre of the box, per axis.
    void Origin(float (&origin)[3]) const;
};

}  // namespace ondrel
