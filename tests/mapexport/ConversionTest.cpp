// Turning imported triangles into brushes and preview triangles.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidBuilder.h"
#include "tests/support/FakeBuffers.h"

namespace ondrel::testing {
namespace {

// Puts triangles straight into the source list with their flat normals, as
// an import would leave them.
void LoadTriangles(LevelData& level, std::initializer_list<Vector3> corners) {
    level.Reset();
    for (const Vector3& p : corners) {
        ASSERT_TRUE(level.AppendSourceVertex({p.x, p.y, p.z, 1, 1, 1, 0xFF808080u}));
    }
    ComputeFlatNormals(level.sourceVertices.get(), level.sourceCount);
}

void ExpectPoint(const Vector3& p, float x, float y, float z) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

class Conversion : public ::testing::Test {
protected:
    Conversion() {
        level.SetBufferFactory(&buffers);
    }

    MemoryVertexBufferFactory buffers;
    LevelData level;
    ConversionParameters parameters;
};

TEST_F(Conversion, AnAxisFacingTriangleBecomesAnEightFacedBlock) {
    LoadTriangles(level, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}});  // normal (0, -1, 0)
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    ASSERT_EQ(level.brushCount, 1u);
    const Brush& b = level.brushes[0];
    EXPECT_EQ(b.kind, SolidKind::Block);
    ASSERT_EQ(b.faceCount, 8u);
    EXPECT_EQ(b.faceCapacity, 8u);
    // Pushed out by 6 / 40 = 0.15 level units along the stored normal.
    ExpectPoint(b.faces[1].points[0], 0, -0.15f, 0);
    ExpectPoint(b.faces[1].points[1], 0, -0.15f, 1);
    ExpectPoint(b.faces[1].points[2], 1, -0.15f, 0);
    EXPECT_EQ(level.previewCount, 24u);
}

