#pragma once
// Collects triangles into groups up to a fixed budget, with the few shapes a
// level is made of: quads and tiled rectangles that face a given side.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "tools/levelgen/GeneratedLevel.h"

namespace ondrel::levelgen {

// Light baked into vertex colours, as real exports carry it: surfaces get
// brighter with height, with a little per-vertex variation.
std::uint32_t ShadeColour(std::uint32_t base, const HalfPoint& at);

class LevelBuilder {
public:
    explicit LevelBuilder(std::size_t budget) : budget_(budget) {}

    // Later triangles go into a new group; empty groups never reach the file.
    void BeginGroup();

    // Every shape takes the colour of the current paint.
    void SetPaint(std::uint32_t baseColour) { paint_ = baseColour; }

    // Stores the triangle with corners in the given order, unless the budget
    // is spent. The file-space normal (b - a) x (c - a) is what the corners
    // imply; the shape helpers choose the order so it points to the side the
    // surface is seen from.
    void AddTriangle(const HalfPoint& a, const HalfPoint& b, const HalfPoint& c);

    // A triangle whose normal points into the half-space of `facing`.
    void AddFacingTriangle(HalfPoint a, HalfPoint b, HalfPoint c, const HalfPoint& facing);

    // Corners a, b, c, d around the quad, split along a-c.
    void AddQuad(const HalfPoint& a, const HalfPoint& b, const HalfPoint& c, const HalfPoint& d,
                 const HalfPoint& facing);

    // A rectangle of na x nb cells starting at `origin`, each cell spanned by
    // the two step vectors. Cells for which `skip(i, j)` holds are left open
    // (door ways, skylights).
    using CellFilter = std::function<bool(int, int)>;
    void AddTiledRect(const HalfPoint& origin, const HalfPoint& stepA, const HalfPoint& stepB,
                      int na, int nb, const HalfPoint& facing, const CellFilter& skip = {});

    bool Full() const { return count_ >= budget_; }
    std::size_t Count() const { return count_; }

    GeneratedLevel Take();

private:
    GeneratedLevel level_;
    std::size_t budget_;
    std::size_t count_ = 0;
    std::uint32_t paint_ = 0xFFFFFFFFu;
    bool groupOpen_ = false;
};

}  // namespace ondrel::levelgen
