#pragma once
// Runs a program to completion with its output captured, for tests that
// drive the real converter binary.

#include <filesystem>
#include <string>
#include <vector>

namespace ondrel::testing {

struct ProcessOutcome {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `arguments` in `workingDirectory`; stdout and stderr
// go through files in `scratch`, stdin is /dev/null. With `asUser` >= 0 the
// child gives up root for that user (and group) id first, so that tests of
// permissions mean something when the suite runs as root.
ProcessOutcome RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                          const std::filesystem::path& workingDirectory,
                          const std::filesystem::path& scratch, int asUser = -1);

}  // namespace ondrel::testing
