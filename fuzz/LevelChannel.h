#pragma once
// How the importer target hands a level to the importer and gets both maps
// back. The libFuzzer build keeps all of it in memory (LevelInMemory.cpp):
// a reader over the input's bytes and sinks that collect the text, the same
// parsing and formatting code with no file-system work. The corpus replay
// of the test builds goes through real files (LevelThroughFiles.cpp), so
// the committed seeds keep that path covered.

#include <cstdint>
#include <span>
#include <string>

#include "level/LevelData.h"
#include "mapexport/ConversionParameters.h"
#include "mapexport/StreamedMap.h"

namespace ondrel::fuzz {

bool ImportLevel(LevelData& level, std::span<const std::uint8_t> bytes, bool binary);

struct WrittenMaps {
    std::string stored;    // from the stored solids, as the viewer writes it
    std::string streamed;  // brush by brush, as ondrel-convert writes it
};

bool WriteBothMaps(const LevelData& level, const ConversionParameters& parameters,
                   StreamedMapFigures& figures, WrittenMaps& maps);

}  // namespace ondrel::fuzz
