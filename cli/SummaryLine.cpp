#include "cli/SummaryLine.h"

#include <charconv>

#include "cli/DisplayName.h"

namespace ondrel::cli {
namespace {

// The origin holds whole numbers; fixed notation keeps large ones plain
// ("1000000", never "1e+06").
std::string FormatWhole(float value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 0);
    return std::string(text, end.ptr);
}

// "(28 merged from 70 triangles)": how many brushes stand for more than
// one triangle. Only a merged conversion says it.
std::string MergeNote(const conversion::ConversionResult& result) {
    if (!result.merged) return "";
    return " (" + std::to_string(result.mergedBrushes) + " merged from " + std::to_string(result.mergedTriangles) +
           " triangles)";
}

}  // namespace

std::string FormatSummaryLine(const conversion::ConversionResult& result) {
    char seconds[64];
    const auto secondsEnd =
        std::to_chars(seconds, seconds + sizeof seconds, result.seconds, std::chars_format::fixed, 3);
    return DisplayName(result.input) + ": " + std::to_string(result.trianglesRead) + " triangles read, " +
           std::to_string(result.prisms) + " prisms, " + std::to_string(result.pyramids) +
           " pyramids, " + std::to_string(result.brushes) + " brushes" + MergeNote(result) + ", origin (" +
           FormatWhole(result.origin[0]) + " " + FormatWhole(result.origin[1]) + " " +
           FormatWhole(result.origin[2]) + "), wrote " + DisplayName(result.output) + " (" +
           std::to_string(result.outputBytes) + " bytes) in " + std::string(seconds, secondsEnd.ptr) + " s";
}

std::string FormatClampWarning(const conversion::ConversionResult& result) {
    std::string advice = "no scale of 0.1 or more fits";
    if (result.largestFittingScale) {
        char scale[64];
        const auto end = std::to_chars(scale, scale + sizeof scale, *result.largestFittingScale);
        advice = "--scale " + std::string(scale, end.ptr) + " or less fits";
    }
    return DisplayName(result.input) + ": coordinates too large for a map were clamped to the 32-bit range; " + advice;
}

std::string FormatErrorLine(const conversion::ConversionResult& result) {
    return DisplayName(result.input) + ": " + result.problem;
}

}  // namespace ondrel::cli
