// Merged maps: small cases against golden files, and the sample against
// its unmerged map: never more brushes, never more problems.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <initializer_list>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapcheck/MapQuality.h"
#include "mapexport/MapFileSink.h"
#include "mapexport/StreamedMap.h"
#include "merge/MergeCandidates.h"
#include "merge/MergedMap.h"
#include "tests/merge/MeshInvariants.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

using Triangle = std::initializer_list<Vector3>;

void AddTriangles(LevelData& level, std::initializer_list<Triangle> triangles) {
    for (const Triangle& triangle : triangles) {
        for (const Vector3& p : triangle) level.AppendSourceVertex({p.x, p.y, p.z, 0.0f, 0.0f, 0.0f, 0xFFFFFFFFu});
    }
    ComputeFlatNormals(level.sourceVertices.get(), level.sourceCount);
}

struct Maps {
    std::string merged;
    std::string unmerged;
    StreamedMapFigures figures;
    merge::MergeFigures mergeFigures;
};

Maps WriteBoth(const LevelData& level, const ConversionParameters& parameters = {}) {
    Maps maps;
    MapFileSink merged, unmerged;
    merged.OpenInMemory(maps.merged);
    unmerged.OpenInMemory(maps.unmerged);
    merge::WriteMergedMap(level, merged, parameters, maps.figures, maps.mergeFigures);
    StreamedMapFigures unmergedFigures;
    WriteSolidsAsMap(level, unmerged, parameters, unmergedFigures);
    EXPECT_TRUE(merged.Commit() && unmerged.Commit());
    return maps;
}

// ONDREL_UPDATE_GOLDEN=1 writes the golden file instead of comparing; the
// written files are read by eye and by `ondrel-convert --check-map` first.
void ExpectGolden(const std::string& name, const std::string& map) {
    const std::string path = std::string(ONDREL_MERGE_GOLDEN_DIR) + "/" + name;
    if (std::getenv("ONDREL_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << map;
        return;
    }
    EXPECT_EQ(map, ReadWholeFile(path)) << name;
}

mapcheck::MapQuality Quality(const std::string& map) {
    mapcheck::MapQuality quality;
    std::string whyNot;
    EXPECT_TRUE(mapcheck::CheckMapText(map, quality, nullptr, whyNot)) << whyNot;
    return quality;
}

std::uint64_t Brushes(const Maps& maps) { return maps.figures.prisms + maps.figures.pyramids; }

class MergedMap : public ::testing::Test {
protected:
    LevelData level;
};

// The sample level, imported without drawing buffers.
void ImportSample(LevelData& level) {
    static DiscardingVertexBufferFactory buffers;
    level.SetBufferFactory(&buffers);
    ASSERT_TRUE(level.Import(std::filesystem::path(ONDREL_SAMPLE_DIR) / "facility.txt", false));
}

// On the floor y = 0, a prism over the square: eight faces become six.
TEST_F(MergedMap, ASquareOfTwoTrianglesIsOnePrism) {
    AddTriangles(level, {{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}}, {{0, 0, 0}, {1, 0, 1}, {0, 0, 1}}});
    const Maps maps = WriteBoth(level);
    EXPECT_EQ(Brushes(maps), 1u);
    EXPECT_EQ(maps.mergeFigures.trianglesMerged, 2u);
    EXPECT_EQ(Quality(maps.merged).problemBrushes, 0u);
    ExpectGolden("square.map", maps.merged);
}

// A sloped square becomes a pyramid over it, the apex above its middle.
TEST_F(MergedMap, ASlopedSquareIsOnePyramid) {
    AddTriangles(level, {{{0, 0, 0}, {1, 0, 0}, {1, 1, 1}}, {{0, 0, 0}, {1, 1, 1}, {0, 1, 1}}});
    const Maps maps = WriteBoth(level);
    EXPECT_EQ(maps.figures.pyramids, 1u);
    EXPECT_EQ(maps.figures.prisms, 0u);
    EXPECT_EQ(Quality(maps.merged).problemBrushes, 0u);
    ExpectGolden("sloped_square.map", maps.merged);
}

// Three squares in an L make two convex brushes, not one concave one.
TEST_F(MergedMap, AnLOfSquaresIsTwoConvexBrushes) {
    AddTriangles(level, {{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}}, {{0, 0, 0}, {1, 0, 1}, {0, 0, 1}},
                         {{1, 0, 0}, {2, 0, 0}, {2, 0, 1}}, {{1, 0, 0}, {2, 0, 1}, {1, 0, 1}},
                         {{0, 0, 1}, {1, 0, 1}, {1, 0, 2}}, {{0, 0, 1}, {1, 0, 2}, {0, 0, 2}}});
    const Maps maps = WriteBoth(level);
    EXPECT_EQ(Brushes(maps), 2u);
    EXPECT_EQ(Quality(maps.merged).problemBrushes, 0u);
    ExpectGolden("l_shape.map", maps.merged);
}

