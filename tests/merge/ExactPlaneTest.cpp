// Exact planes and turns: the merge's only judges of "coplanar" and
// "convex", so a wrong sign or a missed reduction would merge what must
// stay apart.

#include <gtest/gtest.h>

#include "merge/ExactPlane.h"

namespace ondrel::merge {
namespace {

TEST(ExactPlane, OnePlaneWithOneFacingHasOneKey) {
    // The same plane x + 2y + 3z = 6 through different triangles, with
    // normals of different lengths before reduction.
    const auto small = PlaneThrough({6, 0, 0}, {0, 3, 0}, {0, 0, 2});
    const auto large = PlaneThrough({12, 0, -2}, {-6, 6, 0}, {0, 0, 2});
    ASSERT_TRUE(small && large);
    EXPECT_EQ(*small, *large);
    EXPECT_EQ(small->nx * 2, small->ny);
    // Turned over, it faces the other way: another key.
    const auto flipped = PlaneThrough({6, 0, 0}, {0, 0, 2}, {0, 3, 0});
    ASSERT_TRUE(flipped);
    EXPECT_NE(*flipped, *small);
    // One unit off the plane is off it.
    EXPECT_NE(*PlaneThrough({6, 0, 0}, {0, 3, 0}, {0, 0, 3}), *small);
}

TEST(ExactPlane, InLineOrOutOfRangePointsGiveNoPlane) {
    EXPECT_FALSE(PlaneThrough({0, 0, 0}, {1, 2, 3}, {2, 4, 6}));
    EXPECT_FALSE(PlaneThrough({0, 0, 0}, {0, 0, 0}, {2, 4, 7}));
    EXPECT_FALSE(PlaneThrough({kLargestExactCoordinate + 1, 0, 0}, {0, 1, 0}, {0, 0, 1}));
    // The largest coordinates still give an exact plane.
    const std::int32_t m = kLargestExactCoordinate;
    const auto far = PlaneThrough({-m, -m, m}, {m, -m, -m}, {m, m, m});
    ASSERT_TRUE(far);
    EXPECT_EQ(Side(*far, {-m, -m, m}), 0);
    EXPECT_EQ(Side(*far, {m, m, m}), 0);
    EXPECT_NE(Side(*far, {m, m, m - 1}), 0);
}

// A triangle turns left in its own winding seen from its front, whichever
// axis its plane is seen along and whichever way it faces.
TEST(ExactPlane, ATrianglesOwnWindingTurnsLeftOnEveryPlane) {
    const IntegerPoint triangles[][3] = {
        {{0, 0, 0}, {5, 0, 0}, {0, 5, 0}},   {{0, 0, 0}, {0, 5, 0}, {5, 0, 0}},   {{0, 0, 0}, {0, 5, 0}, {0, 0, 5}},
        {{0, 0, 0}, {0, 0, 5}, {0, 5, 0}},   {{0, 0, 0}, {0, 0, 5}, {5, 0, 0}},   {{0, 0, 0}, {5, 0, 0}, {0, 0, 5}},
        {{3, 1, -2}, {7, 9, 4}, {-5, 2, 8}}, {{3, 1, -2}, {-5, 2, 8}, {7, 9, 4}},
    };
    for (const auto& t : triangles) {
        const auto plane = PlaneThrough(t[0], t[1], t[2]);
        ASSERT_TRUE(plane);
        EXPECT_GT(Turn(*plane, t[0], t[1], t[2]), 0);
        EXPECT_GT(Turn(*plane, t[1], t[2], t[0]), 0);
        EXPECT_LT(Turn(*plane, t[0], t[2], t[1]), 0);
        // The midpoint-free way to be in line: a point twice along an edge.
        const IntegerPoint beyond{2 * t[1].x - t[0].x, 2 * t[1].y - t[0].y, 2 * t[1].z - t[0].z};
        EXPECT_EQ(Turn(*plane, t[0], t[1], beyond), 0);
    }
}

}  // namespace
}  // namespace ondrel::merge
