// --merge as a script sees it: the option, the summary's merge note, and
// a merged map's problems named by brush, since its brushes no longer
// follow the triangles one to one.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/ConvertOptions.h"
#include "tests/cli/ProcessRunner.h"
#include "tests/support/TempFiles.h"

namespace ondrel::cli {
namespace {

namespace fs = std::filesystem;
using ondrel::testing::ProcessOutcome;
using ondrel::testing::TempFolder;

TEST(MergeOptionsTest, MergeIsOffUnlessAskedForAndTakesNoValue) {
    EXPECT_FALSE(ParseArguments({"a.txt"}).options.merge);
    EXPECT_TRUE(ParseArguments({"a.txt", "--merge"}).options.merge);
    EXPECT_EQ(ParseArguments({"--merge=yes", "a.txt"}).error, "--merge takes no value");
}

class MergeCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The square (0,0,0) (1,0,0) (1,0,1) (0,0,1) in level units, as two
        // triangles facing along -y: two prisms, or one merged.
        folder.WriteLines("square.txt", {"2", "0", "0", "0", "-1", "-10", "0", "0", "-1", "-10", "0", "10", "-1",
                                         "0", "0", "0", "-1", "-10", "0", "10", "-1", "0", "0", "10", "-1"});
    }

    ProcessOutcome Run(const std::vector<std::string>& arguments) {
        return testing::RunProcess(ONDREL_CONVERT_PATH, arguments, folder.Path(), folder.Path());
    }

    TempFolder folder;
};

TEST_F(MergeCommandTest, TheSummarySaysHowManyBrushesWereMerged) {
    const ProcessOutcome merged = Run({"--merge", "--check", "-o", "merged.map", "square.txt"});
    EXPECT_EQ(merged.exitCode, 0) << merged.err;
    EXPECT_NE(merged.out.find("square.txt: 2 triangles read, 1 prisms, 0 pyramids, 1 brushes (1 merged from 2 "
                              "triangles), origin (0 0 0), wrote merged.map"),
              std::string::npos)
        << merged.out;
    EXPECT_NE(merged.out.find("square.txt: check: 1 brush, 0 with problems"), std::string::npos) << merged.out;

    const ProcessOutcome plain = Run({"-o", "plain.map", "square.txt"});
    EXPECT_NE(plain.out.find("2 prisms, 0 pyramids, 2 brushes, origin"), std::string::npos) << plain.out;
}

// A tenth of a unit rounds the merged prism's push to nothing, so the
// triangles keep their own (flat) brushes; the report names them by brush.
TEST_F(MergeCommandTest, AMergedMapsProblemsAreNamedByBrush) {
    const ProcessOutcome run = Run({"--merge", "--check", "--blocks", "0.1", "square.txt"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("2 brushes (0 merged from 0 triangles)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nsquare.txt: brush 1 (entity 0, line 25): unbounded"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find(": triangle "), std::string::npos) << run.out;
}

}  // namespace
}  // namespace ondrel::cli
