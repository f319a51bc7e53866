// The merged brush and the check it must pass before it replaces its
// triangles' brushes.

#include <gtest/gtest.h>

#include "mapexport/PolygonSolid.h"
#include "merge/PolygonBrush.h"
#include "tests/merge/MeshInvariants.h"

namespace ondrel::testing {
namespace {

using merge::MergedPolygon;

const std::vector<IntegerPoint> kSquare = {{0, 0, 0}, {40, 0, 0}, {40, 40, 0}, {0, 40, 0}};

bool Passes(const std::vector<IntegerFace>& faces) {
    mapcheck::BrushChecker checker;
    std::vector<mapcheck::MapFace> scratch;
    return merge::PassesCheck(faces, checker, scratch);
}

// The check is what keeps a bad merged brush out of the map: a prism
// pushed along its own plane, or not at all, has no inside.
TEST(PolygonBrush, OnlyAPrismPushedOffItsPlanePassesTheCheck) {
    std::vector<IntegerFace> faces;
    MakePolygonPrismFaces(kSquare, {0, 0, 6}, faces);
    EXPECT_EQ(faces.size(), 6u);
    EXPECT_TRUE(Passes(faces));
    for (const IntegerPoint push : {IntegerPoint{0, 0, 0}, IntegerPoint{6, 0, 0}, IntegerPoint{0, 0, -6}}) {
        MakePolygonPrismFaces(kSquare, push, faces);
        EXPECT_FALSE(Passes(faces)) << push.x << " " << push.y << " " << push.z;
    }
    MakePolygonPyramidFaces(kSquare, {20, 20, 5}, faces);
    EXPECT_EQ(faces.size(), 5u);
    EXPECT_TRUE(Passes(faces));
    MakePolygonPyramidFaces(kSquare, {20, 20, 0}, faces);
    EXPECT_FALSE(Passes(faces));
}

// A pyramid's apex stands the height above the corners' mean along the
// seed's normal, rounded; a height that rounds to nothing gives no brush.
TEST(PolygonBrush, APyramidsApexStandsAboveTheMiddleOrThereIsNoPyramid) {
    const MergedPolygon polygon{kSquare, {0, 1}};
    const merge::MergeCandidate seed = Candidate(kSquare[0], kSquare[1], kSquare[2], SolidKind::Tri);
    std::vector<IntegerFace> faces;
    ConversionParameters parameters;
    ASSERT_TRUE(merge::BuildPolygonBrush(polygon, seed, {0.0f, 0.6f, 0.8f}, parameters, faces));
    ASSERT_EQ(faces.size(), 5u);
    EXPECT_EQ(faces[1].points[1], (IntegerPoint{20, 23, 4}));
    parameters.extrudeFactorTris = 0.4f;
    EXPECT_FALSE(merge::BuildPolygonBrush(polygon, seed, {0.0f, 0.0f, 1.0f}, parameters, faces));
    // Corners in line with their neighbours are left out of the brush.
    const MergedPolygon withMidpoint{{{0, 0, 0}, {20, 0, 0}, {40, 0, 0}, {40, 40, 0}, {0, 40, 0}}, {0, 1}};
    const merge::MergeCandidate prismSeed = Candidate(kSquare[0], kSquare[1], kSquare[2]);
    ASSERT_TRUE(merge::BuildPolygonBrush(withMidpoint, prismSeed, {0.0f, 0.0f, 1.0f}, ConversionParameters{}, faces));
    EXPECT_EQ(faces.size(), 6u);
}

}  // namespace
}  // namespace ondrel::testing
