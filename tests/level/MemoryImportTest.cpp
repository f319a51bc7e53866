// A level read from bytes in memory must be the level read from the same
// bytes in a file: the fuzzer reads its inputs that way, and whatever it
// finds must hold for files too.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <span>
#include <string>

#include "level/FileReader.h"
#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

struct ImportedLevel {
    ImportedLevel() { level.SetBufferFactory(&buffers); }
    MemoryVertexBufferFactory buffers;
    LevelData level;
    bool imported = false;
};

void ExpectSameLevel(const LevelData& fromFile, const LevelData& fromMemory) {
    ASSERT_EQ(fromMemory.sourceCount, fromFile.sourceCount);
    EXPECT_EQ(fromMemory.sourceCapacity, fromFile.sourceCapacity);
    const std::size_t bytes = sizeof(LevelVertex) * fromFile.sourceCount;
    if (bytes > 0) {
        EXPECT_EQ(std::memcmp(fromMemory.sourceVertices.get(), fromFile.sourceVertices.get(), bytes), 0);
    }
}

void ExpectSameBothWays(const std::string& bytes, bool binary) {
    TempFolder folder;
    ImportedLevel fromFile;
    fromFile.imported = fromFile.level.Import(folder.Write("level", bytes), binary);
    ImportedLevel fromMemory;
    FileReader reader;
    reader.OpenBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    fromMemory.imported = fromMemory.level.Import(reader, binary);
    EXPECT_EQ(fromMemory.imported, fromFile.imported);
    ExpectSameLevel(fromFile.level, fromMemory.level);
}

TEST(MemoryImport, TextGivesTheLevelItsFileGives) {
    const std::string oneTriangle = "1\n1\n2\n3\n4\n4\n5\n6\n7\n7\n8\n9\n10\n";
    ExpectSameBothWays(oneTriangle, false);
    ExpectSameBothWays("\xEF\xBB\xBF" + oneTriangle, false);  // byte-order mark
    ExpectSameBothWays("1\r\n1.5\r\n-2\r\n3e2\r\n4", false);  // cut short in a group, no final line end
    ExpectSameBothWays("", false);
    ExpectSameBothWays(std::string(5000, '7') + "\n" + oneTriangle, false);  // a line longer than a page
}

TEST(MemoryImport, BinaryGivesTheLevelItsFileGives) {
    BinaryLevel level;
    level.Count(2).Vertex(1, 2, 3, 4).Vertex(5, 6, 7, 8).Vertex(9, 10, 11, 12);
    level.Vertex(-1, -2, -3, 0).Vertex(0.5f, 0.25f, 0, 1).Vertex(1e30f, -1e30f, 0, 2);
    ExpectSameBothWays(level.Data(), true);
    ExpectSameBothWays(level.Data().substr(0, level.Data().size() - 3), true);  // last word cut short
    ExpectSameBothWays(level.Data() + std::string(4, '\0') + "trailing", true);  // ended by a zero count
}

TEST(MemoryImport, SampleLevelsGiveTheLevelsTheirFilesGive) {
    for (const bool binary : {false, true}) {
        const auto path = std::filesystem::path(ONDREL_SOURCE_DIR) / "samples" /
                          (binary ? "facility.bin" : "facility.txt");
        ExpectSameBothWays(ReadWholeFile(path), binary);
    }
}

}  // namespace
}  // namespace ondrel::testing
