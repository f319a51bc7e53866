#include "merge/PolygonBrush.h"

#include <cmath>

#include "mapexport/PolygonSolid.h"

namespace ondrel::merge {
namespace {

constexpr double kLargestApexCoordinate = 1 << 20;

bool ApexOf(std::span<const IntegerPoint> corners, const Vector3& normal, float height, IntegerPoint& apex) {
    double mean[3] = {0.0, 0.0, 0.0};
    for (const IntegerPoint& c : corners) {
        mean[0] += c.x;
        mean[1] += c.y;
        mean[2] += c.z;
    }
    const double along[3] = {normal.x, normal.y, normal.z};
    std::int32_t rounded[3];
    for (int axis = 0; axis < 3; ++axis) {
        const double at = mean[axis] / static_cast<double>(corners.size()) + double{height} * along[axis];
        if (!(std::fabs(at) < kLargestApexCoordinate)) return false;
        rounded[axis] = static_cast<std::int32_t>(std::lround(at));
    }
    apex = {rounded[0], rounded[1], rounded[2]};
    return true;
}

mapcheck::MapPoint AsMapPoint(const IntegerPoint& p) { return {double(p.x), double(p.z), double(p.y)}; }

}  // namespace

bool BuildPolygonBrush(const MergedPolygon& polygon, const MergeCandidate& seed, const Vector3& seedNormal,
                       const ConversionParameters& parameters, std::vector<IntegerFace>& faces) {
    const std::vector<IntegerPoint> corners = StrictCorners(polygon, seed.plane);
    if (corners.size() < 3) return false;
    if (seed.kind == SolidKind::Block) {
        MakePolygonPrismFaces(corners, seed.push, faces);
        return true;
    }
    IntegerPoint apex;
    if (!ApexOf(corners, seedNormal, parameters.extrudeFactorTris, apex) || Side(seed.plane, apex) <= 0) return false;
    MakePolygonPyramidFaces(corners, apex, faces);
    return true;
}

void AsMapFaces(std::span<const IntegerFace> faces, std::vector<mapcheck::MapFace>& out) {
    out.clear();
    for (const IntegerFace& face : faces) {
        out.push_back({{AsMapPoint(face.points[1]), AsMapPoint(face.points[0]), AsMapPoint(face.points[2])}});
    }
}

bool PassesCheck(std::span<const IntegerFace> faces, mapcheck::BrushChecker& checker,
                 std::vector<mapcheck::MapFace>& scratch) {
    AsMapFaces(faces, scratch);
    return !checker.Check(scratch).HasProblem();
}

}  // namespace ondrel::merge
