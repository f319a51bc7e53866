// The .map text: golden files for whole levels, and the rules of each line.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/SolidBuilder.h"
#include "mapexport/MapWriter.h"
#include "tests/support/TempFiles.h"

#ifndef ONDREL_GOLDEN_DIR
#error "ONDREL_GOLDEN_DIR must name the folder of golden map files"
#endif

namespace ondrel::testing {
namespace {

std::string Golden(const char* name) {
    return ReadWholeFile(std::filesystem::path(ONDREL_GOLDEN_DIR) / name);
}

class MapWriter : public ::testing::Test {
protected:
    MapWriter() {
        level.SetBufferFactory(&buffers);
    }

    // Imports text lines, converts and writes; answers the file's bytes.
    std::string Export(std::initializer_list<std::string_view> lines) {
        EXPECT_TRUE(level.Import(folder.WriteLines("level.txt", lines), false));
        EXPECT_TRUE(ConvertToSolids(level, parameters));
        const auto map = folder.File("level.map");
        EXPECT_TRUE(WriteMapFile(level, map.string(), parameters));
        return ReadWholeFile(map);
    }

    TempFolder folder;
    MemoryVertexBufferFactory buffers;
    LevelData level;
    ConversionParameters parameters;
};

// File coordinates are ten times level units with x mirrored.
TEST_F(MapWriter, AFloorTriangleWritesTheGoldenBlock) {
    EXPECT_EQ(Export({"1", "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "0", "10", "-1"}),
              Golden("block_floor_triangle.map"));
}

TEST_F(MapWriter, ASlopedTriangleWritesTheGoldenPyramid) {
    EXPECT_EQ(Export({"1", "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "10", "10", "-1"}),
              Golden("tri_sloped_triangle.map"));
}

TEST_F(MapWriter, WithoutBrushesTheFileHoldsTheEntityAlone) {
    const auto map = folder.File("empty.map");
    ASSERT_TRUE(WriteMapFile(level, map.string(), parameters));
    EXPECT_EQ(ReadWholeFile(map), Golden("empty_level.map"));
}

TEST_F(MapWriter, FacePointsSwapYAndZAndListTheSecondPointFirst) {
    const BrushFace face{{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}};
    char text[kFacePointsBufferSize];
    const std::size_t length = FormatFacePoints(face, 0, 0, 0, 40.0f, text);
    EXPECT_STREQ(text, "(160 240 200) (40 120 80) (280 360 320)");
    EXPECT_EQ(length, std::strlen(text));
}

TEST_F(MapWriter, TheOriginIsSubtractedBeforeScalingAndSnapping) {
    const BrushFace face{{{1, 2, 3}, {1.0125f, 1.9625f, 3}, {-2147483648.0f, 1e30f, 0}}};
    char text[kFacePointsBufferSize];
    FormatFacePoints(face, 1, 2, 3, 40.0f, text);
    // 0.0125 x 40 = 0.5 -> 0; -0.0375 x 40 = -1.5 -> -2; beyond range saturates.
    EXPECT_STREQ(text, "(0 0 -2) (0 0 0) (-2147483648 -120 2147483647)");
}

TEST_F(MapWriter, TheLongestPointsTextFitsItsBuffer) {
    const float low = -3e38f;
    const BrushFace face{{{low, low, low}, {low, low, low}, {low, low, low}}};
    char text[kFacePointsBufferSize];
    EXPECT_EQ(FormatFacePoints(face, 0, 0, 0, 40.0f, text), 113u);
}

TEST_F(MapWriter, BrushesAreNumberedWithoutGapsAndEveryLineEndsInCrLf) {
    std::vector<std::string_view> lines = {"3"};
    const std::string_view tri[] = {"0", "0", "0", "1", "-10", "0", "0", "1", "0", "10", "10", "1"};
    for (int i = 0; i < 3; ++i) lines.insert(lines.end(), std::begin(tri), std::end(tri));
    std::string text;
    for (auto l : lines) (text += l) += '\n';
    ASSERT_TRUE(level.Import(folder.Write("three.txt", text), false));
    ASSERT_TRUE(ConvertToSolids(level, parameters));
    const auto map = folder.File("three.map");
    ASSERT_TRUE(WriteMapFile(level, map.string(), parameters));
    const std::string bytes = ReadWholeFile(map);
    EXPECT_NE(bytes.find("{ ;0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("{ ;1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("{ ;2\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("{ ;3"), std::string::npos);
    std::size_t bareLineFeeds = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ++bareLineFeeds;
    }
    EXPECT_EQ(bareLineFeeds, 0u);
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "}\r\n}\r\n");
}

TEST_F(MapWriter, AFailedWriteLeavesTheExistingFileAlone) {
    const auto map = folder.Write("keep.map", "precious");
    ::chmod(folder.Path().c_str(), 0755);
    std::string why;
    EXPECT_FALSE(WriteMapFile(level, (folder.Path() / "missing" / "x.map").string(), parameters, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(WriteMapFile(level, folder.Path().string(), parameters, &why));
    EXPECT_FALSE(WriteMapFile(level, "", parameters, &why));
    EXPECT_EQ(ReadWholeFile(map), "precious");
}

TEST_F(MapWriter, ASuccessfulWriteReplacesTheFileAndLeavesNoTemporaryBehind) {
    const auto map = folder.Write("old.map", "old contents");
    ASSERT_TRUE(WriteMapFile(level, map.string(), parameters));
    EXPECT_EQ(ReadWholeFile(map), Golden("empty_level.map"));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

// A device is never a map: it cannot be replaced by renaming, and writing
// into it would not keep the old contents safe.
TEST_F(MapWriter, ATargetThatIsNotARegularFileIsRefused) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    std::string why;
    EXPECT_FALSE(WriteMapFile(level, "/dev/full", parameters, &why));
    EXPECT_NE(why.find("not a regular file"), std::string::npos) << why;
}

}  // namespace
}  // namespace ondrel::testing
