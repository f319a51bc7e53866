#pragma once
// One vertex of a level triangle list, laid out exactly as the vertex buffers
// hold it (position, normal, diffuse colour: 28 bytes, no padding).

#include <cstddef>
#include <cstdint>

namespace ondrel {

struct LevelVertex {
    float x, y, z;
    float nx, ny, nz;
    std::uint32_t colour;  // alpha in bits 24-31, then red, green, blue
};

// Flexible vertex format code of the layout above: position | normal | diffuse.
inline constexpr std::uint32_t kLevelVertexFormat = 0x52;
inline constexpr std::uint32_t kLevelVertexStride = 28;

static_assert(sizeof(LevelVertex) == kLevelVertexStride);
static_assert(offsetof(LevelVertex, x) == 0);
static_assert(offsetof(LevelVertex, y) == 4);
static_assert(offsetof(LevelVertex, z) == 8);
static_assert(offsetof(LevelVertex, nx) == 12);
static_assert(offsetof(LevelVertex, ny) == 16);
static_assert(offsetof(LevelVertex, nz) == 20);
static_assert(offsetof(LevelVertex, colour) == 24);

}  // namespace ondrel