TEST_F(Conversion, ASlopedTriangleBecomesAFourFacedPyramid) {
    LoadTriangles(level, {{0, 0, 0}, {1, 0, 0}, {0, 1, 1}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    const Brush& b = level.brushes[0];
    EXPECT_EQ(b.kind, SolidKind::Tri);
    ASSERT_EQ(b.faceCount, 4u);
    // The apex stands 5 / 40 = 0.125 level units above the centroid.
    const Vector3 apex = b.faces[1].points[1];
    const float third = 0.33333334f;
    EXPECT_FLOAT_EQ(apex.x, third);
    EXPECT_NEAR(apex.y, third - 0.125f * 0.70710677f, 1e-6f);
    EXPECT_NEAR(apex.z, third + 0.125f * 0.70710677f, 1e-6f);
    EXPECT_EQ(level.previewCount, 12u);
}

TEST_F(Conversion, TheFirstFaceIsTheSourceTriangleInItsOrder) {
    LoadTriangles(level, {{0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 0}, {2, 0, 0}, {0, 2, 2}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    for (std::uint32_t k = 0; k < 2; ++k) {
        for (int i = 0; i < 3; ++i) {
            const LevelVertex& v = level.sourceVertices[3 * k + i];
            ExpectPoint(level.brushes[k].faces[0].points[i], v.x, v.y, v.z);
        }
    }
}

TEST_F(Conversion, TheWindingDecidesTheSideOfThePushOut) {
    LoadTriangles(level, {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}});  // normal (0, +1, 0)
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    EXPECT_FLOAT_EQ(level.brushes[0].faces[1].points[0].y, 0.15f);
}

TEST_F(Conversion, AZeroAreaTriangleBecomesABlockPushedAlongPlusX) {
    LoadTriangles(level, {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    const Brush& b = level.brushes[0];
    EXPECT_EQ(b.kind, SolidKind::Block);
    ASSERT_EQ(b.faceCount, 8u);
    ExpectPoint(b.faces[1].points[0], 1.15f, 1, 1);
}

TEST_F(Conversion, DepthsFollowTheFactorsAndTheScale) {
    parameters.extrudeFactorBlocks = 12.0f;
    parameters.exportScale = 80.0f;
    LoadTriangles(level, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    EXPECT_FLOAT_EQ(level.brushes[0].faces[1].points[0].y, -0.15f);
}

TEST_F(Conversion, TheOriginIsTheSnappedCentreOfTheSourceTriangles) {
    LoadTriangles(level, {{-3, 10, 4}, {2, 10, 4}, {2, 20, 5}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.exportOrigin[0], 0.0f);   // -0.5 snaps to 0
    EXPECT_EQ(level.exportOrigin[1], 15.0f);
    EXPECT_EQ(level.exportOrigin[2], 4.0f);   // 4.5
}

TEST_F(Conversion, TheBoxSeedsWinForLevelsBeyondAMillion) {
    LoadTriangles(level, {{2e6f, -3e6f, 0}, {3e6f, -2e6f, 0}, {2e6f, -2e6f, 1}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.exportOrigin[0], 2e6f);    // (1e6 + 3e6) / 2
    EXPECT_EQ(level.exportOrigin[1], -2e6f);   // (-3e6 + -1e6) / 2
}

TEST_F(Conversion, TheUpperBoundIsLowerBoundPlusExtentInSinglePrecision) {
    // Extent 16777221 rounds to 16777220, and -3 + 16777220 rounds to
    // 16777216: the box's upper x is 16777216, not 16777218, and the centre
    // snaps to 8388606 where the true bound would give 8388608.
    LoadTriangles(level, {{-3, 0, 0}, {16777218.0f, 0, 0}, {0, 0, 1}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.exportOrigin[0], 8388606.0f);
}

TEST_F(Conversion, ConvertingTwiceGivesTheSameResultNotTwiceAsMuch) {
    LoadTriangles(level, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 1}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    const std::vector<LevelVertex> first = BufferRecords(level.previewBuffer);
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.brushCount, 2u);
    EXPECT_EQ(level.previewCount, 36u);
    ASSERT_EQ(BufferRecords(level.previewBuffer).size(), first.size());
    EXPECT_EQ(0, std::memcmp(first.data(), BufferRecords(level.previewBuffer).data(),
                             first.size() * sizeof(LevelVertex)));
}

TEST_F(Conversion, ThePreviewShowsTheSourceThenWhiteFacesWithFlatNormals) {
    LoadTriangles(level, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    const auto& preview = BufferRecords(level.previewBuffer);
    ASSERT_EQ(preview.size(), 24u);
    EXPECT_EQ(preview[0].colour, 0xFF808080u);
    EXPECT_EQ(preview[3].colour, 0xFFFFFFFFu);
    // The pushed-out copy lists its points in reverse, so its normal is the
    // opposite of the source triangle's.
    EXPECT_FLOAT_EQ(preview[3].ny, 1.0f);
    EXPECT_FLOAT_EQ(preview[0].ny, -1.0f);
}

TEST_F(Conversion, WhereNothingDrawsThePreviewIsCountedNotStored) {
    LoadTriangles(level, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 1}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    const std::uint32_t kept = level.previewCount;
    const std::vector<Brush> brushes(level.brushes.get(), level.brushes.get() + level.brushCount);
    DiscardingVertexBufferFactory discarding;
    level.SetBufferFactory(&discarding);
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    EXPECT_FALSE(level.previewVertices);
    EXPECT_EQ(level.previewCount, kept);
    ASSERT_TRUE(level.previewBuffer);
    EXPECT_EQ(level.previewBuffer->RecordCount(), kept);
    ASSERT_EQ(level.brushCount, brushes.size());
    for (std::uint32_t b = 0; b < level.brushCount; ++b) {
        ASSERT_EQ(level.brushes[b].faceCount, brushes[b].faceCount);
    }
}

TEST_F(Conversion, OnlyWholeTrianglesBecomeBrushes) {
    LoadTriangles(level, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {5, 5, 5}, {6, 6, 6}});
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.brushCount, 1u);
    EXPECT_EQ(level.previewCount, 24u);
    LoadTriangles(level, {{0, 0, 0}, {1, 0, 0}});
    EXPECT_FALSE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.brushCount, 0u);
}

TEST_F(Conversion, AnEmptyLevelFailsWithNoBrushesAndAZeroOrigin) {
    EXPECT_FALSE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.brushCount, 0u);
    EXPECT_EQ(level.previewCount, 0u);
    EXPECT_FALSE(level.previewBuffer);
    EXPECT_EQ(level.exportOrigin[0], 0.0f);
}

class ConversionRefusals : public ::testing::Test {
protected:
    ConversionRefusals() {
        level.SetBufferFactory(&buffers);
        LoadTriangles(level, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 1}});
    }
    ScriptedBufferFactory buffers;
    LevelData level;
    ConversionParameters parameters;
};

TEST_F(ConversionRefusals, NoPreviewMemoryKeepsThePreviousBrushes) {
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    level.exportOrigin[0] = 7.0f;
    level.allocationGate = [](std::size_t) { return false; };
    EXPECT_FALSE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.brushCount, 2u);
    EXPECT_EQ(level.previewCount, 0u);
    EXPECT_FALSE(level.previewVertices);
    EXPECT_EQ(level.exportOrigin[0], 7.0f);
}

TEST_F(ConversionRefusals, ARefusedBufferLeavesBrushesAndNoPreviewToDraw) {
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    buffers.refuseCreation = true;
    EXPECT_FALSE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.brushCount, 2u);
    EXPECT_EQ(level.previewCount, 36u);
    EXPECT_FALSE(level.previewBuffer);
}

TEST_F(ConversionRefusals, ARefusedLockKeepsTheNewBuffer) {
    buffers.refuseLock = true;
    EXPECT_FALSE(ConvertToSolids(level, parameters));
    EXPECT_TRUE(level.previewBuffer);
    EXPECT_EQ(buffers.createdCounts.back(), 36u);
}

TEST_F(ConversionRefusals, NoBrushMemoryFailsAndKeepsThePreviousBrushes) {
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    for (int grants : {1, 2}) {  // the preview, then the brush list, then the faces
        level.allocationGate = [grants](std::size_t) mutable { return grants-- > 0; };
        EXPECT_FALSE(ConvertToSolids(level, parameters));
        EXPECT_EQ(level.brushCount, 2u);
        EXPECT_EQ(level.brushes[1].faceCount, 4u);
        EXPECT_EQ(level.previewCount, 0u);
        EXPECT_FALSE(level.previewVertices);
    }
}

TEST_F(ConversionRefusals, EachBrushReservesExactlyItsKindsFaces) {
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    EXPECT_EQ(level.brushes[0].faceCapacity, 8u);
    EXPECT_EQ(level.brushes[1].faceCapacity, 4u);
    EXPECT_EQ(level.brushes[1].faces, level.brushes[0].faces + 8);
}

}  // namespace
}  // namespace ondrel::testing
