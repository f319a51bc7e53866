#pragma once
// The map of a level written straight from its imported triangles, each
// brush formatted as soon as it is built and then forgotten. A program that
// only converts (ondrel-convert) never needs the solids in memory, which for
// a large level are several times the size of the level itself; the viewer,
// which shows them, keeps using ConvertToSolids and WriteMapFile.

#include <cstdint>
#include <string>

#include "mapexport/ConversionParameters.h"
#include "mapexport/MapWriter.h"

namespace ondrel {

class LevelData;

struct StreamedMapFigures {
    std::uint32_t prisms = 0;
    std::uint32_t pyramids = 0;
    float origin[3] = {0.0f, 0.0f, 0.0f};
};

// The origin every point is written relative to: the snapped centre of the
// box of the level's whole triangles.
void FindMapOrigin(const LevelData& level, float (&origin)[3]);

// The brush of the triangle starting at record `first`, numbered with
// `counter`, relative to `figures.origin`, and counted in `figures`.
void WriteTriangleSolid(const LevelData& level, std::uint32_t first, const ConversionParameters& parameters,
                        MapFileSink& file, StreamedMapFigures& figures, std::uint32_t& counter,
                        ScaledSpan* span = nullptr);

// Writes to `path` the bytes ConvertToSolids followed by WriteMapFile would
// write for the level's whole triangles, and fills `figures`. The level is
// not changed. The target is replaced only once the whole file is written;
// on failure false is returned and `whyNot` (if given) says why. `span`
// (if given) grows by every coordinate written.
bool WriteSolidsAsMap(const LevelData& level, const std::string& path,
                      const ConversionParameters& parameters, StreamedMapFigures& figures,
                      std::string* whyNot = nullptr, ScaledSpan* span = nullptr);

// The same text into a sink already opened, which the caller commits.
void WriteSolidsAsMap(const LevelData& level, MapFileSink& file, const ConversionParameters& parameters,
                      StreamedMapFigures& figures, ScaledSpan* span = nullptr);

}  // namespace ondrel
