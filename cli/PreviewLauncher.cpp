#include "cli/PreviewLauncher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "cli/DisplayName.h"

extern char** environ;

#ifndef ONDREL_PREVIEW_RELATIVE_DIR
#define ONDREL_PREVIEW_RELATIVE_DIR "../libexec/ondrel"
#endif
#ifndef ONDREL_PREVIEW_INSTALL_DIR
#define ONDREL_PREVIEW_INSTALL_DIR "/usr/local/libexec/ondrel"
#endif

namespace ondrel::cli {
namespace {

bool IsExecutableFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

// The renderer's exit status, or -1 when it could not be started or did
// not end by itself.
int RunAndWait(const std::string& program, const std::vector<std::string>& arguments, std::FILE* err) {
    std::vector<char*> argv;
    std::string name = program;
    argv.push_back(name.data());
    std::vector<std::string> owned = arguments;
    for (std::string& argument : owned) argv.push_back(argument.data());
    argv.push_back(nullptr);
    // Whatever the converter printed so far comes before the renderer's lines.
    std::fflush(stdout);
    std::fflush(err);
    pid_t child = 0;
    if (const int error = posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ); error != 0) {
        std::fprintf(err, "ondrel-convert: cannot start %s: %s\n", DisplayName(program).c_str(), std::strerror(error));
        return -1;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    if (WIFSIGNALED(status)) {
        std::fprintf(err, "ondrel-convert: %s ended by signal %d\n", DisplayName(program).c_str(), WTERMSIG(status));
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::vector<std::string> PreviewRendererCandidates(const std::string& converterPath) {
    std::vector<std::string> candidates;
    if (!converterPath.empty()) {
        const std::filesystem::path folder = std::filesystem::path(converterPath).parent_path();
        candidates.push_back((folder / kPreviewProgramName).string());
        candidates.push_back((folder / ONDREL_PREVIEW_RELATIVE_DIR / kPreviewProgramName).lexically_normal().string());
    }
    candidates.push_back((std::filesystem::path(ONDREL_PREVIEW_INSTALL_DIR) / kPreviewProgramName).string());
    return candidates;
}

std::string RunningProgramPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

PreviewOutcome MakePreview(const conversion::PreviewRequest& request, const std::vector<std::string>& candidates,
                           std::FILE* err) {
    for (const std::string& candidate : candidates) {
        if (!IsExecutableFile(candidate)) continue;
        const int status = RunAndWait(candidate, conversion::PreviewArguments(request), err);
        if (status == 0) return PreviewOutcome::Written;
        if (status > 0) {
            std::fprintf(err, "ondrel-convert: no preview written: %s exited with %d\n", DisplayName(candidate).c_str(),
                         status);
        }
        return PreviewOutcome::RendererFailed;
    }
    std::string looked;
    for (const std::string& candidate : candidates) looked += "\n  " + DisplayName(candidate);
    std::fprintf(err, "ondrel-convert: no preview written: the renderer %s is not installed; looked for:%s\n",
                 kPreviewProgramName, looked.c_str());
    return PreviewOutcome::RendererMissing;
}

}  // namespace ondrel::cli
