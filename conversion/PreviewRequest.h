#pragma once
// What a preview picture is asked to show, and its one command-line form.
// The converter reads the user's --preview options into a request and hands
// it to the renderer, a program of its own (the converter links nothing of
// the window stack), as arguments; the renderer reads them back with the
// same rules, so the two can never disagree about a value.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mapexport/ConversionParameters.h"

namespace ondrel::conversion {

using PreviewPoint = std::array<float, 3>;

inline constexpr unsigned kDefaultPreviewWidth = 1024;
inline constexpr unsigned kDefaultPreviewHeight = 768;
// Larger pictures than this are refused before any memory is asked for.
inline constexpr unsigned kLargestPreviewSide = 8192;

struct PreviewRequest {
    std::string level;  // the level file, read as the conversion read it
    bool binary = false;
    bool solids = false;  // draw the converted solids instead of the triangles
    ConversionParameters parameters;
    unsigned width = kDefaultPreviewWidth;
    unsigned height = kDefaultPreviewHeight;
    // In level units; without them the whole level is in view.
    std::optional<PreviewPoint> eye;
    std::optional<PreviewPoint> lookAt;
    std::string png;
};

// "WIDTHxHEIGHT", each a whole number from 1 to kLargestPreviewSide.
std::optional<std::array<unsigned, 2>> ReadPreviewSize(std::string_view text);
// "X,Y,Z", three finite decimal numbers.
std::optional<PreviewPoint> ReadPreviewPoint(std::string_view text);

// The renderer's arguments for a request (without the program name).
std::vector<std::string> PreviewArguments(const PreviewRequest& request);

struct ParsedPreviewRequest {
    PreviewRequest request;
    std::string error;  // non-empty: the arguments are unusable
};
ParsedPreviewRequest ParsePreviewArguments(const std::vector<std::string>& arguments);

}  // namespace ondrel::conversion
