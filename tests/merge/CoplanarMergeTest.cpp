// The greedy merge on hand-made and random meshes: what joins, what must
// stay apart, and the invariants every result keeps.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "tests/merge/MeshInvariants.h"

namespace ondrel::testing {
namespace {

using merge::MergeCandidate;
using merge::MergeCoplanarTriangles;

// A unit square [x, x+1] x [y, y+1] on the floor, as two triangles facing up.
void AddSquare(std::vector<MergeCandidate>& out, int x, int y, int size = 40) {
    const IntegerPoint a{x * size, y * size, 0}, b{(x + 1) * size, y * size, 0};
    const IntegerPoint c{(x + 1) * size, (y + 1) * size, 0}, d{x * size, (y + 1) * size, 0};
    out.push_back(Candidate(a, b, c));
    out.push_back(Candidate(a, c, d));
}

std::size_t BrushesAfterMerge(const std::vector<MergeCandidate>& triangles,
                              const std::vector<merge::MergedPolygon>& polygons) {
    std::size_t brushes = triangles.size();
    for (const auto& polygon : polygons) brushes -= polygon.triangles.size() - 1;
    return brushes;
}

// Three squares in an L: one polygon of all six triangles would be
// concave, so the best a convex merge can do is two brushes.
TEST(CoplanarMerge, AnLOfSquaresNeverBecomesOneConcavePolygon) {
    for (const auto& order : {std::vector<int>{0, 1, 2}, std::vector<int>{2, 1, 0}, std::vector<int>{1, 0, 2}}) {
        const int squares[3][2] = {{0, 0}, {1, 0}, {0, 1}};
        std::vector<MergeCandidate> triangles;
        for (const int s : order) AddSquare(triangles, squares[s][0], squares[s][1]);
        const auto polygons = MergeCoplanarTriangles(triangles);
        EXPECT_EQ(BrokenInvariant(triangles, polygons), "");
        EXPECT_EQ(BrushesAfterMerge(triangles, polygons), 2u);
    }
}

TEST(CoplanarMerge, TrianglesThatMustStayApartDo) {
    const IntegerPoint a{0, 0, 0}, b{40, 0, 0}, c{40, 40, 0}, d{0, 40, 0};
    struct Case {
        const char* what;
        MergeCandidate first, second;
    };
    const Case cases[] = {
        {"different kinds", Candidate(a, b, c, SolidKind::Block), Candidate(a, c, d, SolidKind::Tri)},
        {"different pushes", Candidate(a, b, c, SolidKind::Block, {0, 0, 6}),
         Candidate(a, c, d, SolidKind::Block, {0, 1, 6})},
        {"one corner in common", Candidate(a, b, c), Candidate(c, {80, 40, 0}, {80, 80, 0})},
        {"coplanar, far apart", Candidate(a, b, c), Candidate({400, 0, 0}, {440, 0, 0}, {440, 40, 0})},
        {"the shared edge facing the other way", Candidate(a, b, c), Candidate(a, d, c)},
        {"on a parallel plane", Candidate(a, b, c), Candidate({0, 0, 1}, {40, 40, 1}, {0, 40, 1})},
        {"an edge in common, not in the same plane", Candidate(a, b, c), Candidate(a, c, {0, 40, 1})},
    };
    for (const Case& test : cases) {
        const std::vector<MergeCandidate> triangles = {test.first, test.second};
        EXPECT_TRUE(MergeCoplanarTriangles(triangles).empty()) << test.what;
    }
    // A triangle without a plane takes no part.
    const std::vector<MergeCandidate> flat = {Candidate(a, b, c), Candidate(a, c, {80, 80, 0})};
    EXPECT_FALSE(flat[1].mergeable);
    EXPECT_TRUE(MergeCoplanarTriangles(flat).empty());
}

// A fan of 48 triangles round a centre: the polygons stop at the cap.
TEST(CoplanarMerge, PolygonsStopGrowingAtTheCornerCap) {
    std::vector<MergeCandidate> triangles;
    constexpr int kSides = 48;
    auto rim = [](int k) {
        const double angle = 2.0 * 3.14159265358979 * (k % kSides) / kSides;
        return IntegerPoint{static_cast<std::int32_t>(std::lround(4000 * std::cos(angle))),
                            static_cast<std::int32_t>(std::lround(4000 * std::sin(angle))), 0};
    };
    for (int k = 0; k < kSides; ++k) triangles.push_back(Candidate({0, 0, 0}, rim(k), rim(k + 1)));
    for (const std::size_t cap : {std::size_t{32}, std::size_t{5}}) {
        const auto polygons = MergeCoplanarTriangles(triangles, cap);
        EXPECT_EQ(BrokenInvariant(triangles, polygons, cap), "") << cap;
        EXPECT_LT(BrushesAfterMerge(triangles, polygons), triangles.size() / 2) << cap;
    }
}

// Several lattice meshes, of several planes, in shuffled order.
TEST(CoplanarMerge, RandomMeshesKeepEveryInvariant) {
    std::size_t triangleCount = 0, brushCount = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        std::vector<MergeCandidate> triangles;
        const int meshes = 1 + static_cast<int>(seed % 3);
        for (int m = 0; m < meshes; ++m) AddRandomLatticeMesh(random, triangles);
        std::shuffle(triangles.begin(), triangles.end(), random);
        const std::size_t cap = seed % 4 == 0 ? 4 : merge::kMaxPolygonCorners;
        const auto polygons = MergeCoplanarTriangles(triangles, cap);
        ASSERT_EQ(BrokenInvariant(triangles, polygons, cap), "") << "seed " << seed;
        triangleCount += triangles.size();
        brushCount += BrushesAfterMerge(triangles, polygons);
    }
    // The meshes are mostly mergeable: far fewer brushes than triangles.
    EXPECT_LT(brushCount, triangleCount / 2);
}

}  // namespace
}  // namespace ondrel::testing
