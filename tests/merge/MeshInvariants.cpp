#include "tests/merge/MeshInvariants.h"

#include <algorithm>

namespace ondrel::testing {
namespace {

using merge::ExactPlane;
using merge::MergeCandidate;
using merge::MergedPolygon;
using merge::Turn;

IntegerPoint Along(const IntegerPoint& origin, const IntegerPoint& u, const IntegerPoint& v, int i, int j) {
    return {origin.x + i * u.x + j * v.x, origin.y + i * u.y + j * v.y, origin.z + i * u.z + j * v.z};
}

IntegerPoint RandomVector(std::mt19937& random, int reach) {
    std::uniform_int_distribution<int> pick(-reach, reach);
    return {pick(random), pick(random), pick(random)};
}

// Twice the area of the polygon seen along its plane's axis: the sum of
// the fan's turns.
std::int64_t RingArea(const ExactPlane& plane, std::span<const IntegerPoint> ring) {
    std::int64_t area = 0;
    for (std::size_t i = 1; i + 1 < ring.size(); ++i) area += Turn(plane, ring[0], ring[i], ring[i + 1]);
    return area;
}

std::string PolygonProblem(std::span<const MergeCandidate> triangles, const MergedPolygon& polygon,
                           std::size_t maxCorners) {
    const MergeCandidate& seed = triangles[polygon.triangles.front()];
    const ExactPlane& plane = seed.plane;
    const auto& ring = polygon.ring;
    if (ring.size() < 3 || ring.size() > maxCorners) return "a ring of " + std::to_string(ring.size()) + " corners";
    if (!std::is_sorted(polygon.triangles.begin(), polygon.triangles.end())) return "triangles out of order";
    std::int64_t triangleArea = 0;
    for (const std::uint32_t t : polygon.triangles) {
        const MergeCandidate& c = triangles[t];
        if (!c.mergeable || c.plane != plane || c.kind != seed.kind || c.push != seed.push) {
            return "triangle " + std::to_string(t) + " of another group";
        }
        triangleArea += Turn(plane, c.corners[0], c.corners[1], c.corners[2]);
        for (const IntegerPoint& p : c.corners) {
            for (std::size_t i = 0; i < ring.size(); ++i) {
                if (Turn(plane, ring[i], ring[(i + 1) % ring.size()], p) < 0) {
                    return "triangle " + std::to_string(t) + " reaches outside its polygon";
                }
            }
        }
    }
    std::size_t strictCorners = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (merge::Side(plane, ring[i]) != 0) return "a corner off the plane";
        const std::int64_t turn = Turn(plane, ring[(i + ring.size() - 1) % ring.size()], ring[i],
                                       ring[(i + 1) % ring.size()]);
        if (turn < 0) return "a right turn: not convex";
        strictCorners += turn > 0 ? 1 : 0;
    }
    if (strictCorners < 3) return "fewer than three real corners";
    if (RingArea(plane, ring) != triangleArea) return "the triangles do not cover the polygon exactly once";
    return "";
}

}  // namespace

MergeCandidate Candidate(const IntegerPoint& a, const IntegerPoint& b, const IntegerPoint& c, SolidKind kind,
                         IntegerPoint push) {
    MergeCandidate candidate;
    candidate.corners[0] = a;
    candidate.corners[1] = b;
    candidate.corners[2] = c;
    candidate.kind = kind;
    candidate.push = kind == SolidKind::Block ? push : IntegerPoint{};
    if (const auto plane = merge::PlaneThrough(a, b, c)) {
        candidate.plane = *plane;
        candidate.mergeable = true;
    }
    return candidate;
}

void AddRandomLatticeMesh(std::mt19937& random, std::vector<MergeCandidate>& out) {
    const IntegerPoint origin = RandomVector(random, 1000);
    IntegerPoint u, v;
    do {
        u = RandomVector(random, 6);
        v = RandomVector(random, 6);
    } while (!merge::PlaneThrough({0, 0, 0}, u, v));
    std::uniform_int_distribution<int> size(1, 9);
    std::uniform_int_distribution<int> percent(0, 99);
    const int width = size(random), height = size(random);
    for (int i = 0; i < width; ++i) {
        for (int j = 0; j < height; ++j) {
            if (percent(random) < 15) continue;
            const IntegerPoint a = Along(origin, u, v, i, j), b = Along(origin, u, v, i + 1, j);
            const IntegerPoint c = Along(origin, u, v, i + 1, j + 1), d = Along(origin, u, v, i, j + 1);
            const bool alongAc = percent(random) < 50;
            const IntegerPoint halves[2][3] = {{a, b, alongAc ? c : d}, {alongAc ? a : b, c, d}};
            for (const auto& corners : halves) {
                const int roll = percent(random);
                const SolidKind kind = roll < 10 ? SolidKind::Tri : SolidKind::Block;
                out.push_back(Candidate(corners[0], corners[1], corners[2], kind, {0, roll >= 90 ? 6 : 0, 6}));
            }
        }
    }
}

std::string BrokenInvariant(std::span<const MergeCandidate> triangles, std::span<const MergedPolygon> polygons,
                            std::size_t maxCorners) {
    std::vector<int> uses(triangles.size(), 0);
    for (std::size_t k = 0; k < polygons.size(); ++k) {
        if (polygons[k].triangles.size() < 2) return "polygon " + std::to_string(k) + " of one triangle";
        for (const std::uint32_t t : polygons[k].triangles) {
            if (t >= triangles.size() || ++uses[t] > 1) return "triangle " + std::to_string(t) + " used twice";
        }
        const std::string problem = PolygonProblem(triangles, polygons[k], maxCorners);
        if (!problem.empty()) return "polygon " + std::to_string(k) + ": " + problem;
    }
    return "";
}

}  // namespace ondrel::testing
