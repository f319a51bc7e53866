// One input to one map through the level code, and how each way of failing
// is told apart and reported.

#include <gtest/gtest.h>

#include "conversion/ConversionJob.h"
#include "tests/support/TempFiles.h"
#include "tools/levelgen/FacilityGenerator.h"
#include "tools/levelgen/LevelFileFormat.h"

namespace ondrel::testing {
namespace {

using namespace conversion;

class ConversionJobTest : public ::testing::Test {
protected:
    ConversionResult Convert(const std::filesystem::path& input, bool binary,
                             const std::string& outputName = "out.map",
                             ConversionParameters parameters = {}) {
        SilentProgress progress;
        return RunConversion({input.string(), folder.File(outputName).string(), binary, parameters},
                             progress);
    }

    TempFolder folder;
};

TEST_F(ConversionJobTest, ConvertsBothFormatsOfALevelToTheSameMap) {
    const auto level = levelgen::GenerateFacility({3000, 5});
    std::string text, binary;
    levelgen::AppendTextLevel(level, text);
    levelgen::AppendBinaryLevel(level, binary);

    const ConversionResult fromText = Convert(folder.Write("level.txt", text), false, "text.map");
    const ConversionResult fromBinary = Convert(folder.Write("level.bin", binary), true, "binary.map");
    ASSERT_EQ(fromText.status, ConversionStatus::Converted) << fromText.problem;
    ASSERT_EQ(fromBinary.status, ConversionStatus::Converted) << fromBinary.problem;

    EXPECT_EQ(fromText.trianglesRead, 3000u);
    EXPECT_EQ(fromText.brushes, 3000u);
    EXPECT_EQ(fromText.prisms + fromText.pyramids, fromText.brushes);
    EXPECT_GT(fromText.pyramids, 0u);
    const std::string map = ReadWholeFile(folder.File("text.map"));
    EXPECT_EQ(fromText.outputBytes, map.size());
    EXPECT_TRUE(map == ReadWholeFile(folder.File("binary.map")));
}

// The triangle (0,0,0) (1,0,0) (0,0,1) in level units is a prism whose
// pushed-out face lies -blocks/scale below it; written, that is -blocks.
TEST_F(ConversionJobTest, UsesTheGivenFactorsAndScale) {
    const auto input = folder.WriteLines("one.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1",
                                                     "0", "0", "10", "-1"});
    ASSERT_EQ(Convert(input, false, "default.map").status, ConversionStatus::Converted);
    EXPECT_NE(ReadWholeFile(folder.File("default.map")).find("\t(0 40 -6) (0 0 -6) (40 0 -6) BASE_COLD"),
              std::string::npos);

    ASSERT_EQ(Convert(input, false, "thick.map", {5.0f, 12.0f, 80.0f}).status, ConversionStatus::Converted);
    EXPECT_NE(ReadWholeFile(folder.File("thick.map")).find("\t(0 80 -12) (0 0 -12) (80 0 -12) BASE_COLD"),
              std::string::npos);
    // The next job states its own parameters; nothing of the last one stays.
    ASSERT_EQ(Convert(input, false, "again.map").status, ConversionStatus::Converted);
    EXPECT_EQ(ReadWholeFile(folder.File("again.map")), ReadWholeFile(folder.File("default.map")));
}

TEST_F(ConversionJobTest, TellsEachInputFailureApart) {
    struct Case {
        std::filesystem::path input;
        bool binary;
        ConversionStatus status;
        const char* says;
    };
    const Case cases[] = {
        {folder.File("missing.txt"), false, ConversionStatus::InputMissing, "no such file"},
        {folder.Path(), false, ConversionStatus::InputNotRegular, "is a directory"},
        {"/dev/null", false, ConversionStatus::InputNotRegular, "not a regular file"},
        {folder.Write("empty.txt", ""), false, ConversionStatus::NoWholeTriangle,
         "Unable to convert to solids. The file is empty."},
        {folder.WriteLines("two.txt", {"1", "1", "2", "3", "-1", "4", "5", "6", "-1"}), false,
         ConversionStatus::NoWholeTriangle, "2 vertices were read; a triangle needs 3"},
        {folder.Write("words.txt", "title\nnot numbers\n"), false, ConversionStatus::NoWholeTriangle,
         "No vertex could be read as text"},
        {folder.Write("zero.bin", std::string(4, '\0')), true, ConversionStatus::NoWholeTriangle,
         "No vertex could be read as binary"},
        // Its size says 0, but it has text to read.
        {"/proc/self/status", false, ConversionStatus::NoWholeTriangle, "No vertex could be read as text"},
    };
    for (const Case& c : cases) {
        const ConversionResult result = Convert(c.input, c.binary);
        EXPECT_EQ(result.status, c.status) << c.input;
        EXPECT_NE(result.problem.find(c.says), std::string::npos) << result.problem;
        EXPECT_FALSE(std::filesystem::exists(folder.File("out.map"))) << c.input;
    }
}

// A scale that pushes points past the map's 32-bit integers clamps them;
// the job says so and names the largest scale that fits, which does fit.
TEST_F(ConversionJobTest, ClampedCoordinatesAreReportedWithTheLargestScaleThatFits) {
    const auto input = folder.WriteLines("one.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1",
                                                     "0", "0", "10", "-1"});
    ConversionResult result = Convert(input, false);
    ASSERT_EQ(result.status, ConversionStatus::Converted);
    EXPECT_FALSE(result.saturated);

    result = Convert(input, false, "huge.map", {5.0f, 6.0f, 1e10f});
    ASSERT_EQ(result.status, ConversionStatus::Converted);
    EXPECT_TRUE(result.saturated);
    ASSERT_TRUE(result.largestFittingScale.has_value());
    const float fits = *result.largestFittingScale;
    EXPECT_GT(fits, 2.0e9f);  // the level spans one unit from its origin
    EXPECT_FALSE(Convert(input, false, "fits.map", {5.0f, 6.0f, fits}).saturated);
    EXPECT_TRUE(Convert(input, false, "over.map", {5.0f, 6.0f, 2.2e9f}).saturated);

    // A pyramid 1e40 map units high fits at no scale at all.
    const auto sloped = folder.WriteLines("sloped.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1",
                                                         "0", "10", "10", "-1"});
    result = Convert(sloped, false, "tall.map", {1e38f, 6.0f, 40.0f});
    EXPECT_TRUE(result.saturated);
    EXPECT_FALSE(result.largestFittingScale.has_value());
}

TEST_F(ConversionJobTest, AnUnwritableOutputIsAnOutputFailure) {
    const auto input = folder.WriteLines("one.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1",
                                                     "0", "0", "10", "-1"});
    SilentProgress progress;
    const ConversionResult result = RunConversion(
        {input.string(), (folder.Path() / "no-such-dir" / "x.map").string(), false, {}}, progress);
    EXPECT_EQ(result.status, ConversionStatus::OutputFailed);
    EXPECT_NE(result.problem.find("no-such-dir/x.map"), std::string::npos) << result.problem;
    EXPECT_EQ(result.trianglesRead, 1u);
}

}  // namespace
}  // namespace ondrel::testing
