#include "merge/ExactPlane.h"

#include <cstdlib>
#include <numeric>

namespace ondrel::merge {
namespace {

struct Vector64 {
    std::int64_t x, y, z;
};

Vector64 Difference(const IntegerPoint& a, const IntegerPoint& b) {
    return {std::int64_t{a.x} - b.x, std::int64_t{a.y} - b.y, std::int64_t{a.z} - b.z};
}

// Which axis the plane is seen along: its normal's largest component, so
// that the projection onto the other two keeps the plane's turns.
int DominantAxis(const ExactPlane& plane) {
    const std::int64_t ax = std::llabs(plane.nx), ay = std::llabs(plane.ny), az = std::llabs(plane.nz);
    if (ax >= ay && ax >= az) return 0;
    return ay >= az ? 1 : 2;
}

std::int64_t Component(const IntegerPoint& p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }

std::int64_t NormalComponent(const ExactPlane& plane, int axis) {
    return axis == 0 ? plane.nx : axis == 1 ? plane.ny : plane.nz;
}

}  // namespace

bool WithinExactRange(const IntegerPoint& p) {
    const auto inside = [](std::int32_t c) { return c >= -kLargestExactCoordinate && c <= kLargestExactCoordinate; };
    return inside(p.x) && inside(p.y) && inside(p.z);
}

std::optional<ExactPlane> PlaneThrough(const IntegerPoint& p0, const IntegerPoint& p1, const IntegerPoint& p2) {
    if (!WithinExactRange(p0) || !WithinExactRange(p1) || !WithinExactRange(p2)) return std::nullopt;
    const Vector64 e1 = Difference(p1, p0);
    const Vector64 e2 = Difference(p2, p0);
    ExactPlane plane{e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x, 0};
    const std::int64_t divisor = std::gcd(std::gcd(plane.nx, plane.ny), plane.nz);
    if (divisor == 0) return std::nullopt;
    plane.nx /= divisor;
    plane.ny /= divisor;
    plane.nz /= divisor;
    plane.offset = plane.nx * p0.x + plane.ny * p0.y + plane.nz * p0.z;
    return plane;
}

std::int64_t Side(const ExactPlane& plane, const IntegerPoint& p) {
    return plane.nx * p.x + plane.ny * p.y + plane.nz * p.z - plane.offset;
}

// On the plane seen along axis k, the cross product of the projected edges
// (on the next two axes, in cyclic order) is the k-th component of the full
// cross product; its sign times the normal's k-th sign is the turn's.
std::int64_t Turn(const ExactPlane& plane, const IntegerPoint& a, const IntegerPoint& b, const IntegerPoint& c) {
    const int k = DominantAxis(plane);
    const int u = (k + 1) % 3, v = (k + 2) % 3;
    const std::int64_t cross = (Component(b, u) - Component(a, u)) * (Component(c, v) - Component(b, v)) -
                               (Component(b, v) - Component(a, v)) * (Component(c, u) - Component(b, u));
    return NormalComponent(plane, k) > 0 ? cross : -cross;
}

}  // namespace ondrel::merge
