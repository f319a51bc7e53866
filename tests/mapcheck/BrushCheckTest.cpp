// Hand-made brushes, each with one kind of problem a map compiler rejects,
// beside sound ones that must pass untouched.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "mapcheck/MapQuality.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

using mapcheck::MapQuality;

// The faces of the box [0, 64]^3, each wound clockwise seen from outside.
const char* const kBottom = "( 0 0 0 ) ( 64 0 0 ) ( 0 64 0 )";
const char* const kTop = "( 64 0 64 ) ( 0 0 64 ) ( 0 64 64 )";
const char* const kFront = "( 0 0 0 ) ( 0 0 64 ) ( 64 0 0 )";
const char* const kBack = "( 0 64 64 ) ( 0 64 0 ) ( 64 64 0 )";
const char* const kLeft = "( 0 0 64 ) ( 0 0 0 ) ( 0 64 0 )";
const char* const kRight = "( 64 0 0 ) ( 64 0 64 ) ( 64 64 0 )";

std::string MapOf(const std::vector<std::string>& faces) {
    std::string text = "{\n\"classname\" \"worldspawn\"\n{\n";
    for (const std::string& face : faces) text += "\t" + face + " BASE_COLD [ 0 1 0 0 ] [ 0 0 -1 0 ] 0 1 1 \n";
    return text + "}\n}\n";
}

// The four faces of a tetrahedron, each wound so that the corner it leaves
// out is inside.
std::string TetrahedronMap(const std::array<std::array<long, 3>, 4>& corners) {
    std::vector<std::string> faces;
    for (int out = 0; out < 4; ++out) {
        std::array<std::array<long, 3>, 3> p;
        for (int i = 0, k = 0; i < 4; ++i)
            if (i != out) p[k++] = corners[i];
        const auto d = [&](int a, int b, int c) { return p[a][c] - p[b][c]; };
        const long nx = d(0, 1, 1) * d(2, 1, 2) - d(0, 1, 2) * d(2, 1, 1);
        const long ny = d(0, 1, 2) * d(2, 1, 0) - d(0, 1, 0) * d(2, 1, 2);
        const long nz = d(0, 1, 0) * d(2, 1, 1) - d(0, 1, 1) * d(2, 1, 0);
        const long side = nx * (corners[out][0] - p[1][0]) + ny * (corners[out][1] - p[1][1]) +
                          nz * (corners[out][2] - p[1][2]);
        if (side > 0) std::swap(p[0], p[2]);  // the left-out corner must be behind the face
        std::string face;
        for (const auto& q : p)
            face += "( " + std::to_string(q[0]) + " " + std::to_string(q[1]) + " " + std::to_string(q[2]) + " ) ";
        faces.push_back(face);
    }
    return MapOf(faces);
}

MapQuality Check(const std::string& text) {
    MapQuality quality;
    std::string whyNot;
    EXPECT_TRUE(mapcheck::CheckMapText(text, quality, nullptr, whyNot)) << whyNot;
    return quality;
}

// Problems a compiler does not see must not be counted: the box, the
// converter's own prism and pyramid (whose repeated side planes are by
// design), and a brush that only lists a plane it does not need.
TEST(BrushCheckTest, SoundBrushesHaveNoProblems) {
    const MapQuality box = Check(MapOf({kBottom, kTop, kFront, kBack, kLeft, kRight}));
    EXPECT_EQ(box.brushes, 1u);
    EXPECT_EQ(box.faces, 6u);
    EXPECT_FALSE(box.HasProblem());
    EXPECT_EQ(box.designedDuplicates, 0u);

    const MapQuality prism = Check(ReadWholeFile(ONDREL_GOLDEN_DIR "/block_floor_triangle.map"));
    EXPECT_FALSE(prism.HasProblem());
    EXPECT_EQ(prism.designedDuplicates, 3u);
    EXPECT_EQ(prism.otherDuplicates, 0u);

    EXPECT_FALSE(Check(ReadWholeFile(ONDREL_GOLDEN_DIR "/tri_sloped_triangle.map")).HasProblem());

    const char* const farAbove = "( 64 0 1000 ) ( 0 0 1000 ) ( 0 64 1000 )";
    EXPECT_FALSE(Check(MapOf({kBottom, kTop, kFront, kBack, kLeft, kRight, farAbove})).HasProblem());
}

TEST(BrushCheckTest, FacesWithoutAPlaneAreNamedByKind) {
    const MapQuality inLine = Check(MapOf({kBottom, "( 0 0 64 ) ( 32 0 64 ) ( 64 0 64 )", kFront, kBack, kLeft, kRight}));
    EXPECT_EQ(inLine.collinearFaces, 1u);
    EXPECT_EQ(inLine.coincidentFaces, 0u);
    // Without its top plane the box is open upwards.
    EXPECT_EQ(inLine.unboundedBrushes, 1u);

    const MapQuality repeated = Check(MapOf({kBottom, "( 64 0 64 ) ( 64 0 64 ) ( 0 64 64 )", kFront, kBack, kLeft, kRight}));
    EXPECT_EQ(repeated.coincidentFaces, 1u);
    EXPECT_EQ(repeated.collinearFaces, 0u);
    EXPECT_EQ(repeated.problemBrushes, 1u);

    // A triangle snapped to one point leaves no plane at all: clipping the
    // big box by nothing leaves the whole box.
    const MapQuality point = Check(MapOf({"( 3 3 3 ) ( 3 3 3 ) ( 3 3 3 )", "( 3 3 3 ) ( 3 3 3 ) ( 3 3 3 )"}));
    EXPECT_EQ(point.coincidentFaces, 2u);
    EXPECT_EQ(point.unboundedBrushes, 1u);
    EXPECT_EQ(point.emptyBrushes, 0u);
}

