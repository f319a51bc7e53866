#pragma once
// The converter's map with adjacent coplanar triangles of one kind merged
// into convex polygons, one brush each. Triangles that join nothing, and
// polygons whose brush would not pass the quality check, are written
// exactly as the unmerged map writes them; every brush comes in the place
// of its lowest-numbered triangle.

#include <cstdint>
#include <string>

#include "mapexport/ConversionParameters.h"
#include "mapexport/MapWriter.h"
#include "mapexport/StreamedMap.h"

namespace ondrel::merge {

struct MergeFigures {
    std::uint32_t polygons = 0;           // merged brushes written
    std::uint32_t trianglesMerged = 0;    // the triangles they stand for
    std::uint32_t polygonsKeptApart = 0;  // merged polygons that failed the check
};

// Unlike the unmerged map, this keeps every triangle's written corners and
// the polygons in memory until the map is written.
void WriteMergedMap(const LevelData& level, MapFileSink& file, const ConversionParameters& parameters,
                    StreamedMapFigures& figures, MergeFigures& merged, ScaledSpan* span = nullptr);

// To `path`, replaced only once the whole file is written; false with
// `whyNot` (if given) on failure.
bool WriteMergedMap(const LevelData& level, const std::string& path, const ConversionParameters& parameters,
                    StreamedMapFigures& figures, MergeFigures& merged, std::string* whyNot = nullptr,
                    ScaledSpan* span = nullptr);

}  // namespace ondrel::merge
