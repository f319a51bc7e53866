// Reading binary level exports: little-endian int32 triangle counts, then
// per vertex three float32 coordinates and a uint32 colour.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {


class BinaryImport : public ::testing::Test {
protected:
    BinaryImport() { level.SetBufferFactory(&buffers); }

    bool Import(const BinaryLevel& data) {
        return level.Import(folder.Write("level.bin", data.Data()), true);
    }
    static BinaryLevel OneTriangle() {
        BinaryLevel data;
        data.Count(1).Vertex(10, 20, 30, 0xFF112233).Vertex(40, 50, 60, 2).Vertex(70, 80, 95, 3);
        return data;
    }

    TempFolder folder;
    MemoryVertexBufferFactory buffers;
    LevelData level;
};

BinaryLevel Triangles(std::int32_t count) {
    BinaryLevel data;
    data.Count(count);
    for (std::int32_t i = 0; i < count; ++i) {
        data.Vertex(0, 0, 0, 1).Vertex(10, 0, 0, 1).Vertex(0, 0, 10, 1);
    }
    return data;
}

// The list doubles, so a big level costs linear time: 256, 512, 1024.
TEST_F(BinaryImport, TheSourceListDoublesAsItGrows) {
    ASSERT_TRUE(Import(Triangles(171)));
    EXPECT_EQ(level.sourceCount, 513u);
    EXPECT_EQ(level.sourceCapacity, 1024u);
}

// 170 triangles and a group cut off after two vertices: the list is exactly
// full, and the two strays keep the importer's placeholder normal.
TEST_F(BinaryImport, RecordsAfterTheLastTriangleKeepTheirNormalsInAFullList) {
    BinaryLevel data = Triangles(170);
    data.Count(1).Vertex(1, 2, 3, 1).Vertex(4, 5, 6, 1);
    ASSERT_TRUE(Import(data));
    ASSERT_EQ(level.sourceCount, 512u);
    ASSERT_EQ(level.sourceCapacity, 512u);
    const LevelVertex& lastOfTriangle = level.sourceVertices[509];  // mirrored x: normal +y
    EXPECT_EQ(lastOfTriangle.nx, 0.0f);
    EXPECT_EQ(lastOfTriangle.ny, 1.0f);
    for (std::uint32_t i : {510u, 511u}) {
        const LevelVertex& stray = level.sourceVertices[i];
        EXPECT_EQ(stray.nx, 1.0f) << i;
        EXPECT_EQ(stray.ny, 1.0f) << i;
        EXPECT_EQ(stray.nz, 1.0f) << i;
    }
}

TEST_F(BinaryImport, ReadsGroupsUntilACountOfZero) {
    BinaryLevel data = OneTriangle();
    data.Count(1).Vertex(0, 0, 0, 4).Vertex(10, 0, 0, 5).Vertex(0, 0, 10, 6);
    data.Count(0).Count(1).Vertex(1, 1, 1, 1).Vertex(2, 2, 2, 2).Vertex(3, 3, 3, 3);
    ASSERT_TRUE(Import(data));
    ASSERT_EQ(level.sourceCount, 6u);
    EXPECT_EQ(level.sourceVertices[0].x, -1.0f);
    EXPECT_EQ(level.sourceVertices[0].y, 2.0f);
    EXPECT_EQ(level.sourceVertices[0].z, 3.0f);
    EXPECT_EQ(level.sourceVertices[0].colour, 0xFF112233u);
    EXPECT_EQ(level.sourceVertices[2].z, 9.5f);
    EXPECT_EQ(level.sourceVertices[5].colour, 6u);
}

TEST_F(BinaryImport, AFirstCountOfZeroGivesNothingAndFails) {
    BinaryLevel data;
    data.Count(0);
    EXPECT_FALSE(Import(data));
    EXPECT_EQ(level.sourceCount, 0u);
    EXPECT_FALSE(Import(BinaryLevel{}));
}

TEST_F(BinaryImport, ANegativeCountIsSkipped) {
    BinaryLevel data;
    data.Count(-1).Bytes(OneTriangle().Data());
    ASSERT_TRUE(Import(data));
    EXPECT_EQ(level.sourceCount, 3u);
    EXPECT_EQ(level.sourceVertices[0].x, -1.0f);
}

TEST_F(BinaryImport, TheCoordinateCountWrapsIn32Bits) {
    // 9 x 0x1C71C71D wraps to 5: one vertex and two more coordinates, then
    // the next word is a count again.
    BinaryLevel data;
    data.Count(0x1C71C71D).Vertex(10, 20, 30, 7).Word(0).Word(0);
    data.Bytes(OneTriangle().Data());
    ASSERT_TRUE(Import(data));
    EXPECT_EQ(level.sourceCount, 4u);
    EXPECT_EQ(level.sourceVertices[0].colour, 7u);
    EXPECT_EQ(level.sourceVertices[1].colour, 0xFF112233u);
    // 9 x 0x20000000 wraps to 0x20000000: a huge group that the file ends.
    BinaryLevel huge;
    huge.Count(0x20000000).Vertex(1, 2, 3, 4);
    ASSERT_TRUE(Import(huge));
    EXPECT_EQ(level.sourceCount, 1u);
    // 9 x 0x40000000 wraps to a negative number: no vertices.
    BinaryLevel negative;
    negative.Count(0x40000000).Bytes(OneTriangle().Data());
    ASSERT_TRUE(Import(negative));
    EXPECT_EQ(level.sourceCount, 3u);
}

TEST_F(BinaryImport, AFileEndingInsideAGroupEndsTheData) {
    for (std::size_t cut = 1; cut < 16; ++cut) {
        BinaryLevel data = OneTriangle();
        data.Count(2).Vertex(1, 1, 1, 1);
        std::string bytes = data.Data();
        bytes += std::string(BinaryLevel{}.Vertex(2, 2, 2, 2).Data(), 0, cut);
        ASSERT_TRUE(level.Import(folder.Write("cut.bin", bytes), true)) << cut;
        EXPECT_EQ(level.sourceCount, 4u) << "cut after " << cut << " bytes";
        EXPECT_EQ(level.sourceVertices[3].colour, 1u);
    }
}

TEST_F(BinaryImport, AFileEndingInsideACountEndsTheData) {
    BinaryLevel data = OneTriangle();
    data.Bytes(std::string("\x01\x00", 2));
    ASSERT_TRUE(Import(data));
    EXPECT_EQ(level.sourceCount, 3u);
}

TEST_F(BinaryImport, SpecialFloatValuesAreKeptAsTheyAre) {
    const float inf = std::numeric_limits<float>::infinity();
    BinaryLevel data;
    data.Count(1).Vertex(inf, -inf, std::numeric_limits<float>::quiet_NaN(), 1);
    data.Vertex(0, 0, 0, 1).Vertex(1, 1, 1, 1);
    ASSERT_TRUE(Import(data));
    EXPECT_EQ(level.sourceVertices[0].x, -inf);
    EXPECT_EQ(level.sourceVertices[0].y, -inf);
    EXPECT_TRUE(std::isnan(level.sourceVertices[0].z));
    EXPECT_TRUE(std::isnan(level.sourceVertices[0].nx));
}

}  // namespace
}  // namespace ondrel::testing
