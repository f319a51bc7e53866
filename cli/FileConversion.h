#pragma once
// One input converted to one map, by the same level code the viewer runs:
// import, conversion to solids, map writing.

#include <cstdint>
#include <string>

#include "cli/ConversionProgress.h"
#include "cli/OutputPlan.h"

namespace ondrel::cli {

enum class ConversionStatus {
    Converted,
    InputMissing,
    InputNotRegular,
    InputUnreadable,
    NoWholeTriangle,
    ConversionFailed,
    OutputFailed,
};

struct ConversionResult {
    ConversionStatus status = ConversionStatus::Converted;
    std::string input;
    std::string output;
    std::string problem;  // what went wrong, for the user; empty on success
    std::uint32_t verticesRead = 0;
    std::uint32_t trianglesRead = 0;
    std::uint32_t prisms = 0;
    std::uint32_t pyramids = 0;
    std::uint32_t brushes = 0;
    float origin[3] = {0.0f, 0.0f, 0.0f};
    std::uintmax_t outputBytes = 0;
    double seconds = 0.0;
};

struct ConversionFactors {
    float extrudeFactorTris = 5.0f;
    float extrudeFactorBlocks = 6.0f;
};

// The export scale is process-wide (ExportScale()); the caller sets it.
ConversionResult ConvertFile(const PlannedFile& file, const ConversionFactors& factors,
                             ConversionProgress& progress);

}  // namespace ondrel::cli
