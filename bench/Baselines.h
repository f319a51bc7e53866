#pragma once
// What the converter's input and output cost at the least: a level read
// through a buffer and parsed with std::from_chars, and map-shaped text of a
// given size formatted with std::to_chars and written. The benchmarks put
// the real converter beside these.

#include <cstdint>
#include <string>
#include <vector>

#include "level/LevelVertex.h"

namespace ondrel::bench {

std::vector<LevelVertex> BaselineReadText(const std::string& path);
std::vector<LevelVertex> BaselineReadBinary(const std::string& path);

// The least a conversion does: per triangle a normal, a kind, and the faces
// of its solid (8 for a prism, 4 for a pyramid) as three points each, stored
// in `faces` (reused between calls). Answers the number of faces.
std::size_t BaselineConvert(const std::vector<LevelVertex>& vertices, std::vector<float>& faces);

// Face lines made from the triangles of `vertices` (again from the first
// once all are used) until exactly `bytes` bytes are written. Answers the
// bytes written.
std::uintmax_t BaselineWriteMapText(const std::vector<LevelVertex>& vertices, std::uintmax_t bytes,
                                    const std::string& path);

}  // namespace ondrel::bench
