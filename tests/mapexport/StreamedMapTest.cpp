// The converter writes each brush as it is built instead of storing the
// solids; its map and figures must be exactly the stored conversion's.

#include <gtest/gtest.h>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/MapFileSink.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidBuilder.h"
#include "mapexport/StreamedMap.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

class StreamedMap : public ::testing::Test {
protected:
    StreamedMap() { level.SetBufferFactory(&buffers); }

    // Both maps of the level imported from `source`; the stored conversion
    // runs last, so the level holds its brushes and origin afterwards.
    void WriteBothWays(const std::filesystem::path& source, bool binary) {
        ASSERT_TRUE(level.Import(source, binary));
        ASSERT_TRUE(WriteSolidsAsMap(level, folder.File("streamed.map").string(), parameters, figures));
        ASSERT_TRUE(ConvertToSolids(level, parameters));
        ASSERT_TRUE(WriteMapFile(level, folder.File("stored.map").string(), parameters));
    }

    void ExpectTheSameMapAndFigures() {
        EXPECT_EQ(ReadWholeFile(folder.File("streamed.map")), ReadWholeFile(folder.File("stored.map")));
        std::uint32_t prisms = 0;
        for (std::uint32_t i = 0; i < level.brushCount; ++i) {
            prisms += level.brushes[i].kind == SolidKind::Block ? 1 : 0;
        }
        EXPECT_EQ(figures.prisms, prisms);
        EXPECT_EQ(figures.pyramids, level.brushCount - prisms);
        for (int axis = 0; axis < 3; ++axis) EXPECT_EQ(figures.origin[axis], level.exportOrigin[axis]);
    }

    TempFolder folder;
    MemoryVertexBufferFactory buffers;
    LevelData level;
    ConversionParameters parameters;
    StreamedMapFigures figures;
};

TEST_F(StreamedMap, TheSampleLevelGivesTheStoredConversionsMapInBothFormats) {
    for (const bool binary : {false, true}) {
        WriteBothWays(std::filesystem::path(ONDREL_SOURCE_DIR) / "samples" /
                          (binary ? "facility.bin" : "facility.txt"),
                      binary);
        ExpectTheSameMapAndFigures();
        EXPECT_GT(figures.prisms, 0u);
        EXPECT_GT(figures.pyramids, 0u);
    }
}

// Odd factors, a point far beyond the box seeds, a zero-area triangle and a
// trailing record that belongs to no triangle.
TEST_F(StreamedMap, OddLevelsAndFactorsGiveTheStoredConversionsMap) {
    parameters = ConversionParameters{0.1f, 64.0f, 3.0e9f};
    WriteBothWays(folder.WriteLines("odd.txt", {"2",
                                                "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "10", "10", "-1",
                                                "1e9", "0", "0", "7", "1e9", "0", "0", "7", "1e9", "0", "0", "7",
                                                "1", "5", "5", "5", "3"}),
                  false);
    ExpectTheSameMapAndFigures();
    EXPECT_EQ(level.brushCount, 2u);
}

// The fuzzer writes both maps into memory; what it compares must be what
// the files get. The sample's maps are over a megabyte, past the point
// where a sink stops growing its buffer and hands text on.
TEST_F(StreamedMap, MapsCollectedInMemoryAreTheFilesBytes) {
    WriteBothWays(std::filesystem::path(ONDREL_SOURCE_DIR) / "samples" / "facility.bin", true);
    const std::string storedFile = ReadWholeFile(folder.File("stored.map"));
    ASSERT_GT(storedFile.size(), std::size_t{1} << 20);

    std::string stored, streamed;
    MapFileSink storedSink, streamedSink;
    storedSink.OpenInMemory(stored);
    streamedSink.OpenInMemory(streamed);
    WriteWorldspawn(level, parameters.exportScale, storedSink);
    StreamedMapFigures inMemory;
    WriteSolidsAsMap(level, streamedSink, parameters, inMemory);
    ASSERT_TRUE(storedSink.Commit());
    ASSERT_TRUE(streamedSink.Commit());
    EXPECT_TRUE(stored == storedFile);
    EXPECT_TRUE(streamed == ReadWholeFile(folder.File("streamed.map")));
    EXPECT_EQ(inMemory.prisms, figures.prisms);
    EXPECT_EQ(inMemory.pyramids, figures.pyramids);
}

}  // namespace
}  // namespace ondrel::testing
