#pragma once
// The quality report of one map: every brush checked, the findings counted,
// and each brush with a problem handed to the caller to name.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "mapcheck/BrushCheck.h"
#include "mapcheck/MapReader.h"

namespace ondrel::mapcheck {

struct MapQuality {
    std::uint64_t brushes = 0;
    std::uint64_t faces = 0;
    std::uint64_t coincidentFaces = 0;
    std::uint64_t collinearFaces = 0;
    std::uint64_t emptyBrushes = 0;
    std::uint64_t thinBrushes = 0;
    std::uint64_t unboundedBrushes = 0;
    std::uint64_t designedDuplicates = 0;
    std::uint64_t otherDuplicates = 0;
    std::uint64_t problemBrushes = 0;
    double largestCoordinate = 0.0;  // of any face point, in map units

    void Add(const MapBrushView& brush, const BrushFindings& findings);
    bool HasProblem() const { return problemBrushes != 0; }
};

using ProblemVisitor = std::function<void(const MapBrushView&, const BrushFindings&)>;

// False with `whyNot` set when the map cannot be read; the figures then
// cover the brushes before the fault.
bool CheckMapFile(const std::string& path, MapQuality& quality, const ProblemVisitor& onProblem,
                  std::string& whyNot);
bool CheckMapText(std::string_view text, MapQuality& quality, const ProblemVisitor& onProblem,
                  std::string& whyNot);

}  // namespace ondrel::mapcheck
