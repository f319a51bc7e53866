#include "level/TriangleNormals.h"

#include <cmath>

namespace ondrel {
namespace {

// Squared lengths below this count as zero: such a cross product comes from
// a sliver whose direction is rounding noise.
constexpr float kDegenerateLengthSquared = 0x1p-46f;

}  // namespace

Vector3 TriangleNormal(const Vector3& p0, const Vector3& p1, const Vector3& p2) {
    const Vector3 e1{p1.x - p0.x, p1.y - p0.y, p1.z - p0.z};
    const Vector3 e2{p2.x - p0.x, p2.y - p0.y, p2.z - p0.z};
    const Vector3 n{e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z,
                    e1.x * e2.y - e1.y * e2.x};
    const float lengthSquared = n.x * n.x + n.y * n.y + n.z * n.z;
    if (!(lengthSquared >= kDegenerateLengthSquared)) {
        // Also catches NaN; infinite components normalise to NaN below, as
        // any division by an infinite length would.
        if (!std::isnan(lengthSquared)) return {0.0f, 0.0f, 0.0f};
    }
    const float length = std::sqrt(lengthSquared);
    return {n.x / length, n.y / length, n.z / length};
}

void ComputeFlatNormals(LevelVertex* records, std::uint32_t count) {
    for (std::uint32_t i = 2; i < count; i += 3) {
        LevelVertex* t = records + (i - 2);
        Vector3 n = TriangleNormal(PositionOf(t[0]), PositionOf(t[1]), PositionOf(t[2]));
        if (n.x == n.y && n.x == n.z) n = {1.0f, 0.0f, 0.0f};
        for (int k = 0; k < 3; ++k) {
            t[k].nx = n.x;
            t[k].ny = n.y;
            t[k].nz = n.z;
        }
    }
}

}  // namespace ondrel
