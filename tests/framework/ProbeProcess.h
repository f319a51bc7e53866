#pragma once
// Running the framework probe (and other programs) as a child process from
// a test: through the shell, with its standard output captured.

#include <string>

namespace ondrel::testing {

struct ProcessResult {
    int exitCode = -1;  // -1 when the program did not end by itself
    std::string output;
};

// Runs command (a shell command line) and waits for it.
ProcessResult RunProcess(const std::string& command);
// The probe's path, as the build placed it.
std::string ProbePath();
// "'text'" for the shell.
std::string Quoted(const std::string& text);

}  // namespace ondrel::testing
