#include "SmokeOptions.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace ondrel::smoke {
namespace {

bool ParseUnsigned(const char* text, unsigned* value) {
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, *value);
    return ec == std::errc() && ptr == end && *value > 0;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

const char* SmokeUsage() {
    return "usage: ondrel-graphics-smoke [LEVEL] [--text|--binary] [--frames N] [--screenshot FILE.png]\n"
           "                             [--size WIDTHxHEIGHT]\n";
}

std::optional<SmokeOptions> ParseSmokeOptions(int argc, char** argv, std::string* error) {
    SmokeOptions options;
    std::optional<bool> forcedBinary;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--text" || arg == "--binary") {
            forcedBinary = arg == "--binary";
        } else if (arg == "--frames" && hasValue) {
            if (!ParseUnsigned(argv[++i], &options.frames)) {
                *error = "--frames needs a positive number";
                return std::nullopt;
            }
        } else if (arg == "--screenshot" && hasValue) {
            options.screenshotPath = argv[++i];
        } else if (arg == "--size" && hasValue) {
            std::string size = argv[++i];
            const std::size_t x = size.find('x');
            if (x == std::string::npos || !ParseUnsigned(size.substr(0, x).c_str(), &options.width) ||
                !ParseUnsigned(size.substr(x + 1).c_str(), &options.height)) {
                *error = "--size needs WIDTHxHEIGHT";
                return std::nullopt;
            }
        } else if (!arg.empty() && arg[0] != '-' && options.levelPath.empty()) {
            options.levelPath = std::string(arg);
        } else {
            *error = "unknown argument: " + std::string(arg);
            return std::nullopt;
        }
    }
    options.binaryLevel = forcedBinary.value_or(EndsWith(options.levelPath, ".bin"));
    return options;
}

}  // namespace ondrel::smoke
