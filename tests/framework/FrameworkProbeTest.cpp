// The framework run for real by a small program on it, on the OpenGL
// backend with the offscreen video driver: the frames the command line asks
// for, the exit codes of the failures a program can run into, and the media
// search in an installed tree.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/framework/ProbeProcess.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

std::string Offscreen(const std::string& environment, const std::string& arguments) {
    return "env -u ONDREL_PROBE_LOG SDL_VIDEODRIVER=offscreen " + environment + " " + Quoted(ProbePath()) + " " +
           arguments + " 2>/dev/null";
}

TEST(FrameworkProbe, QuitAfterFrameTwoRunsThreeFramesAndExitsCleanly) {
    ProcessResult run = RunProcess(Offscreen("", "-quitafterframe:2 -noerrormsgboxes"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("frames moved 3 rendered 3"), std::string::npos) << run.output;
}

// Each failure ends the program (or, for the leak, is reported at its end)
// with the exit code that tells which it was.
TEST(FrameworkProbe, FailuresEndWithTheirExitCodes) {
    struct Case {
        std::string environment;
        std::string arguments;
        int exitCode;
    };
    const Case cases[] = {
        {"ONDREL_PROBE_FAIL=created", "", 8},
        {"ONDREL_PROBE_FAIL=media", "", 4},
        {"ONDREL_PROBE_FAIL=reset", "", 9},
        // The device cannot go away while the program holds an object of it;
        // the leak checker is told that this leak is the point.
        {"ONDREL_PROBE_FAIL=leak ASAN_OPTIONS=detect_leaks=0", "", 5},
        {"", "-adapter:7", 3},
    };
    for (const Case& each : cases) {
        ProcessResult run = RunProcess(Offscreen(each.environment, "-quitafterframe:2 -noerrormsgboxes " + each.arguments));
        EXPECT_EQ(run.exitCode, each.exitCode) << each.environment << " " << each.arguments;
    }
}

// The installed tree: the program in <prefix>/bin finds the skin through the
// install path beside it, from a folder that has nothing of the sources.
TEST(FrameworkProbe, AnInstalledTreeFindsTheSkin) {
    TempFolder prefix;
    const std::string root = prefix.Path().string();
    ProcessResult install = RunProcess(Quoted(ONDREL_CMAKE) + " --install " + Quoted(ONDREL_BUILD_DIR) +
                                       " --prefix " + Quoted(root) + " 2>&1");
    ASSERT_EQ(install.exitCode, 0) << install.output;
    std::filesystem::create_directories(prefix.Path() / "bin");
    std::filesystem::copy_file(ProbePath(), prefix.Path() / "bin" / "ondrel-framework-probe");

    ProcessResult found = RunProcess("cd " + Quoted(root) + " && env -u ONDREL_DATA_DIR " +
                                     "ONDREL_PROBE_FIND='UI\\Controls.dds' ./bin/ondrel-framework-probe");
    ASSERT_EQ(found.exitCode, 0) << found.output;
    std::string path = found.output.substr(0, found.output.find('\n'));
    std::replace(path.begin(), path.end(), '\\', '/');
    EXPECT_EQ(std::filesystem::path(path).lexically_normal(),
              (prefix.Path() / "share/ondrel/Media/UI/Controls.dds").lexically_normal());
}

}  // namespace
}  // namespace ondrel::testing
