#include "tests/framework/ProbeProcess.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace ondrel::testing {

ProcessResult RunProcess(const std::string& command) {
    ProcessResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 512> chunk{};
    std::size_t read = 0;
    while ((read = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) result.output.append(chunk.data(), read);
    int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    return result;
}

std::string ProbePath() { return ONDREL_PROBE_PATH; }

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

}  // namespace ondrel::testing
