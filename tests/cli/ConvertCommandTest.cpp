// The real ondrel-convert binary on real files: what a script sees of it
// (exit codes, stdout, stderr, files written).

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "tests/cli/ProcessRunner.h"
#include "tests/support/TempFiles.h"

namespace ondrel::cli {
namespace {

namespace fs = std::filesystem;
using ondrel::testing::ProcessOutcome;
using ondrel::testing::ReadWholeFile;
using ondrel::testing::TempFolder;

int CountLines(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n' ? 1 : 0;
    return lines;
}

class ConvertCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        work = folder.Path() / "work";
        fs::create_directory(work);
        folder.WriteLines("work/a.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "0", "10", "-1"});
        folder.WriteLines("work/b.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "10", "10", "-1"});
        folder.Write("work/empty.txt", "");
    }

    ProcessOutcome Run(const std::vector<std::string>& arguments) {
        return testing::RunProcess(ONDREL_CONVERT_PATH, arguments, work, folder.Path());
    }

    bool Exists(const std::string& name) const { return fs::exists(work / name); }

    TempFolder folder;
    fs::path work;
};

TEST_F(ConvertCommandTest, ConvertsBesideTheInputWithOneSummaryLine) {
    const ProcessOutcome run = Run({"a.txt"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");  // not a terminal: no progress display
    EXPECT_EQ(CountLines(run.out), 1);
    EXPECT_EQ(run.out.rfind("a.txt: 1 triangles read, 1 prisms, 0 pyramids, 1 brushes, origin (0 0 0), "
                            "wrote a.map (",
                            0),
              0u)
        << run.out;
    EXPECT_NE(ReadWholeFile(work / "a.map").find("{ ;0\r\n"), std::string::npos);
}

// a.txt is the triangle (0,0,0) (1,0,0) (0,0,1) in level units: a prism whose
// pushed-out face is written at minus the blocks factor.
TEST_F(ConvertCommandTest, ParametersReachTheMap) {
    const ProcessOutcome run = Run({"--scale=80", "--blocks", "12", "--tris", "0.01", "a.txt"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("warning: --tris '0.01' is below 0.1; using 0.1"), std::string::npos);
    EXPECT_NE(ReadWholeFile(work / "a.map").find("\t(0 80 -12) (0 0 -12) (80 0 -12) BASE_COLD"),
              std::string::npos);
}

// Clamped coordinates are converted as before, with one warning per file.
TEST_F(ConvertCommandTest, ClampedCoordinatesWarnOncePerFile) {
    const ProcessOutcome run = Run({"--scale", "1e10", "a.txt", "b.txt"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(CountLines(run.err), 2) << run.err;
    EXPECT_NE(run.err.find("warning: a.txt: coordinates too large for a map were clamped"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("--scale 2.147e+09 or less fits"), std::string::npos) << run.err;
    EXPECT_EQ(Run({"a.txt", "b.txt"}).err, "");
}

TEST_F(ConvertCommandTest, InputsThatCannotBeConvertedExitWithTwo) {
    fs::create_directory(work / "folder");
    const struct {
        const char* input;
        const char* says;
    } cases[] = {{"missing.txt", "missing.txt: no such file"},
                 {"folder", "folder: is a directory"},
                 {"empty.txt", "empty.txt: Unable to convert to solids."}};
    for (const auto& c : cases) {
        const ProcessOutcome run = Run({c.input});
        EXPECT_EQ(run.exitCode, 2) << c.input;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(Exists("missing.map"));
    EXPECT_FALSE(Exists("empty.map"));
}

// An input that exists but cannot be read is the input's fault, not the
// map's: 2, never 3. The unreadable file is tried as an ordinary user, since
// root reads everything.
TEST_F(ConvertCommandTest, AnInputThatCannotBeReadExitsWithTwo) {
    fs::create_symlink("loop.txt", work / "loop.txt");
    ProcessOutcome run = Run({"loop.txt"});
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("loop.txt: "), std::string::npos) << run.err;

    folder.WriteLines("work/locked.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "0", "10", "-1"});
    fs::permissions(work / "locked.txt", fs::perms::none);
    fs::permissions(work, fs::perms::all);
    fs::permissions(folder.Path(), fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
    constexpr int kNobody = 65534;
    run = testing::RunProcess(ONDREL_CONVERT_PATH, {"locked.txt", "-o", "/tmp/ondrel-never.map"}, work,
                              folder.Path(), getuid() == 0 ? kNobody : -1);
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("locked.txt: cannot be read: Permission denied"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists("/tmp/ondrel-never.map"));
}

// An input whose path cannot be resolved (a folder the user may not
// search, a name longer than the system allows) fails alone; the batch is
// not a usage error.
TEST_F(ConvertCommandTest, AnInputThatCannotBeResolvedFailsAloneWithTwo) {
    const std::string tooLong = std::string(300, 'x') + ".txt";
    ProcessOutcome run = Run({"a.txt", tooLong});
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find(tooLong + ": "), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("overwrite"), std::string::npos) << run.err;
    EXPECT_EQ(CountLines(run.out), 1);
    EXPECT_TRUE(Exists("a.map"));

    if (getuid() != 0) return;  // a folder owned by someone else needs root to make
    fs::remove(work / "a.map");
    fs::create_directory(work / "secret");
    folder.WriteLines("work/secret/b.txt", {"1", "0", "0", "0", "-1", "-10", "0", "0", "-1", "0", "0", "10", "-1"});
    fs::permissions(work / "secret", fs::perms::owner_all);
    fs::permissions(work, fs::perms::all);
    fs::permissions(folder.Path(), fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
    constexpr int kNobody = 65534;
    run = testing::RunProcess(ONDREL_CONVERT_PATH, {"a.txt", "secret/b.txt"}, work, folder.Path(), kNobody);
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("secret/b.txt: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Permission denied"), std::string::npos) << run.err;
    EXPECT_TRUE(Exists("a.map"));
    EXPECT_FALSE(Exists("secret/b.map"));
}

TEST_F(ConvertCommandTest, OneBadInputDoesNotStopTheBatch) {
    const ProcessOutcome run = Run({"a.txt", "missing.txt", "b.txt"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(CountLines(run.out), 2);
    EXPECT_EQ(CountLines(run.err), 1);
    EXPECT_TRUE(Exists("a.map"));
    EXPECT_TRUE(Exists("b.map"));
}

TEST_F(ConvertCommandTest, AnUnwritableOutputExitsWithThreeAndOutranksABadInput) {
    // A folder without write permission stops everyone but root; no file can
    // be created in /proc even by root.
    fs::create_directory(work / "locked");
    fs::permissions(work / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string unwritable = access((work / "locked").c_str(), W_OK) == 0 ? "/proc" : "locked";

    ProcessOutcome run = Run({"a.txt", "-o", unwritable + "/a.map"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("cannot write " + unwritable + "/a.map"), std::string::npos) << run.err;

    run = Run({"missing.txt", "a.txt", "b.txt", "-o", unwritable});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(CountLines(run.err), 3);
    fs::permissions(work / "locked", fs::perms::owner_all);
}

TEST_F(ConvertCommandTest, OutputIsAFileForOneInputAndADirectoryForSeveral) {
    fs::create_directory(work / "maps");
    ProcessOutcome run = Run({"a.txt", "-o", "maps/renamed.map"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Exists("maps/renamed.map"));
    EXPECT_FALSE(Exists("a.map"));

    run = Run({"a.txt", "b.txt", "--output=maps"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Exists("maps/a.map"));
    EXPECT_TRUE(Exists("maps/b.map"));

    run = Run({"a.txt", "b.txt", "-o", "maps/one.map"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("existing directory"), std::string::npos);
}

// A folder named with a trailing slash must exist, whatever the number of
// inputs: one usage error before anything is converted, not a failed write
// per file.
TEST_F(ConvertCommandTest, AMissingOutputFolderIsOneUsageError) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"a.txt", "b.txt", "-o", "newdir/"}, {"a.txt", "-o", "newdir/"},
          {"a.txt", "b.txt", "-o", "x.map"}}) {
        const ProcessOutcome run = Run(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.size() << " " << run.err;
        EXPECT_EQ(CountLines(run.err), 1) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(Exists("newdir"));
}

// What cannot be written to standard output (a full disk) is reported and
// fails the run, as it does for the usual command-line tools.
TEST_F(ConvertCommandTest, AFailedWriteToStandardOutputIsAnError) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"a.txt"}, {"--help"}}) {
        std::vector<std::string> shell = {"-c", "exec \"$0\" \"$@\" >/dev/full", ONDREL_CONVERT_PATH};
        shell.insert(shell.end(), arguments.begin(), arguments.end());
        const ProcessOutcome run = testing::RunProcess("/bin/sh", shell, work, folder.Path());
        EXPECT_NE(run.exitCode, 0) << arguments[0];
        EXPECT_NE(run.err.find("standard output"), std::string::npos) << run.err;
    }
}

// Control characters in a name would break the one-line-per-file output or
// drive the terminal; they are shown escaped, inside quotes.
TEST_F(ConvertCommandTest, ControlCharactersInNamesAreQuoted) {
    fs::copy_file(work / "a.txt", work / "odd\nname\x1B[2J.txt");
    const ProcessOutcome run = Run({"odd\nname\x1B[2J.txt", "missing\r.txt"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(CountLines(run.out), 1) << run.out;
    EXPECT_EQ(run.out.rfind("\"odd\\nname\\x1b[2J.txt\": 1 triangles read", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("wrote \"odd\\nname\\x1b[2J.map\" ("), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("\"missing\\r.txt\": no such file"), std::string::npos) << run.err;
}

TEST_F(ConvertCommandTest, UsageErrorsExitWithOneAndConvertNothing) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"a.txt", "--bogus"}, {"a.txt", "--tris"}, {"a.txt", "a.txt"}}) {
        const ProcessOutcome run = Run(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err, "");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(Exists("a.map"));
}

TEST_F(ConvertCommandTest, QuietKeepsWarningsAndErrorsOnly) {
    const ProcessOutcome run = Run({"-q", "--scale", "0", "a.txt", "missing.txt"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("warning: --scale '0' is below 0.1; using 0.1"), std::string::npos);
    EXPECT_NE(run.err.find("missing.txt: no such file"), std::string::npos);
    EXPECT_TRUE(Exists("a.map"));
}

TEST_F(ConvertCommandTest, HelpDocumentsTheExitCodes) {
    const ProcessOutcome help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* text : {"usage: ondrel-convert", "--tris", "--blocks", "--scale", "--binary", "--text",
                             "--quiet", "-o", "  0  ", "  1  ", "  2  ", "  3  "}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
    const ProcessOutcome version = Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("ondrel-convert ", 0), 0u);
}

}  // namespace
}  // namespace ondrel::cli
