// One input to one map through the level code, and how each way of failing
// is told apart, reported and mapped to an exit code.

#include <gtest/gtest.h>

#include "cli/ExitCode.h"
#include "cli/FileConversion.h"
#include "cli/SummaryLine.h"
#include "mapexport/ExportScale.h"
#include "tests/support/TempFiles.h"
#include "tools/levelgen/FacilityGenerator.h"
#include "tools/levelgen/LevelFileFormat.h"

namespace ondrel::cli {
namespace {

using ondrel::testing::ReadWholeFile;
using ondrel::testing::TempFolder;

class FileConversionTest : public ::testing::Test {
protected:
    void SetUp() override { ResetExportScale(); }
    void TearDown() override { ResetExportScale(); }

    ConversionResult Convert(const std::filesystem::path& input, bool binary,
                             const std::string& outputName = "out.map", ConversionFactors factors = {}) {
        SilentProgress progress;
        return ConvertFile({input.string(), folder.File(outputName).string(), binary}, factors, progress);
    }

    TempFolder folder;
};

TEST_F(FileConversionTest, ConvertsBothFormatsOfALevelToTheSameMap) {
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
TEST_F(FileConversionTest, UsesTheGivenFactorsAndScale) {
    const auto input = folder.WriteLines("one.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1",
                                                     "0", "0", "10", "-1"});
    ASSERT_EQ(Convert(input, false, "default.map").status, ConversionStatus::Converted);
    EXPECT_NE(ReadWholeFile(folder.File("default.map")).find("\t(0 40 -6) (0 0 -6) (40 0 -6) BASE_COLD"),
              std::string::npos);

    ExportScale() = 80.0f;
    ASSERT_EQ(Convert(input, false, "thick.map", {5.0f, 12.0f}).status, ConversionStatus::Converted);
    EXPECT_NE(ReadWholeFile(folder.File("thick.map")).find("\t(0 80 -12) (0 0 -12) (80 0 -12) BASE_COLD"),
              std::string::npos);
}

TEST_F(FileConversionTest, TellsEachInputFailureApart) {
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
    };
    for (const Case& c : cases) {
        const ConversionResult result = Convert(c.input, c.binary);
        EXPECT_EQ(result.status, c.status) << c.input;
        EXPECT_NE(result.problem.find(c.says), std::string::npos) << result.problem;
        EXPECT_EQ(ExitCodeFor(result.status), ExitCode::InputFailed);
        EXPECT_FALSE(std::filesystem::exists(folder.File("out.map"))) << c.input;
    }
}

TEST_F(FileConversionTest, AnUnwritableOutputIsAnOutputFailure) {
    const auto input = folder.WriteLines("one.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1",
                                                     "0", "0", "10", "-1"});
    SilentProgress progress;
    const ConversionResult result =
        ConvertFile({input.string(), (folder.Path() / "no-such-dir" / "x.map").string(), false}, {}, progress);
    EXPECT_EQ(result.status, ConversionStatus::OutputFailed);
    EXPECT_NE(result.problem.find("no-such-dir/x.map"), std::string::npos) << result.problem;
    EXPECT_EQ(result.trianglesRead, 1u);
    EXPECT_EQ(ExitCodeFor(result.status), ExitCode::OutputFailed);
}

TEST(ExitCodeTest, TheMostSeriousFailureOfABatchWins) {
    EXPECT_EQ(ExitCodeFor(ConversionStatus::Converted), ExitCode::Success);
    EXPECT_EQ(MoreSerious(ExitCode::Success, ExitCode::InputFailed), ExitCode::InputFailed);
    EXPECT_EQ(MoreSerious(ExitCode::OutputFailed, ExitCode::InputFailed), ExitCode::OutputFailed);
    EXPECT_EQ(MoreSerious(ExitCode::InputFailed, ExitCode::Success), ExitCode::InputFailed);
}

TEST(SummaryLineTest, NamesCountsOriginOutputSizeAndTime) {
    ConversionResult result;
    result.input = "levels/dam.txt";
    result.output = "maps/dam.map";
    result.trianglesRead = 3;
    result.prisms = 2;
    result.pyramids = 1;
    result.brushes = 3;
    result.origin[0] = -12.0f;
    result.origin[1] = 1000000.0f;
    result.origin[2] = 0.0f;
    result.outputBytes = 4321;
    result.seconds = 0.0125;
    EXPECT_EQ(FormatSummaryLine(result),
              "levels/dam.txt: 3 triangles read, 2 prisms, 1 pyramids, 3 brushes, origin (-12 1000000 0), "
              "wrote maps/dam.map (4321 bytes) in 0.013 s");
}

}  // namespace
}  // namespace ondrel::cli
