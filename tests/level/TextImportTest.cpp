// Reading text level exports: one number a line, groups of a triangle count
// followed by x, y, z and colour lines per vertex.

#include <gtest/gtest.h>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/SolidBuilder.h"
#include "tests/support/FakeBuffers.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {


class TextImport : public ::testing::Test {
protected:
    TextImport() { level.SetBufferFactory(&buffers); }

    bool ImportLines(std::initializer_list<std::string_view> lines) {
        return level.Import(folder.WriteLines("level.txt", lines), false);
    }
    bool ImportBytes(std::string_view bytes) {
        return level.Import(folder.Write("level.txt", bytes), false);
    }
    void ExpectPosition(std::uint32_t i, float x, float y, float z) {
        ASSERT_LT(i, level.sourceCount);
        EXPECT_EQ(level.sourceVertices[i].x, x) << "record " << i;
        EXPECT_EQ(level.sourceVertices[i].y, y) << "record " << i;
        EXPECT_EQ(level.sourceVertices[i].z, z) << "record " << i;
    }

    TempFolder folder;
    MemoryVertexBufferFactory buffers;
    LevelData level;
};

TEST_F(TextImport, ScalesMirrorsAndComputesTheTriangleNormal) {
    ASSERT_TRUE(ImportLines({"1", "100", "0", "0", "-1", "0", "100", "0", "-1", "0", "0", "100", "-1"}));
    ASSERT_EQ(level.sourceCount, 3u);
    ExpectPosition(0, -10.0f, 0.0f, 0.0f);
    ExpectPosition(1, 0.0f, 10.0f, 0.0f);
    ExpectPosition(2, 0.0f, 0.0f, 10.0f);
    for (std::uint32_t i = 0; i < 3; ++i) {
        const LevelVertex& v = level.sourceVertices[i];
        EXPECT_EQ(v.colour, 0xFFFFFFFFu);
        EXPECT_NEAR(v.nx, 0.57735f, 1e-5f);
        EXPECT_NEAR(v.ny, -0.57735f, 1e-5f);
        EXPECT_NEAR(v.nz, -0.57735f, 1e-5f);
    }
    ASSERT_TRUE(level.sourceBuffer);
    EXPECT_EQ(BufferRecords(level.sourceBuffer).size(), 3u);
    EXPECT_EQ(level.previewCount, 0u);
}

