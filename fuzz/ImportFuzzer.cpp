// Feeds arbitrary bytes to the level importer, then converts and writes what
// it read, both as the viewer does (solids stored, then written) and as the
// converter does (each brush written as it is built); the two maps must be
// the same bytes. The first byte picks the format (bit 0: binary) and the export
// scale (bits 1-2) and the extrusion factors (bits 3-6), so that the extremes of the
// integer snapping are reached too; the rest is the file.

#include <cstdint>
#include <span>

#include "fuzz/LevelChannel.h"
#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/SolidBuilder.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckImported(const ondrel::LevelData& level) {
    Require(level.sourceCount <= level.sourceCapacity);
    Require(level.sourceCapacity % 256 == 0);
    Require(level.previewCount == 0);
}

void CheckConverted(const ondrel::LevelData& level) {
    Require(level.brushCount == level.sourceCount / 3);
    std::uint64_t faceRecords = 0;
    for (std::uint32_t i = 0; i < level.brushCount; ++i) {
        const ondrel::Brush& brush = level.brushes[i];
        Require(brush.faceCount == (brush.kind == ondrel::SolidKind::Block ? 8u : 4u));
        faceRecords += 3u * brush.faceCount;
    }
    Require(level.previewCount == faceRecords);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;

    const std::uint8_t mode = data[0];
    const bool binary = (mode & 1) != 0;
    static const float kScales[] = {40.0f, 0.1f, 1.0f, 3.0e9f};
    static const float kFactors[] = {5.0f, 0.1f, 64.0f, 1.0e30f};

    const ondrel::ConversionParameters parameters{kFactors[(mode >> 3) & 3], kFactors[(mode >> 5) & 3],
                                                  kScales[(mode >> 1) & 3]};
    ondrel::MemoryVertexBufferFactory buffers;
    ondrel::LevelData level;
    level.SetBufferFactory(&buffers);

    ondrel::fuzz::ImportLevel(level, std::span(data + 1, size - 1), binary);
    CheckImported(level);
    if (ondrel::ConvertToSolids(level, parameters)) {
        CheckConverted(level);
        ondrel::StreamedMapFigures figures;
        ondrel::fuzz::WrittenMaps maps;
        Require(ondrel::fuzz::WriteBothMaps(level, parameters, figures, maps));
        Require(figures.prisms + figures.pyramids == level.brushCount);
        Require(maps.streamed == maps.stored);
    }
    return 0;
}
