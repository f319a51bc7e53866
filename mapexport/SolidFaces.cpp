#include "mapexport/SolidFaces.h"

#include "mapexport/SnapToInteger.h"
#include "mapexport/SolidGeometry.h"

namespace ondrel {
namespace {

float Component(const Vector3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

Vector3 Offset(const Vector3& p, const Vector3& by) { return {p.x + by.x, p.y + by.y, p.z + by.z}; }

Vector3 Scaled(const Vector3& v, float factor) { return {factor * v.x, factor * v.y, factor * v.z}; }

std::uint32_t BlockSides(const Vector3 (&p)[3], const Vector3& push, BrushFace* out) {
    const Vector3 q[3] = {Offset(p[0], push), Offset(p[1], push), Offset(p[2], push)};
    out[0] = {{q[0], q[2], q[1]}};
    out[1] = {{p[0], p[2], q[2]}};
    out[2] = {{p[0], q[2], q[0]}};
    out[3] = {{p[1], p[0], q[0]}};
    out[4] = {{p[1], q[0], q[1]}};
    out[5] = {{p[2], p[1], q[1]}};
    out[6] = {{p[2], q[1], q[2]}};
    return 7;
}

std::uint32_t PyramidSides(const Vector3 (&p)[3], const Vector3& apex, BrushFace* out) {
    out[0] = {{p[0], apex, p[1]}};
    out[1] = {{p[1], apex, p[2]}};
    out[2] = {{p[2], apex, p[0]}};
    return 3;
}

}  // namespace

std::uint32_t MakeSolidFaces(const LevelVertex* t, const ConversionParameters& parameters,
                             SolidKind& kind, BrushFace (&faces)[kMaxSolidFaces]) {
    const Vector3 p[3] = {PositionOf(t[0]), PositionOf(t[1]), PositionOf(t[2])};
    const Vector3 normal = NormalOf(t[0]);
    kind = IsAxisAligned(normal) ? SolidKind::Block : SolidKind::Tri;
    faces[0] = {{p[0], p[1], p[2]}};
    if (kind == SolidKind::Block) {
        const float depth = parameters.extrudeFactorBlocks / parameters.exportScale;
        return 1 + BlockSides(p, Scaled(normal, depth), faces + 1);
    }
    const float depth = parameters.extrudeFactorTris / parameters.exportScale;
    const Vector3 apex = Offset(TriangleCentroid(p[0], p[1], p[2]), Scaled(normal, depth));
    return 1 + PyramidSides(p, apex, faces + 1);
}

// The triangle's upper bound is formed as lower bound plus extent, each
// rounded to single precision; that rounding is part of the result.
void SolidBounds::Grow(const LevelVertex* t) {
    const Vector3 p[3] = {PositionOf(t[0]), PositionOf(t[1]), PositionOf(t[2])};
    for (int axis = 0; axis < 3; ++axis) {
        float low = kBoxSeed;
        float high = -kBoxSeed;
        for (const Vector3& point : p) {
            const float c = Component(point, axis);
            if (c < low) low = c;
            if (c > high) high = c;
        }
        const float extent = high - low;
        const float top = low + extent;
        if (top > upper[axis]) upper[axis] = top;
        if (low < lower[axis]) lower[axis] = low;
    }
}

void SolidBounds::Origin(float (&origin)[3]) const {
    for (int axis = 0; axis < 3; ++axis) {
        origin[axis] = static_cast<float>(SnapToInteger((lower[axis] + upper[axis]) / 2.0f));
    }
}

}  // namespace ondrel
