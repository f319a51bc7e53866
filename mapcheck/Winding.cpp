#include "mapcheck/Winding.h"

#include <cmath>

namespace ondrel::mapcheck {

double Length(Vec3 v) { return std::sqrt(Dot(v, v)); }

void BaseWinding(const Plane& plane, double halfSize, Winding& out) {
    const Vec3 n = plane.normal;
    // Any direction not along the normal gives the square's axes; the
    // world's vertical unless the plane is nearly level.
    Vec3 up = std::fabs(n.z) > std::fabs(n.x) && std::fabs(n.z) > std::fabs(n.y) ? Vec3{1, 0, 0} : Vec3{0, 0, 1};
    up = up - n * Dot(up, n);
    up = up * (halfSize / Length(up));
    const Vec3 right = Cross(up, n);
    const Vec3 centre = n * plane.distance;
    out.assign({centre - right + up, centre + right + up, centre + right - up, centre - right - up});
}

void ClipWinding(Winding& winding, const Plane& plane, Winding& scratch) {
    const std::size_t count = winding.size();
    bool anyOutside = false;
    for (const Vec3& p : winding) {
        if (Dot(plane.normal, p) - plane.distance > kOnPlaneEpsilon) {
            anyOutside = true;
            break;
        }
    }
    if (!anyOutside) return;

    scratch.clear();
    for (std::size_t i = 0; i < count; ++i) {
        const Vec3& a = winding[i];
        const Vec3& b = winding[(i + 1) % count];
        const double da = Dot(plane.normal, a) - plane.distance;
        const double db = Dot(plane.normal, b) - plane.distance;
        if (da <= kOnPlaneEpsilon) scratch.push_back(a);
        // An edge that crosses from clearly inside to clearly outside (or
        // back) gets its crossing point.
        const bool crosses = (da < -kOnPlaneEpsilon && db > kOnPlaneEpsilon) ||
                             (da > kOnPlaneEpsilon && db < -kOnPlaneEpsilon);
        if (crosses) scratch.push_back(a + (b - a) * (da / (da - db)));
    }
    if (scratch.size() < 3) scratch.clear();
    winding.swap(scratch);
}

double WindingArea(const Winding& winding) {
    if (winding.size() < 3) return 0.0;
    Vec3 sum;
    for (std::size_t i = 1; i + 1 < winding.size(); ++i) {
        sum = sum + Cross(winding[i] - winding[0], winding[i + 1] - winding[0]);
    }
    return 0.5 * Length(sum);
}

}  // namespace ondrel::mapcheck
