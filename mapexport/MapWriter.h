#pragma once
// The .map text of a converted level: one worldspawn entity carrying the
// compiler's fixed keys and one brush block per level triangle. Every line
// ends in CR LF on every platform, so a map is byte-identical wherever it
// was written.

#include <cstddef>
#include <cstdint>

#include "mapexport/Brush.h"

namespace ondrel {

class LevelData;
class MapFileSink;

// Room for the longest points' text (113 characters) and its terminator.
inline constexpr std::size_t kFacePointsBufferSize = 256;

// "(x z y) (x z y) (x z y)" for the face's second, first and third point,
// each coordinate snapped from (c - origin) x ExportScale. Writes a
// terminated text into `buffer` and answers its length.
std::size_t FormatFacePoints(const BrushFace& face, float originX, float originY, float originZ,
                             char (&buffer)[kFacePointsBufferSize]);

// One brush block numbered with `counter`, which then advances.
bool WriteBrush(const Brush& brush, MapFileSink& file, float originX, float originY,
                float originZ, std::uint32_t& counter);

// The whole entity: its opening, the keys, every brush of the level and its
// closing.
void WriteWorldspawn(const LevelData& level, MapFileSink& file);

}  // namespace ondrel
