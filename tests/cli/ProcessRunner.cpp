#include "tests/cli/ProcessRunner.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TempFiles.h"

namespace ondrel::testing {

ProcessOutcome RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                          const std::filesystem::path& workingDirectory,
                          const std::filesystem::path& scratch, int asUser) {
    const std::string outPath = (scratch / "process.out").string();
    const std::string errPath = (scratch / "process.err").string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    ProcessOutcome outcome;
    const pid_t child = fork();
    if (child == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
            chdir(workingDirectory.c_str()) != 0) {
            _exit(127);
        }
        if (asUser >= 0 && (setgroups(0, nullptr) != 0 || setgid(static_cast<gid_t>(asUser)) != 0 ||
                            setuid(static_cast<uid_t>(asUser)) != 0)) {
            _exit(126);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    if (child < 0) return outcome;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    outcome.out = ReadWholeFile(outPath);
    outcome.err = ReadWholeFile(errPath);
    return outcome;
}

}  // namespace ondrel::testing
