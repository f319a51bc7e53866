// The converter's map check and coordinate range warning as a script sees
// them: options, report lines, warnings and exit codes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cli/ConvertOptions.h"
#include "cli/ExitCode.h"
#include "tests/cli/ProcessRunner.h"
#include "tests/support/TempFiles.h"

namespace ondrel::cli {
namespace {

namespace fs = std::filesystem;
using ondrel::testing::ProcessOutcome;
using ondrel::testing::TempFolder;

TEST(QualityOptionsTest, CheckOptionsAndBoundsAreRead) {
    const ParsedArguments parsed = ParseArguments({"--check", "--strict", "--bounds=4096.5", "a.txt"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.check);
    EXPECT_TRUE(parsed.options.strict);
    EXPECT_FALSE(parsed.options.checkMaps);
    EXPECT_EQ(parsed.options.bounds, 4096.5);
    EXPECT_EQ(ParseArguments({"a.txt"}).options.bounds, 32768.0);
    EXPECT_TRUE(ParseArguments({"--check-map", "a.map"}).options.checkMaps);

    for (const char* bad : {"0", "0.5", "-3", "abc", "inf", "nan", "", "12x", "1e999"}) {
        EXPECT_NE(ParseArguments({"--bounds", bad, "a.txt"}).error, "") << bad;
    }
    EXPECT_EQ(ParseArguments({"--check=yes", "a.txt"}).error, "--check takes no value");
    EXPECT_EQ(ParseArguments({"a.txt", "--bounds"}).error, "--bounds needs a value");
}

// Problems in written maps never hide a failure to write one.
TEST(QualityOptionsTest, QualityProblemsRankBelowEveryFailure) {
    EXPECT_EQ(MoreSerious(ExitCode::Success, ExitCode::QualityProblems), ExitCode::QualityProblems);
    for (ExitCode failure : {ExitCode::Usage, ExitCode::InputFailed, ExitCode::OutputFailed}) {
        EXPECT_EQ(MoreSerious(ExitCode::QualityProblems, failure), failure);
        EXPECT_EQ(MoreSerious(failure, ExitCode::QualityProblems), failure);
    }
}

class QualityCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        work = folder.Path() / "work";
        fs::create_directory(work);
        // The triangle (0,0,0) (1,0,0) (0,0,1) in level units: a prism.
        folder.WriteLines("work/a.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "0", "10", "-1"});
        // Two such triangles 2000 level units apart: at scale 40 the map
        // reaches 40040 on either side of the origin.
        folder.WriteLines("work/far.txt", {"2", "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "0", "10", "-1",
                                           "-20000", "0", "0", "-1", "-20010", "0", "0", "-1", "-20000", "0", "10",
                                           "-1"});
        // The same 2000 units apart along the prisms' normal: the lower one's
        // far face lies the blocks factor beyond the level.
        folder.WriteLines("work/tall.txt", {"2", "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "0", "10", "-1", "0",
                                            "20000", "0", "-1", "-10", "20000", "0", "-1", "0", "20000", "10", "-1"});
        folder.WriteLines("work/open.map", {"{", "\"classname\" \"worldspawn\"", "{ ;0",
                                            "\t(0 0 0) (64 0 0) (0 64 0) BASE_COLD [ 0 1 0 0 ] [ 0 0 -1 0 ] 0 1 1 ",
                                            "}", "}"});
    }

    ProcessOutcome Run(const std::vector<std::string>& arguments) {
        return testing::RunProcess(ONDREL_CONVERT_PATH, arguments, work, folder.Path());
    }

    TempFolder folder;
    fs::path work;
};

TEST_F(QualityCommandTest, ASoundMapGetsOneCheckLineAfterItsSummary) {
    const ProcessOutcome run = Run({"--check", "--strict", "a.txt"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("wrote a.map"), std::string::npos);
    EXPECT_NE(run.out.find("\na.txt: check: 1 brush, 0 with problems: 0 collinear faces, 0 coincident faces, 0 empty, "
                           "0 thin, 0 unbounded, 0 repeated planes (3 more by design)\n"),
              std::string::npos)
        << run.out;
}

// Pushed out by a tenth of a unit, the prism's far face snaps back onto its
// source triangle: a flat brush whose sides have no plane.
TEST_F(QualityCommandTest, ProblemBrushesAreNamedByTheirTriangleAndDecideOnlyAStrictExit) {
    const ProcessOutcome lenient = Run({"--check", "--blocks", "0.1", "a.txt"});
    EXPECT_EQ(lenient.exitCode, 0) << lenient.err;
    EXPECT_NE(lenient.out.find("\na.txt: triangle 0 (40 0 0) (0 0 0) (0 40 0): unbounded, face 3 coincident"),
              std::string::npos)
        << lenient.out;
    EXPECT_NE(lenient.out.find("a.txt: check: 1 brush, 1 with problems:"), std::string::npos) << lenient.out;

    EXPECT_EQ(Run({"--check", "--strict", "--blocks", "0.1", "a.txt"}).exitCode, 4);
    EXPECT_EQ(Run({"--strict", "--blocks", "0.1", "a.txt"}).exitCode, 0);  // nothing checked
}

TEST_F(QualityCommandTest, ExistingMapsAreCheckedWithoutConverting) {
    const ProcessOutcome run = Run({"--check-map", "open.map"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "open.map: brush 0 (entity 0, line 3): unbounded\n"
              "open.map: check: 1 brush, 1 with problems: 0 collinear faces, 0 coincident faces, 0 empty, 0 thin, "
              "1 unbounded, 0 repeated planes (0 more by design)\n");
    EXPECT_EQ(Run({"--check-map", "--strict", "open.map"}).exitCode, 4);

    const ProcessOutcome wrong = Run({"--check-map", "--strict", "a.txt", "missing.map", "open.map"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(wrong.err.find("a.txt: cannot check: line 1: "), std::string::npos) << wrong.err;
    EXPECT_NE(wrong.err.find("missing.map: no such file"), std::string::npos) << wrong.err;
    EXPECT_NE(wrong.out.find("open.map: check:"), std::string::npos) << wrong.out;
    EXPECT_FALSE(fs::exists(work / "a.map"));
}

// The advised scale must itself fit: a run at it gives no warning.
TEST_F(QualityCommandTest, CoordinatesBeyondTheRangeWarnWithAScaleThatFits) {
    const ProcessOutcome run = Run({"far.txt"});
    EXPECT_EQ(run.exitCode, 0);
    const std::string prefix = "ondrel-convert: warning: far.txt: coordinates reach 40040, beyond the practical range "
                               "of +-32768; --scale ";
    ASSERT_EQ(run.err.rfind(prefix, 0), 0u) << run.err;
    const std::string advised = run.err.substr(prefix.size(), run.err.find(' ', prefix.size()) - prefix.size());
    EXPECT_EQ(Run({"--scale", advised, "far.txt"}).err, "");
    EXPECT_NE(Run({"--scale", std::to_string(std::atof(advised.c_str()) * 1.001), "far.txt"}).err, "");

    EXPECT_EQ(Run({"--bounds", "40040", "far.txt"}).err, "");

    // So close to the range that the extrusion decides whether a scale fits.
    const ProcessOutcome tall = Run({"--bounds", "1006", "tall.txt"});
    const std::string tallPrefix = "ondrel-convert: warning: tall.txt: coordinates reach 40006, beyond the practical "
                                   "range of +-1006; --scale ";
    ASSERT_EQ(tall.err.rfind(tallPrefix, 0), 0u) << tall.err;
    const std::string tallAdvice = tall.err.substr(tallPrefix.size(), tall.err.find(' ', tallPrefix.size()) - tallPrefix.size());
    EXPECT_EQ(Run({"--bounds", "1006", "--scale", tallAdvice, "tall.txt"}).err, "");
    EXPECT_EQ(Run({"--strict", "far.txt"}).exitCode, 4);
    const ProcessOutcome hopeless = Run({"--bounds", "5", "far.txt"});
    EXPECT_NE(hopeless.err.find("; no scale of 0.1 or more fits"), std::string::npos) << hopeless.err;
    EXPECT_NE(Run({"--check-map", "--bounds", "63", "open.map"}).err.find("coordinates reach 64"), std::string::npos);
}

}  // namespace
}  // namespace ondrel::cli
