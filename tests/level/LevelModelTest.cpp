// The level record itself: flat normals, growth, reset, and what happens
// when memory or the device says no.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/SolidBuilder.h"
#include "tests/support/FakeBuffers.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {


LevelVertex At(float x, float y, float z) { return {x, y, z, 9.0f, 9.0f, 9.0f, 0}; }

void ExpectNormal(const LevelVertex& v, float x, float y, float z) {
    EXPECT_EQ(v.nx, x);
    EXPECT_EQ(v.ny, y);
    EXPECT_EQ(v.nz, z);
}

TEST(FlatNormals, FollowTheWindingAndAreUnitLength) {
    LevelVertex t[3] = {At(0, 0, 0), At(1, 0, 0), At(0, 1, 0)};
    ComputeFlatNormals(t, 3);
    for (const auto& v : t) ExpectNormal(v, 0, 0, 1);
    std::swap(t[1], t[2]);
    ComputeFlatNormals(t, 3);
    for (const auto& v : t) ExpectNormal(v, 0, 0, -1);
    const Vector3 n = TriangleNormal({0, 0, 0}, {3, 0, 0}, {0, 0, 4});
    EXPECT_EQ(n.x, 0.0f);
    EXPECT_EQ(n.y, -1.0f);
    EXPECT_EQ(n.z, 0.0f);
}

TEST(FlatNormals, DegenerateAndEqualComponentNormalsBecomePlusX) {
    LevelVertex twoEqualCorners[3] = {At(1, 2, 3), At(1, 2, 3), At(4, 5, 6)};
    ComputeFlatNormals(twoEqualCorners, 3);
    for (const auto& v : twoEqualCorners) ExpectNormal(v, 1, 0, 0);
    LevelVertex diagonal[3] = {At(1, 0, 0), At(0, 1, 0), At(0, 0, 1)};
    ComputeFlatNormals(diagonal, 3);
    for (const auto& v : diagonal) ExpectNormal(v, 1, 0, 0);
    EXPECT_EQ(TriangleNormal({0, 0, 0}, {1e-8f, 0, 0}, {0, 1e-8f, 0}).z, 0.0f);
}

TEST(FlatNormals, RecordsAfterTheLastWholeTriangleKeepTheirNormals) {
    LevelVertex list[7] = {At(0, 0, 0), At(1, 0, 0), At(0, 1, 0), At(0, 0, 0),
                           At(0, 0, 1), At(1, 0, 0), At(5, 5, 5)};
    ComputeFlatNormals(list, 7);
    ExpectNormal(list[5], 0, 1, 0);
    ExpectNormal(list[6], 9, 9, 9);
}

TEST(FlatNormals, ANotANumberNormalStays) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    LevelVertex t[3] = {At(nan, 0, 0), At(1, 0, 0), At(0, 1, 0)};
    ComputeFlatNormals(t, 3);
    EXPECT_TRUE(std::isnan(t[0].nx));
}

TEST(LevelModel, AFreshLevelIsEmptyWithDefaultFactors) {
    LevelData level;
    EXPECT_EQ(level.sourceCount, 0u);
    EXPECT_EQ(level.sourceCapacity, 0u);
    EXPECT_EQ(level.previewCount, 0u);
    EXPECT_EQ(level.brushCount, 0u);
    EXPECT_FALSE(level.sourceBuffer);
    EXPECT_EQ(level.extrudeFactorTris, 5.0f);
    EXPECT_EQ(level.extrudeFactorBlocks, 6.0f);
}

TEST(LevelModel, ResetAfterAConversionKeepsBrushesAndOrigin) {
    TempFolder folder;
    MemoryVertexBufferFactory buffers;
    LevelData level;
    level.SetBufferFactory(&buffers);
    ASSERT_TRUE(level.Import(folder.WriteLines("l.txt", {"1", "-30", "0", "0", "1", "-40", "0", "0", "1",
                                                          "-30", "0", "10", "1"}),
                             false));
    ASSERT_TRUE(ConvertToSolids(level, {}));
    level.Reset();
    EXPECT_EQ(level.sourceCount, 0u);
    EXPECT_EQ(level.previewCount, 0u);
    EXPECT_FALSE(level.sourceBuffer);
    EXPECT_FALSE(level.previewBuffer);
    EXPECT_EQ(level.brushCount, 1u);
    EXPECT_EQ(level.exportOrigin[0], 3.0f);
}

TEST(LevelModel, TheLockIsReentrant) {
    LevelData level;
    std::lock_guard outer(level.lock);
    level.Reset();  // takes the lock again on the same thread
    SUCCEED();
}

class DeviceRefusals : public ::testing::Test {
protected:
    DeviceRefusals() { level.SetBufferFactory(&buffers); }
    std::filesystem::path Triangle() {
        return folder.WriteLines("t.txt", {"1", "0", "0", "0", "1", "10", "0", "0", "1", "0", "0", "10", "1"});
    }
    TempFolder folder;
    ScriptedBufferFactory buffers;
    LevelData level;
};

TEST_F(DeviceRefusals, RefusedBufferFailsTheImportButKeepsTheRecords) {
    buffers.refuseCreation = true;
    EXPECT_FALSE(level.Import(Triangle(), false));
    EXPECT_EQ(level.sourceCount, 3u);
    EXPECT_FALSE(level.sourceBuffer);
}

TEST_F(DeviceRefusals, RefusedLockFailsTheImportAndKeepsTheBuffer) {
    buffers.refuseLock = true;
    EXPECT_FALSE(level.Import(Triangle(), false));
    EXPECT_EQ(level.sourceCount, 3u);
    EXPECT_TRUE(level.sourceBuffer);
}

TEST_F(DeviceRefusals, WithoutADeviceNoBufferCanBeMade) {
    level.SetBufferFactory(nullptr);
    EXPECT_FALSE(level.Import(Triangle(), false));
    EXPECT_EQ(level.sourceCount, 3u);
}

TEST_F(DeviceRefusals, AnEmptyFileAsksForNoBuffer) {
    EXPECT_FALSE(level.Import(folder.Write("e.txt", ""), false));
    EXPECT_TRUE(buffers.createdCounts.empty());
}

TEST(MemoryRefusals, AVertexThatCannotBeStoredIsDroppedAndReadingGoesOn) {
    TempFolder folder;
    MemoryVertexBufferFactory buffers;
    LevelData level;
    level.SetBufferFactory(&buffers);
    std::string text = "100\n";
    for (int i = 0; i < 300; ++i) text += std::to_string(i) + "\n0\n0\n1\n";
    // The first block of 256 records is granted, every later growth refused.
    int grants = 1;
    level.allocationGate = [&grants](std::size_t) { return grants-- > 0; };
    ASSERT_TRUE(level.Import(folder.Write("l.txt", text), false));
    EXPECT_EQ(level.sourceCount, 256u);
    EXPECT_EQ(level.sourceCapacity, 256u);
    EXPECT_EQ(level.sourceVertices[255].x, -25.5f);
}

}  // namespace
}  // namespace ondrel::testing
