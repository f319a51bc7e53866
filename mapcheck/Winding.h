#pragma once
// Convex polygons on planes, cut down by other planes: how a brush's faces
// are rebuilt from its planes alone.

#include <vector>

namespace ondrel::mapcheck {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Length(Vec3 v);

// The points p with Dot(normal, p) <= distance are inside; `normal` is a
// unit vector.
struct Plane {
    Vec3 normal;
    double distance = 0.0;
};

// Points this close to a plane count as on it, as in a compiler's clipping.
inline constexpr double kOnPlaneEpsilon = 0.01;

using Winding = std::vector<Vec3>;

// A square on the plane, centred on the plane's point nearest the origin,
// reaching `halfSize` along both of its axes.
void BaseWinding(const Plane& plane, double halfSize, Winding& out);

// Keeps the part of `winding` inside `plane` (points within the epsilon
// stay); `scratch` is working room. The winding may become empty.
void ClipWinding(Winding& winding, const Plane& plane, Winding& scratch);

double WindingArea(const Winding& winding);

}  // namespace ondrel::mapcheck
