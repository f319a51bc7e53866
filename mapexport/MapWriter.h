#pragma once
// The .map text of a converted level: one worldspawn entity carrying the
// compiler's fixed keys and one brush block per level triangle. Every line
// ends in CR LF on every platform, so a map is byte-identical wherever it
// was written.

#include <cstddef>
#include <cstdint>

#include <string>

#include <span>

#include "level/Brush.h"
#include "mapexport/ConversionParameters.h"
#include "mapexport/IntegerFace.h"

namespace ondrel {

class LevelData;
class MapFileSink;

// Writes the brushes of the level's last conversion as a .map file, every
// point scaled by `parameters.exportScale`. The target is replaced only once
// the whole file is written; on failure it is left as it was, false is
// returned and `whyNot` (if given) says why.
// The span of the scaled coordinates a write produced, before snapping:
// points outside the 32-bit range were clamped (NaN, written as 0, counts
// as neither).
struct ScaledSpan {
    float lowest = 0.0f;
    float highest = 0.0f;

    void Add(float scaled) {
        lowest = scaled < lowest ? scaled : lowest;
        highest = scaled > highest ? scaled : highest;
    }
    bool Clamped() const { return highest >= 2147483648.0f || lowest < -2147483648.0f; }
};

bool WriteMapFile(const LevelData& level, const std::string& path,
                  const ConversionParameters& parameters, std::string* whyNot = nullptr,
                  ScaledSpan* span = nullptr);

// Room for the longest points' text (113 characters) and its terminator.
inline constexpr std::size_t kFacePointsBufferSize = 256;

// "(x z y) (x z y) (x z y)" for the face's second, first and third point,
// each coordinate snapped from (c - origin) x scale. Writes a terminated
// text into `buffer` and answers its length.
std::size_t FormatFacePoints(const BrushFace& face, float originX, float originY, float originZ,
                             float scale, char (&buffer)[kFacePointsBufferSize]);

// One brush block numbered with `counter`, which then advances.
// `span`, if given, grows by every coordinate written.
bool WriteBrush(const Brush& brush, MapFileSink& file, float originX, float originY,
                float originZ, float scale, std::uint32_t& counter, ScaledSpan* span = nullptr);

// The point rule for one point: each coordinate snapped from
// (c - origin) x scale, in the level's axis order. `span`, if given, grows
// by the three scaled values.
IntegerPoint WrittenPoint(const Vector3& p, const float (&origin)[3], float scale, ScaledSpan* span = nullptr);

// One brush block of faces whose points are written as they are, numbered
// with `counter`, which then advances. `span`, if given, grows by every
// coordinate written.
void WriteIntegerBrush(std::span<const IntegerFace> faces, MapFileSink& file, std::uint32_t& counter,
                       ScaledSpan* span = nullptr);

// The entity's opening line and keys, and its closing line: what comes
// before the first brush and after the last.
void WriteWorldspawnOpening(MapFileSink& file);
void WriteWorldspawnClosing(MapFileSink& file);

// The whole entity: its opening, the keys, every brush of the level and its
// closing.
void WriteWorldspawn(const LevelData& level, float scale, MapFileSink& file, ScaledSpan* span = nullptr);

}  // namespace ondrel
