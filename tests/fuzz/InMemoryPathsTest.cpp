// The options fuzzer plans against a file system kept in memory; what it
// finds only counts if that stand-in answers as the real system does for
// the same tree: /work with maps/, out/ and alias (a link to maps/).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/OutputPlan.h"
#include "fuzz/InMemoryPaths.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

namespace fs = std::filesystem;

class InMemoryPaths : public ::testing::Test {
protected:
    InMemoryPaths() {
        fs::create_directories(folder.File("work/maps"));
        fs::create_directories(folder.File("work/out"));
        fs::create_directory_symlink("maps", folder.File("work/alias"));
        root = fs::canonical(folder.Path()).string();
    }

    // The real answer for the same name under the scratch folder, with the
    // scratch folder taken off again.
    std::string RealCanonical(const std::string& name, std::error_code& error) const {
        const std::string resolved = real.Canonical(root + name, error);
        return error ? resolved : resolved.substr(root.size());
    }

    void ExpectSameAnswers(const std::string& name) const {
        SCOPED_TRACE(name);
        std::error_code realError, fakeError;
        const std::string expected = RealCanonical(name, realError);
        EXPECT_EQ(fake.Canonical(name, fakeError), expected);
        EXPECT_EQ(bool(fakeError), bool(realError));
        EXPECT_EQ(fake.IsDirectory(name), real.IsDirectory(root + name));
    }

    TempFolder folder;
    std::string root;
    cli::SystemPathQueries real;
    fuzz::InMemoryPathQueries fake;
};

TEST_F(InMemoryPaths, ResolvesNamesAsTheRealSystemDoes) {
    for (const char* name : {"/work/maps/x.txt", "/work/alias/x.txt", "/work/alias", "/work/alias/",
                             "/work/out/", "/work/out//./a.map", "/work/maps/../out/../alias/b",
                             "/work/missing/a.txt", "/work/missing/", "/work/maps/x.txt/", "/work/out/.."}) {
        ExpectSameAnswers(name);
    }
    ExpectSameAnswers("/work/" + std::string(256, 'n') + "/a.txt");  // a part longer than allowed
    ExpectSameAnswers("/work/out/" + std::string(255, 'n'));
}

TEST_F(InMemoryPaths, RelativeNamesStartInTheWorkFolder) {
    std::error_code error;
    EXPECT_EQ(fake.Canonical("alias/../maps/x.txt", error), "/work/maps/x.txt");
    EXPECT_EQ(fake.Absolute("./out//a.map", error), "/work/out/a.map");
    EXPECT_EQ(fake.Absolute("../..", error), "/");
    EXPECT_TRUE(fake.IsDirectory("maps"));

    cli::ConvertOptions options;
    options.inputs = {"maps/x.txt", "alias/x.bin"};
    EXPECT_NE(cli::PlanOutputs(options, fake).error.find("would both be written to"), std::string::npos);
    options.inputs = {"maps/x.txt", std::string(300, 'n') + ".txt"};
    const cli::OutputPlan plan = cli::PlanOutputs(options, fake);
    ASSERT_EQ(plan.files.size(), 2u);
    EXPECT_NE(plan.files[1].problem, "");
}

}  // namespace
}  // namespace ondrel::testing
