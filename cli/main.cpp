// ondrel-convert: level exports to .map files, without a window.

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/BatchRunner.h"
#include "cli/ConvertOptions.h"
#include "cli/HelpText.h"
#include "cli/TerminalProgress.h"
#include "conversion/SignalCleanup.h"

int main(int argc, char** argv) {
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
