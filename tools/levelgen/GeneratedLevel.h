#pragma once
// A generated level before it is written out: groups of triangles in file
// order, exactly as the export files lay them out. Coordinates are kept as
// whole half-units of the game's scale, so every value is exact both as a
// 32-bit float and as a short decimal text.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ondrel::levelgen {

struct HalfPoint {
    std::int32_t x = 0, y = 0, z = 0;  // game units times two; y is up
};

struct GenVertex {
    HalfPoint position;
    std::uint32_t colour = 0;  // alpha, red, green, blue from the top byte down
};

struct GenTriangle {
    GenVertex corners[3];
};

struct GenGroup {
    std::vector<GenTriangle> triangles;
};

struct GeneratedLevel {
    std::vector<GenGroup> groups;

    std::size_t TriangleCount() const {
        std::size_t total = 0;
        for (const GenGroup& group : groups) total += group.triangles.size();
        return total;
    }
};

}  // namespace ondrel::levelgen