TEST_F(TextImport, FileValuesAreRoundedToFloatBeforeTheDivision) {
    // 0.1 as a float, divided by ten in single precision.
    ASSERT_TRUE(ImportLines({"1", "0.1", "16777217", "3", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(level.sourceVertices[0].x, -(0.1f / 10.0f));
    EXPECT_EQ(level.sourceVertices[0].y, 16777216.0f / 10.0f);
    EXPECT_EQ(level.sourceVertices[0].z, 0.3f);
}

TEST_F(TextImport, SpacesCarriageReturnsAndTabsInsideLinesDoNotMatter) {
    ASSERT_TRUE(ImportBytes("\t1 \r\n 1 2 . 5 \r\n0\r\n0\r\n 7 \r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n2\r\n"));
    ASSERT_EQ(level.sourceCount, 3u);
    EXPECT_EQ(level.sourceVertices[0].x, -1.25f);
    EXPECT_EQ(level.sourceVertices[0].colour, 7u);
}

TEST_F(TextImport, TitleLinesAndNonPositiveCountsAreSkipped) {
    ASSERT_TRUE(ImportLines({"GoldenEye level", "0", "-3", "1", "10", "0", "0", "1", "0", "10", "0", "2",
                             "0", "0", "10", "3"}));
    ASSERT_EQ(level.sourceCount, 3u);
    EXPECT_EQ(level.sourceVertices[2].colour, 3u);
}

TEST_F(TextImport, ColoursWrapModuloTwoToThe32) {
    ASSERT_TRUE(ImportLines({"1", "0", "0", "0", "4294967295", "0", "0", "0", "-1", "0", "0", "0",
                             "4278190335"}));
    EXPECT_EQ(level.sourceVertices[0].colour, 0xFFFFFFFFu);
    EXPECT_EQ(level.sourceVertices[1].colour, 0xFFFFFFFFu);
    EXPECT_EQ(level.sourceVertices[2].colour, 0xFF0000FFu);
}

TEST_F(TextImport, AVertexWithoutColourLineIsNotStored) {
    ASSERT_TRUE(ImportLines({"1", "0", "0", "0", "1", "10", "0", "0", "2", "0", "0", "10"}));
    EXPECT_EQ(level.sourceCount, 2u);
}

TEST_F(TextImport, AnEmptyCountLineEndsTheData) {
    ASSERT_TRUE(ImportLines({"1", "0", "0", "0", "1", "10", "0", "0", "2", "0", "0", "10", "3", "",
                             "1", "5", "5", "5", "1", "5", "5", "5", "1", "5", "5", "5", "1"}));
    EXPECT_EQ(level.sourceCount, 3u);
}

TEST_F(TextImport, AnEmptyCoordinateLineAbandonsTheGroupAndShiftsLaterVertices) {
    // Group 1 promises two triangles but breaks after one vertex; the next
    // line is read as a count again.
    ASSERT_TRUE(ImportLines({"2", "10", "20", "30", "1", "40", " ", "1", "50", "0", "0", "2", "60",
                             "0", "0", "3", "70", "0", "0", "4"}));
    ASSERT_EQ(level.sourceCount, 4u);
    ExpectPosition(0, -1.0f, 2.0f, 3.0f);
    ExpectPosition(1, -5.0f, 0.0f, 0.0f);
    // Records 0-2 form the only whole triangle; record 3 keeps its placeholder normal.
    EXPECT_EQ(level.sourceVertices[3].nx, 1.0f);
    EXPECT_EQ(level.sourceVertices[3].ny, 1.0f);
}

TEST_F(TextImport, AColourlessVertexDoesNotEndItsGroup) {
    // The colour line is empty: the vertex is dropped and the next line is
    // the next vertex's x.
    ASSERT_TRUE(ImportLines({"1", "1", "2", "3", "", "4", "5", "6", "7", "8", "9", "10", "11"}));
    ASSERT_EQ(level.sourceCount, 2u);
    ExpectPosition(0, -0.4f, 0.5f, 0.6f);
    EXPECT_EQ(level.sourceVertices[0].colour, 7u);
    ExpectPosition(1, -0.8f, 0.9f, 1.0f);
}

// A line is read whole whatever its length: padding does not push the rest
// of a line into the next field, and a number written with many digits is
// one number.
TEST_F(TextImport, LongLinesAreReadWhole) {
    const std::string spaces(70, ' ');
    ASSERT_TRUE(ImportBytes("1\n15" + spaces + "\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n"));
    ASSERT_EQ(level.sourceCount, 3u);
    EXPECT_EQ(level.sourceVertices[0].x, -1.5f);
    EXPECT_EQ(level.sourceVertices[0].y, 0.0f);

    const std::string digits = "1." + std::string(200, '0') + "1";
    ASSERT_TRUE(ImportLines({"1", digits, "20", "30", "4", "0", "0", "0", "0", "0", "0", "0", "0"}));
    ASSERT_EQ(level.sourceCount, 3u);
    ExpectPosition(0, -0.1f, 2.0f, 3.0f);
    EXPECT_EQ(level.sourceVertices[0].colour, 4u);
}

// 63 bytes and its line feed are one line, not that line and an empty one
// (which would abandon the group).
TEST_F(TextImport, ALineOfExactly63BytesIsOneLine) {
    const std::string line63 = std::string(62, '0') + "5";
    ASSERT_TRUE(ImportLines({"1", line63, "0", "0", "1", "0", "0", "0", "1", "0", "0", "0", "1"}));
    ASSERT_EQ(level.sourceCount, 3u);
    EXPECT_EQ(level.sourceVertices[0].x, -0.5f);
}

std::string Utf16(std::string_view ascii, bool bigEndian) {
    std::string bytes;
    for (const char c : ascii) {
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return bytes;
}

// A byte-order mark is no title: the first group keeps its count. UTF-16
// text reads as before, its zero bytes dropped with the other control bytes.
TEST_F(TextImport, AByteOrderMarkAtTheStartIsSkipped) {
    const std::string lines = "1\n10\n0\n0\n1\n0\n10\n0\n2\n0\n0\n10\n3\n";
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {{"UTF-8", "\xEF\xBB\xBF" + lines},
                 {"UTF-16 LE", "\xFF\xFE" + Utf16(lines, false)},
                 {"UTF-16 BE", "\xFE\xFF" + Utf16(lines, true)}};
    for (const auto& c : cases) {
        ASSERT_TRUE(ImportBytes(c.bytes)) << c.name;
        ASSERT_EQ(level.sourceCount, 3u) << c.name;
        ExpectPosition(0, -1.0f, 0.0f, 0.0f);
        EXPECT_EQ(level.sourceVertices[2].colour, 3u) << c.name;
    }
}

TEST_F(TextImport, TwoHundredFiftySevenVerticesNeedCapacity512) {
    std::string text = "86\n";
    for (int i = 0; i < 257; ++i) text += "1\n2\n3\n4\n";
    ASSERT_TRUE(ImportBytes(text));
    EXPECT_EQ(level.sourceCount, 257u);
    EXPECT_EQ(level.sourceCapacity, 512u);
}

TEST_F(TextImport, AFileWithoutVerticesFailsAndLeavesTheLevelEmpty) {
    EXPECT_FALSE(ImportBytes(""));
    EXPECT_EQ(level.sourceCount, 0u);
    EXPECT_FALSE(level.sourceBuffer);
    EXPECT_FALSE(ImportLines({"title", "0"}));
}

TEST_F(TextImport, MissingFilesAndFoldersAreRefused) {
    EXPECT_FALSE(level.Import(folder.File("absent.txt"), false));
    EXPECT_FALSE(level.Import(folder.Path(), false));
    EXPECT_EQ(level.sourceCount, 0u);
}

TEST_F(TextImport, Utf16PathsReachTheFileSystemAsUtf8) {
    folder.WriteLines("n\xC3\xBA\xC3\xB1" "ez.txt",
                      {"1", "0", "0", "0", "1", "10", "0", "0", "1", "0", "0", "10", "1"});
    const std::u16string wide = folder.Path().u16string() + u"/n\u00FA\u00F1ez.txt";
    EXPECT_TRUE(level.Import(std::u16string_view(wide), false));
    EXPECT_EQ(level.sourceCount, 3u);
}

TEST_F(TextImport, ASecondImportDiscardsTheFirstLevelAndItsPreview) {
    ASSERT_TRUE(ImportLines({"2", "0", "0", "0", "1", "10", "0", "0", "1", "0", "0", "10", "1", "0", "0",
                             "0", "1", "10", "0", "0", "1", "0", "0", "10", "1"}));
    ASSERT_TRUE(ConvertToSolids(level, {}));
    ASSERT_GT(level.previewCount, 0u);
    ASSERT_TRUE(ImportLines({"1", "0", "0", "0", "1", "10", "0", "0", "1", "0", "0", "10", "1"}));
    EXPECT_EQ(level.sourceCount, 3u);
    EXPECT_EQ(level.previewCount, 0u);
    EXPECT_FALSE(level.previewBuffer);
    EXPECT_FALSE(level.previewVertices);
}

}  // namespace
}  // namespace ondrel::testing
