#pragma once
// Our own sample levels: a small facility of rooms joined by corridors, with
// stairs, a ramp, pillars, a skylight, crates and coloured walls, repeated on
// a grid until the requested number of triangles is reached.

#include <cstddef>
#include <cstdint>

#include "tools/levelgen/GeneratedLevel.h"

namespace ondrel::levelgen {

struct FacilityOptions {
    std::size_t triangles = 4000;  // exactly this many; the last shape is cut short
    std::uint64_t seed = 1;
};

GeneratedLevel GenerateFacility(const FacilityOptions& options);

}  // namespace ondrel::levelgen
