#pragma once
// One level file converted to one map, by the same level code the viewer
// runs: import, conversion to solids, map writing. The job carries its own
// parameters, so a batch never passes one file's settings to the next.

#include <cstdint>
#include <optional>
#include <string>

#include "conversion/ConversionProgress.h"
#include "mapexport/ConversionParameters.h"

namespace ondrel::conversion {

struct ConversionJob {
    std::string input;
    std::string output;
    bool binary = false;
    ConversionParameters parameters;
    // Adjacent coplanar triangles of one kind become one brush (--merge).
    bool merge = false;
};

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
    // With merging: the merged brushes and the triangles they stand for.
    bool merged = false;
    std::uint32_t mergedBrushes = 0;
    std::uint32_t mergedTriangles = 0;
    float origin[3] = {0.0f, 0.0f, 0.0f};
    std::uintmax_t outputBytes = 0;
    double seconds = 0.0;
    // Some coordinate was too large for the map and was clamped to the
    // 32-bit range; the largest scale that would have fitted, if any does.
    bool saturated = false;
    std::optional<float> largestFittingScale;
    // The lowest and highest coordinate written, scaled, before snapping.
    float scaledLowest = 0.0f;
    float scaledHighest = 0.0f;
};

ConversionResult RunConversion(const ConversionJob& job, ConversionProgress& progress);

}  // namespace ondrel::conversion
