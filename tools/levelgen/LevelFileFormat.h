#pragma once
// Writes a generated level in the two export formats: text (one number per
// line: a group's triangle count, then x, y, z and colour for each vertex) and
// binary (little-endian int32 count, then three float32 and a uint32 colour
// per vertex). Both describe exactly the same values.

#include <string>

#include "tools/levelgen/GeneratedLevel.h"

namespace ondrel::levelgen {

// Half-units as the shortest decimal text: "-12", "37.5", "-0.5".
std::string FormatHalfUnits(std::int32_t halfUnits);

// Appends the whole level to `out`. Colours are written as signed 32-bit
// decimals, as exports do for opaque colours (-1 is opaque white).
void AppendTextLevel(const GeneratedLevel& level, std::string& out);
void AppendBinaryLevel(const GeneratedLevel& level, std::string& out);

// Writes `bytes` to `path`, replacing it; false with errno set on failure.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace ondrel::levelgen
