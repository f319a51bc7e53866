#include "fuzz/LevelChannel.h"

#include "level/FileReader.h"
#include "mapexport/MapFileSink.h"
#include "mapexport/MapWriter.h"

namespace ondrel::fuzz {

bool ImportLevel(LevelData& level, std::span<const std::uint8_t> bytes, bool binary) {
    FileReader reader;
    reader.OpenBytes(bytes);
    return level.Import(reader, binary);
}

bool WriteBothMaps(const LevelData& level, const ConversionParameters& parameters,
                   StreamedMapFigures& figures, WrittenMaps& maps) {
    MapFileSink stored;
    stored.OpenInMemory(maps.stored);
    WriteWorldspawn(level, parameters.exportScale, stored);
    MapFileSink streamed;
    streamed.OpenInMemory(maps.streamed);
    WriteSolidsAsMap(level, streamed, parameters, figures);
    return stored.Commit() && streamed.Commit();
}

}  // namespace ondrel::fuzz
