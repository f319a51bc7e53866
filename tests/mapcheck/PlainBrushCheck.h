#pragma once
// A second, deliberately plain computation of the map check's counts, for
// written maps only (integer points, one face per line): exact integer
// arithmetic for faces and planes, and the brush's corners found by trying
// every three of its planes instead of cutting polygons.

#include <cstdint>
#include <string>

namespace ondrel::testing {

struct PlainCounts {
    std::uint64_t brushes = 0;
    std::uint64_t coincidentFaces = 0;
    std::uint64_t collinearFaces = 0;
    std::uint64_t designedDuplicates = 0;
    std::uint64_t otherDuplicates = 0;
    std::uint64_t emptyBrushes = 0;
    std::uint64_t thinBrushes = 0;
    std::uint64_t unboundedBrushes = 0;
    std::uint64_t problemBrushes = 0;
};

PlainCounts PlainCheckOfWrittenMap(const std::string& mapText);

}  // namespace ondrel::testing
