#include "tools/levelgen/LevelBuilder.h"

#include <algorithm>
#include <utility>

namespace ondrel::levelgen {
namespace {

HalfPoint Add(const HalfPoint& a, const HalfPoint& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
HalfPoint Scale(const HalfPoint& a, int k) { return {a.x * k, a.y * k, a.z * k}; }

// 64-bit so that coordinates of a large grid cannot overflow the product.
std::int64_t FacingDot(const HalfPoint& a, const HalfPoint& b, const HalfPoint& c,
                       const HalfPoint& facing) {
    const std::int64_t e1x = b.x - a.x, e1y = b.y - a.y, e1z = b.z - a.z;
    const std::int64_t e2x = c.x - a.x, e2y = c.y - a.y, e2z = c.z - a.z;
    const std::int64_t nx = e1y * e2z - e1z * e2y;
    const std::int64_t ny = e1z * e2x - e1x * e2z;
    const std::int64_t nz = e1x * e2y - e1y * e2x;
    return nx * facing.x + ny * facing.y + nz * facing.z;
}

}  // namespace

std::uint32_t ShadeColour(std::uint32_t base, const HalfPoint& at) {
    const std::int32_t height = std::clamp(at.y, 0, 1000);
    const std::uint32_t speckle = static_cast<std::uint32_t>(at.x * 3 + at.z * 5 + at.y * 7) & 15u;
    const std::uint32_t brightness =
        std::min<std::uint32_t>(255u, 150u + static_cast<std::uint32_t>(height) / 10u + speckle);
    std::uint32_t shaded = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t channel = (base >> shift) & 0xFFu;
        shaded |= (channel * brightness / 255u) << shift;
    }
    return shaded;
}

void LevelBuilder::BeginGroup() { groupOpen_ = false; }

void LevelBuilder::AddTriangle(const HalfPoint& a, const HalfPoint& b, const HalfPoint& c) {
    if (Full()) return;
    if (!groupOpen_) {
        level_.groups.emplace_back();
        groupOpen_ = true;
    }
    GenTriangle triangle;
    const HalfPoint* corners[3] = {&a, &b, &c};
    for (int k = 0; k < 3; ++k) {
        triangle.corners[k].position = *corners[k];
        triangle.corners[k].colour = ShadeColour(paint_, *corners[k]);
    }
    level_.groups.back().triangles.push_back(triangle);
    ++count_;
}

void LevelBuilder::AddFacingTriangle(HalfPoint a, HalfPoint b, HalfPoint c, const HalfPoint& facing) {
    if (FacingDot(a, b, c, facing) < 0) std::swap(b, c);
    AddTriangle(a, b, c);
}

void LevelBuilder::AddQuad(const HalfPoint& a, const HalfPoint& b, const HalfPoint& c,
                           const HalfPoint& d, const HalfPoint& facing) {
    if (FacingDot(a, b, c, facing) < 0) {
        AddTriangle(a, d, c);
        AddTriangle(a, c, b);
    } else {
        AddTriangle(a, b, c);
        AddTriangle(a, c, d);
    }
}

void LevelBuilder::AddTiledRect(const HalfPoint& origin, const HalfPoint& stepA,
                                const HalfPoint& stepB, int na, int nb, const HalfPoint& facing,
                                const CellFilter& skip) {
    for (int j = 0; j < nb; ++j) {
        for (int i = 0; i < na; ++i) {
            if (skip && skip(i, j)) continue;
            const HalfPoint corner = Add(Add(origin, Scale(stepA, i)), Scale(stepB, j));
            AddQuad(corner, Add(corner, stepA), Add(Add(corner, stepA), stepB), Add(corner, stepB),
                    facing);
        }
    }
}

GeneratedLevel LevelBuilder::Take() {
    GeneratedLevel taken = std::move(level_);
    level_ = {};
    count_ = 0;
    groupOpen_ = false;
    return taken;
}

}  // namespace ondrel::levelgen