TEST(BrushCheckTest, OpenBrushesAreUnboundedNotEmptyOrThin) {
    const MapQuality open = Check(MapOf({kBottom, kFront, kBack, kLeft, kRight}));
    EXPECT_EQ(open.unboundedBrushes, 1u);
    EXPECT_EQ(open.emptyBrushes, 0u);
    EXPECT_EQ(open.thinBrushes, 0u);

    // Turning the top face around leaves a brush open upwards too.
    const MapQuality turned = Check(MapOf({kBottom, "( 0 0 64 ) ( 64 0 64 ) ( 0 64 64 )", kFront, kBack, kLeft, kRight}));
    EXPECT_EQ(turned.unboundedBrushes, 1u);

    // Far coordinates move the big box with them: a sound brush out there
    // is still closed.
    const MapQuality far = Check(MapOf({"( 0 0 900000 ) ( 64 0 900000 ) ( 0 64 900000 )",
                                        "( 64 0 900064 ) ( 0 0 900064 ) ( 0 64 900064 )", kFront, kBack, kLeft,
                                        kRight}));
    EXPECT_FALSE(far.HasProblem());
}

TEST(BrushCheckTest, BrushesWithNoRoomInsideAreEmptyOrThin) {
    // The top below the bottom: nothing is inside both.
    const MapQuality empty = Check(MapOf({kBottom, "( 64 0 -10 ) ( 0 0 -10 ) ( 0 64 -10 )", kFront, kBack, kLeft, kRight}));
    EXPECT_EQ(empty.emptyBrushes, 1u);
    EXPECT_EQ(empty.unboundedBrushes, 0u);
    EXPECT_EQ(empty.thinBrushes, 0u);

    // The top on the bottom: a flat brush.
    const MapQuality flat = Check(MapOf({kBottom, "( 64 0 0 ) ( 0 0 0 ) ( 0 64 0 )", kFront, kBack, kLeft, kRight}));
    EXPECT_EQ(flat.thinBrushes, 1u);
    EXPECT_EQ(flat.emptyBrushes, 0u);

    // A pyramid over a sliver triangle: a thousandth of a unit across one
    // of its sides, however large its other faces.
    const MapQuality needle = Check(TetrahedronMap({{{0, 0, 0}, {1000, 1, 0}, {999, 1, 0}, {500, 0, 5}}}));
    EXPECT_EQ(needle.thinBrushes, 1u);
    EXPECT_EQ(needle.emptyBrushes + needle.unboundedBrushes, 0u);
    EXPECT_FALSE(Check(TetrahedronMap({{{0, 0, 0}, {1000, 1, 0}, {0, 1, 0}, {500, 0, 5}}})).HasProblem());
}

TEST(BrushCheckTest, RepeatedPlanesOutsideAPrismsSidesAreProblems) {
    const char* const topAgain = "( 64 0 64 ) ( 0 64 64 ) ( 64 64 64 )";
    const MapQuality twice = Check(MapOf({kBottom, kTop, kFront, kBack, kLeft, kRight, topAgain}));
    EXPECT_EQ(twice.otherDuplicates, 1u);
    EXPECT_EQ(twice.designedDuplicates, 0u);
    EXPECT_EQ(twice.problemBrushes, 1u);

    // Eight faces whose repeat is not the next face of a side pair.
    const MapQuality eight = Check(MapOf({kBottom, kTop, kFront, kBack, kLeft, kRight, kLeft, topAgain}));
    EXPECT_EQ(eight.designedDuplicates, 0u);
    EXPECT_EQ(eight.otherDuplicates, 2u);
}

// Each brush is judged alone: the checker's working room carries nothing
// from one brush to the next.
TEST(BrushCheckTest, ProblemsAreReportedForTheirOwnBrushOnly) {
    std::string text = MapOf({kBottom, kFront, kBack, kLeft, kRight});
    const std::string box = MapOf({kBottom, kTop, kFront, kBack, kLeft, kRight});
    text.insert(text.size() - 2, box.substr(box.find("\n{\n") + 1, box.size() - box.find("\n{\n") - 3));
    std::vector<std::uint64_t> reported;
    MapQuality quality;
    std::string whyNot;
    ASSERT_TRUE(mapcheck::CheckMapText(
        text, quality, [&](const mapcheck::MapBrushView& brush, const mapcheck::BrushFindings&) { reported.push_back(brush.number); },
        whyNot))
        << whyNot;
    EXPECT_EQ(quality.brushes, 2u);
    EXPECT_EQ(reported, std::vector<std::uint64_t>{0});
}

}  // namespace
}  // namespace ondrel::testing
