#include "merge/MergeCandidates.h"

#include <cmath>

#include "level/LevelData.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidGeometry.h"

namespace ondrel::merge {
namespace {

// Pushes beyond this many map units are not merged (and no level needs them).
constexpr double kLargestPush = 1 << 20;

// A prism is pushed by its thickness along the stored normal; the whole
// push a merged prism gets is that offset rounded to the nearest unit, the
// same for every corner so that its far face is the polygon's exact copy.
bool RoundedPush(const Vector3& normal, float thickness, IntegerPoint& push) {
    const double along[3] = {double{thickness} * normal.x, double{thickness} * normal.y, double{thickness} * normal.z};
    std::int32_t rounded[3];
    for (int axis = 0; axis < 3; ++axis) {
        if (!(std::fabs(along[axis]) < kLargestPush)) return false;
        rounded[axis] = static_cast<std::int32_t>(std::lround(along[axis]));
    }
    push = {rounded[0], rounded[1], rounded[2]};
    return true;
}

}  // namespace

MergeCandidate CandidateOf(const LevelVertex* triangle, const float (&origin)[3],
                           const ConversionParameters& parameters) {
    MergeCandidate candidate;
    for (int k = 0; k < 3; ++k) {
        candidate.corners[k] = WrittenPoint(PositionOf(triangle[k]), origin, parameters.exportScale);
    }
    const Vector3 normal = NormalOf(triangle[0]);
    candidate.kind = IsAxisAligned(normal) ? SolidKind::Block : SolidKind::Tri;
    const auto plane = PlaneThrough(candidate.corners[0], candidate.corners[1], candidate.corners[2]);
    if (!plane) return candidate;
    candidate.plane = *plane;
    // The solid must stand on the written plane's front, as the single
    // triangle's does; a triangle whose rounding turned it over stays alone.
    if (candidate.kind == SolidKind::Block) {
        candidate.mergeable = RoundedPush(normal, parameters.extrudeFactorBlocks, candidate.push) &&
                              plane->nx * candidate.push.x + plane->ny * candidate.push.y + plane->nz * candidate.push.z > 0;
    } else {
        const double facing = double(plane->nx) * normal.x + double(plane->ny) * normal.y + double(plane->nz) * normal.z;
        candidate.mergeable = facing > 0.0;
    }
    return candidate;
}

std::vector<MergeCandidate> MergeCandidates(const LevelData& level, const float (&origin)[3],
                                            const ConversionParameters& parameters) {
    std::vector<MergeCandidate> candidates;
    candidates.reserve(level.sourceCount / 3);
    for (std::uint32_t i = 0; level.sourceCount - i >= 3; i += 3) {
        candidates.push_back(CandidateOf(&level.sourceVertices[i], origin, parameters));
    }
    return candidates;
}

}  // namespace ondrel::merge
