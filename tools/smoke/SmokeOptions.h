#pragma once
// Command line of the graphics smoke program.

#include <optional>
#include <string>

namespace ondrel::smoke {

struct SmokeOptions {
    std::string levelPath;       // empty: the built-in triangles
    bool binaryLevel = false;    // from the ".bin" ending unless --text/--binary
    unsigned frames = 60;        // frames to draw before the screenshot and exit
    std::string screenshotPath;  // empty: no screenshot
    unsigned width = 640;
    unsigned height = 480;
};

// Null with a message in `error` for an unknown or malformed argument.
std::optional<SmokeOptions> ParseSmokeOptions(int argc, char** argv, std::string* error);
const char* SmokeUsage();

}  // namespace ondrel::smoke
