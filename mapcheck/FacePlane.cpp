#include "mapcheck/FacePlane.h"

#include <cmath>

namespace ondrel::mapcheck {
namespace {

// Integer points on one line have a cross product of exactly zero; any other
// integer triple has one of length at least 1. Half of that separates them
// and still catches decimal points that are all but in line.
constexpr double kSmallestCross = 0.5;

// Planes closer than these are one plane to a compiler.
constexpr double kNormalTolerance = 1e-5;
constexpr double kDistanceTolerance = 0.01;

Vec3 ToVec(const MapPoint& p) { return {p.x, p.y, p.z}; }

Vec3 CrossOfFace(const MapFace& face) {
    const Vec3 p0 = ToVec(face.points[0]);
    const Vec3 p1 = ToVec(face.points[1]);
    const Vec3 p2 = ToVec(face.points[2]);
    return Cross(p0 - p1, p2 - p1);
}

}  // namespace

FaceShape ClassifyFace(const MapFace& face) {
    const auto& p = face.points;
    if (p[0] == p[1] || p[1] == p[2] || p[0] == p[2]) return FaceShape::Coincident;
    return Length(CrossOfFace(face)) < kSmallestCross ? FaceShape::Collinear : FaceShape::Plane;
}

std::optional<Plane> PlaneOfFace(const MapFace& face) {
    if (ClassifyFace(face) != FaceShape::Plane) return std::nullopt;
    const Vec3 cross = CrossOfFace(face);
    const Vec3 normal = cross * (1.0 / Length(cross));
    return Plane{normal, Dot(normal, ToVec(face.points[1]))};
}

bool SamePlane(const Plane& a, const Plane& b) {
    return std::fabs(a.normal.x - b.normal.x) < kNormalTolerance &&
           std::fabs(a.normal.y - b.normal.y) < kNormalTolerance &&
           std::fabs(a.normal.z - b.normal.z) < kNormalTolerance &&
           std::fabs(a.distance - b.distance) < kDistanceTolerance;
}

}  // namespace ondrel::mapcheck
