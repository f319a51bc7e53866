// ondrel-convert: level exports to .map files, without a window.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/BatchRunner.h"
#include "cli/ConvertOptions.h"
#include "cli/HelpText.h"
#include "cli/TerminalProgress.h"
#include "conversion/SignalCleanup.h"

namespace {

// What could not reach standard output (a full disk, a closed pipe's
// file) is an error, as for the usual command-line tools.
int FinishStandardOutput(int exitCode) {
    using ondrel::cli::ExitCode;
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int flushError = errno;
    const bool closed = std::fclose(stdout) == 0;
    if (flushed && closed) return exitCode;
    // A failure on an earlier flush has left only the stream's error mark.
    const int error = flushed ? errno : flushError;
    std::fprintf(stderr, "ondrel-convert: cannot write standard output%s%s\n", error != 0 ? ": " : "",
                 error != 0 ? std::strerror(error) : "");
    return std::max(exitCode, static_cast<int>(ExitCode::OutputFailed));
}

int Run(int argc, char** argv) {
    using namespace ondrel::cli;
    const ParsedArguments parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "ondrel-convert: %s\nTry 'ondrel-convert --help'.\n", parsed.error.c_str());
        return static_cast<int>(ExitCode::Usage);
    }
    if (parsed.request == Request::Help) {
        std::fputs(HelpText(), stdout);
        return 0;
    }
    if (parsed.request == Request::Version) {
        std::fputs(VersionText(), stdout);
        return 0;
    }
    for (const std::string& warning : parsed.warnings) {
        std::fprintf(stderr, "ondrel-convert: warning: %s\n", warning.c_str());
    }

    ondrel::conversion::RemoveUnfinishedMapsOnSignals();
    std::unique_ptr<ondrel::conversion::ConversionProgress> progress;
    if (!parsed.options.quiet && isatty(STDERR_FILENO)) {
        progress = std::make_unique<TerminalProgress>(stderr);
    } else {
        progress = std::make_unique<ondrel::conversion::SilentProgress>();
    }
    return static_cast<int>(RunBatch(parsed.options, stdout, stderr, *progress));
}

}  // namespace

int main(int argc, char** argv) { return FinishStandardOutput(Run(argc, argv)); }
