#pragma once
// What one run of ondrel-convert was asked to do, read from its arguments.

#include <string>
#include <vector>

#include "conversion/ConversionJob.h"
#include "conversion/PreviewRequest.h"

namespace ondrel::cli {

enum class FormatChoice { ByName, Text, Binary };

struct ConvertOptions {
    std::vector<std::string> inputs;
    std::string output;  // -o FILE or DIR; empty: each map beside its input
    FormatChoice format = FormatChoice::ByName;
    ConversionParameters parameters;
    bool quiet = false;
    bool merge = false;  // --merge: adjacent coplanar triangles of one kind share a brush
    // The quality report of every written map (--check), or of existing maps
    // given as the inputs (--check-map); --strict lets its problems decide
    // the exit code.
    bool check = false;
    bool checkMaps = false;
    bool strict = false;
    double bounds = 32768.0;  // --bounds: the practical coordinate range, +-
    // --preview PNG and its --preview-* options: a picture of the one
    // input, made by the renderer program once the map is written. Its
    // level, format and factors are the conversion's, filled in then.
    conversion::PreviewRequest preview;
    bool WantsPreview() const { return !preview.png.empty(); }
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

}  // namespace ondrel::cli
