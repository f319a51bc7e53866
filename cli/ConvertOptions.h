#pragma once
// What one run of ondrel-convert was asked to do, read from its arguments.

#include <string>
#include <vector>

namespace ondrel::cli {

enum class FormatChoice { ByName, Text, Binary };

struct ConvertOptions {
    std::vector<std::string> inputs;
    std::string output;  // -o FILE or DIR; empty: each map beside its input
    FormatChoice format = FormatChoice::ByName;
    float extrudeFactorTris = 5.0f;
    float extrudeFactorBlocks = 6.0f;
    float exportScale = 40.0f;
    bool quiet = false;
};

enum class Request { Convert, Help, Version };

struct ParsedArguments {
    Request request = Request::Convert;
    ConvertOptions options;
    std::vector<std::string> warnings;  // worth telling, not worth stopping for
    std::string error;                  // non-empty: the arguments are unusable
};

// `arguments` excludes the program name.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments);

// A parameter the way the viewer's control panel reads its fields: decimal
// text (trailing rubbish ignored, no number gives 0) rounded to float and
// floored at 0.1. `floored` tells whether the floor was applied.
float ReadFactor(const std::string& text, bool& floored);

}  // namespace ondrel::cli
