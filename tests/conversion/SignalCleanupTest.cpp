// A signal that ends the converter while a map is written must not leave
// the temporary file behind, and must still end the process as that signal.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "conversion/SignalCleanup.h"
#include "mapexport/MapFileSink.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// The child starts a map over an existing one, writes part of it and is
// then signalled; `ignoreFirst` starts it with the signal ignored, as nohup
// does for SIGHUP.
int SignalDuringWrite(const fs::path& map, int signal, bool ignoreFirst) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        if (ignoreFirst) ::signal(signal, SIG_IGN);
        conversion::RemoveUnfinishedMapsOnSignals();
        MapFileSink sink;
        if (!sink.Open(map.string())) _exit(20);
        sink.Write(std::string(3 << 20, 'x'));  // past the buffer: on disk
        ::raise(signal);
        _exit(fs::exists(sink.TemporaryPath()) ? 21 : 22);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

TEST(SignalCleanup, EachEndingSignalRemovesTheTemporaryFileAndStillEndsTheProcess) {
    TempFolder folder;
    const fs::path map = folder.Write("level.map", "old");
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        const int status = SignalDuringWrite(map, signal, false);
        ASSERT_TRUE(WIFSIGNALED(status)) << "signal " << signal << ", exit " << WEXITSTATUS(status);
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"level.map"}) << "signal " << signal;
        EXPECT_EQ(ReadWholeFile(map), "old");
    }
}

TEST(SignalCleanup, ASignalIgnoredAtStartStaysIgnored) {
    TempFolder folder;
    const fs::path map = folder.Write("level.map", "old");
    const int status = SignalDuringWrite(map, SIGHUP, true);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 21) << "the write goes on, its temporary file still there";
}

}  // namespace
}  // namespace ondrel::testing