// The second triangle's third corner is lifted by a thousandth of a unit:
// written, both lie on y = 0, but only the first faces along an axis.
// A prism and a pyramid cannot share a brush: the map is the unmerged one.
TEST_F(MergedMap, CoplanarTrianglesOfDifferentKindsStayApart) {
    AddTriangles(level, {{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}}, {{0, 0, 0}, {1, 0, 1}, {0, 0.001f, 1}}});
    const Maps maps = WriteBoth(level);
    ASSERT_EQ(maps.figures.prisms, 1u);
    ASSERT_EQ(maps.figures.pyramids, 1u);
    const float origin[3] = {maps.figures.origin[0], maps.figures.origin[1], maps.figures.origin[2]};
    const auto second = merge::CandidateOf(&level.sourceVertices[3], origin, ConversionParameters{});
    EXPECT_EQ(second.plane, merge::CandidateOf(&level.sourceVertices[0], origin, ConversionParameters{}).plane);
    EXPECT_EQ(maps.merged, maps.unmerged);
    ExpectGolden("different_kinds.map", maps.merged);
}

TEST_F(MergedMap, CoplanarTrianglesThatShareNoEdgeStayApart) {
    AddTriangles(level, {{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}}, {{3, 0, 0}, {4, 0, 0}, {4, 0, 1}},
                         {{1, 0, 1}, {2, 0, 1}, {2, 0, 2}}});
    const Maps maps = WriteBoth(level);
    EXPECT_EQ(Brushes(maps), 3u);
    EXPECT_EQ(maps.merged, maps.unmerged);
    ExpectGolden("apart.map", maps.merged);
}

// Brushes come in the place of their lowest-numbered triangle: a lone
// triangle between the two halves of a square is written after the square.
TEST_F(MergedMap, EachBrushTakesThePlaceOfItsFirstTriangle) {
    AddTriangles(level, {{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}}, {{5, 3, 0}, {6, 4, 0}, {5, 4, 1}},
                         {{0, 0, 0}, {1, 0, 1}, {0, 0, 1}}});
    const Maps maps = WriteBoth(level);
    ASSERT_EQ(Brushes(maps), 2u);
    const std::size_t lone = maps.merged.find("{ ;1");
    ASSERT_NE(lone, std::string::npos);
    // The lone triangle's brush is its unmerged one, renumbered.
    const std::size_t unmergedLone = maps.unmerged.find("{ ;1");
    const std::size_t unmergedEnd = maps.unmerged.find("{ ;2");
    EXPECT_EQ(maps.merged.substr(lone, unmergedEnd - unmergedLone),
              maps.unmerged.substr(unmergedLone, unmergedEnd - unmergedLone));
}

struct Settings {
    const char* name;
    float tris;
    float blocks;
    double mostBrushesLeft;  // of the triangle count
};

void PrintTo(const Settings& settings, std::ostream* out) { *out << settings.name; }

class SampleMerge : public ::testing::TestWithParam<Settings> {};

// The sample merged and unmerged: fewer brushes (at most half of them where
// the factors leave room to merge), no more problems of any kind, and the
// polygons keep every invariant.
TEST_P(SampleMerge, NeverMoreBrushesOrProblemsThanUnmerged) {
    LevelData level;
    ImportSample(level);
    const ConversionParameters parameters{GetParam().tris, GetParam().blocks, 40.0f};
    const Maps maps = WriteBoth(level, parameters);
    const std::uint32_t triangles = level.sourceCount / 3;
    EXPECT_LE(Brushes(maps), triangles * GetParam().mostBrushesLeft);
    EXPECT_EQ(Brushes(maps), triangles - maps.mergeFigures.trianglesMerged + maps.mergeFigures.polygons);

    const mapcheck::MapQuality merged = Quality(maps.merged);
    const mapcheck::MapQuality unmerged = Quality(maps.unmerged);
    EXPECT_EQ(merged.brushes, Brushes(maps));
    using Count = std::uint64_t mapcheck::MapQuality::*;
    for (const Count problem : {&mapcheck::MapQuality::problemBrushes, &mapcheck::MapQuality::coincidentFaces,
                                &mapcheck::MapQuality::collinearFaces, &mapcheck::MapQuality::emptyBrushes,
                                &mapcheck::MapQuality::thinBrushes, &mapcheck::MapQuality::unboundedBrushes,
                                &mapcheck::MapQuality::otherDuplicates}) {
        EXPECT_LE(merged.*problem, unmerged.*problem);
    }

    const auto candidates = merge::MergeCandidates(level, maps.figures.origin, parameters);
    EXPECT_EQ(BrokenInvariant(candidates, merge::MergeCoplanarTriangles(candidates)), "");
    RecordProperty("brushes", std::to_string(Brushes(maps)));
}

INSTANTIATE_TEST_SUITE_P(Settings, SampleMerge,
                         ::testing::Values(Settings{"Defaults", 5.0f, 6.0f, 0.5}, Settings{"SmallFactors", 0.1f, 0.1f, 1.0},
                                           Settings{"OneUnit", 1.0f, 1.0f, 0.5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ondrel::testing
