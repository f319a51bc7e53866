// The sample generator: same arguments, same bytes; both formats hold the
// same geometry; exactly the requested size; the committed samples are what
// the generator makes today.

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/SolidBuilder.h"
#include "tests/support/TempFiles.h"
#include "tools/levelgen/FacilityGenerator.h"
#include "tools/levelgen/LevelFileFormat.h"

namespace ondrel::levelgen {
namespace {

using ondrel::testing::ReadWholeFile;
using ondrel::testing::TempFolder;

// The arguments samples/README.md gives for samples/facility.*.
constexpr std::size_t kSampleTriangles = 4090;
constexpr std::uint64_t kSampleSeed = 1;

std::string TextOf(const GeneratedLevel& level) {
    std::string text;
    AppendTextLevel(level, text);
    return text;
}

std::string BinaryOf(const GeneratedLevel& level) {
    std::string bytes;
    AppendBinaryLevel(level, bytes);
    return bytes;
}

GeneratedLevel Generate(std::size_t triangles, std::uint64_t seed = 1) {
    return GenerateFacility({triangles, seed});
}

struct ImportedLevel {
    MemoryVertexBufferFactory buffers;
    LevelData level;
    bool Import(const std::filesystem::path& path, bool binary) {
        level.SetBufferFactory(&buffers);
        return level.Import(path, binary);
    }
};

TEST(FacilityFormatTest, HalfUnitsPrintAsShortDecimalsWithTheirSign) {
    EXPECT_EQ(FormatHalfUnits(0), "0");
    EXPECT_EQ(FormatHalfUnits(3), "1.5");
    EXPECT_EQ(FormatHalfUnits(-1), "-0.5");  // the sign of a value above -1 must survive
    EXPECT_EQ(FormatHalfUnits(-4), "-2");
    EXPECT_EQ(FormatHalfUnits(-2147483647 - 1), "-1073741824");
}

TEST(FacilityGeneratorTest, SameArgumentsGiveSameBytesAndSeedsDiffer) {
    EXPECT_EQ(TextOf(Generate(6000, 7)), TextOf(Generate(6000, 7)));
    EXPECT_EQ(BinaryOf(Generate(6000, 7)), BinaryOf(Generate(6000, 7)));
    EXPECT_NE(TextOf(Generate(6000, 7)), TextOf(Generate(6000, 8)));
}

std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (unsigned char byte : bytes) hash = (hash ^ byte) * 0x100000001B3ull;
    return hash;
}

// Pins a level of several modules on the grid, as the committed samples pin
// one module: a compiler or library that changed the generator's output
// would change every benchmark input and sample without anyone noticing.
// After a deliberate change to the generator, put the new values here.
TEST(FacilityGeneratorTest, AGridLevelHasTheSameBytesEverywhere) {
    const GeneratedLevel level = Generate(20000, 9);
    EXPECT_EQ(Fnv1a(TextOf(level)), 5653875702207159529u);
    EXPECT_EQ(Fnv1a(BinaryOf(level)), 4360842090276331069u);
}

TEST(FacilityGeneratorTest, GivesExactlyTheRequestedTrianglesWithoutEmptyGroups) {
    for (std::size_t triangles : {1u, 2000u, 4090u, 4091u, 50000u}) {
        const GeneratedLevel level = Generate(triangles);
        EXPECT_EQ(level.TriangleCount(), triangles);
        for (const GenGroup& group : level.groups) EXPECT_FALSE(group.triangles.empty());
    }
}

TEST(FacilityGeneratorTest, LargeLevelsStayWhereFloatsAreExact) {
    std::int32_t largest = 0;
    for (const GenGroup& group : Generate(1000000).groups) {
        for (const GenTriangle& triangle : group.triangles) {
            for (const GenVertex& v : triangle.corners) {
                for (std::int32_t c : {v.position.x, v.position.y, v.position.z}) {
                    largest = std::max(largest, c < 0 ? -c : c);
                }
            }
        }
    }
    EXPECT_LT(largest, 1 << 24);
    EXPECT_GT(largest, 20000);  // spread over a grid, not piled up in one place
}

TEST(FacilityGeneratorTest, TextAndBinaryImportToTheSameRecords) {
    TempFolder folder;
    const GeneratedLevel level = Generate(50000, 3);
    ImportedLevel text, binary;
    ASSERT_TRUE(text.Import(folder.Write("level.txt", TextOf(level)), false));
    ASSERT_TRUE(binary.Import(folder.Write("level.bin", BinaryOf(level)), true));
    ASSERT_EQ(text.level.sourceCount, 3u * 50000u);
    ASSERT_EQ(binary.level.sourceCount, text.level.sourceCount);
    EXPECT_EQ(std::memcmp(text.level.sourceVertices.get(), binary.level.sourceVertices.get(),
                          sizeof(LevelVertex) * text.level.sourceCount),
              0);
}

TEST(FacilityGeneratorTest, LooksLikeALevel) {
    TempFolder folder;
    const GeneratedLevel level = Generate(kSampleTriangles);
    const std::string text = TextOf(level);
    EXPECT_NE(text.find("\n-"), std::string::npos) << "negative coordinates or colours";
    EXPECT_NE(text.find(".5\n"), std::string::npos) << "short decimals";

    std::set<std::uint32_t> colours;
    for (const GenGroup& group : level.groups) {
        for (const GenTriangle& triangle : group.triangles) {
            for (const GenVertex& v : triangle.corners) colours.insert(v.colour);
        }
    }
    EXPECT_GT(colours.size(), 20u);

    ImportedLevel imported;
    ASSERT_TRUE(imported.Import(folder.Write("level.txt", text), false));
    ASSERT_TRUE(ConvertToSolids(imported.level, {}));
    std::uint32_t pyramids = 0;
    for (std::uint32_t i = 0; i < imported.level.brushCount; ++i) {
        pyramids += imported.level.brushes[i].kind == SolidKind::Tri ? 1 : 0;
    }
    // Mostly axis-aligned walls and floors, with a real share of slopes.
    EXPECT_GT(pyramids, kSampleTriangles / 10);
    EXPECT_LT(pyramids, kSampleTriangles / 2);
}

TEST(FacilitySamplesTest, CommittedSamplesAreWhatTheGeneratorMakes) {
    const std::filesystem::path samples = std::filesystem::path(ONDREL_SOURCE_DIR) / "samples";
    const GeneratedLevel level = Generate(kSampleTriangles, kSampleSeed);
    EXPECT_TRUE(ReadWholeFile(samples / "facility.txt") == TextOf(level))
        << "regenerate samples/ with the command in samples/README.md";
    EXPECT_TRUE(ReadWholeFile(samples / "facility.bin") == BinaryOf(level));
}

}  // namespace
}  // namespace ondrel::levelgen
