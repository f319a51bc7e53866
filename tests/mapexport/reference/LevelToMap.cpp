// Imports one level, converts it and writes the map, with nothing else in
// between: the C++ side of the comparison with the plain reference. The map
// is written both ways the programs write it (from the stored solids, as
// the viewer does, and brush by brush as they are built, as ondrel-convert
// does); the two must be the same bytes.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "level/NumberText.h"
#include "mapexport/ConversionParameters.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidBuilder.h"
#include "mapexport/StreamedMap.h"

namespace {

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT text|binary TRIS BLOCKS SCALE\n", argv[0]);
        return 1;
    }
    using namespace ondrel;
    DiscardingVertexBufferFactory buffers;
    LevelData level;
    level.SetBufferFactory(&buffers);
    ConversionParameters parameters;
    parameters.extrudeFactorTris = FloorFactor(static_cast<float>(ParseDecimal(argv[4])));
    parameters.extrudeFactorBlocks = FloorFactor(static_cast<float>(ParseDecimal(argv[5])));
    parameters.exportScale = FloorFactor(static_cast<float>(ParseDecimal(argv[6])));
    level.Import(std::filesystem::path(argv[1]), std::string(argv[3]) == "binary");
    if (!ConvertToSolids(level, parameters)) {
        std::fprintf(stderr, "Unable to convert to solids.\n");
        return 2;
    }
    if (!WriteMapFile(level, argv[2], parameters)) return 3;
    const std::string streamed = std::string(argv[2]) + ".streamed";
    StreamedMapFigures figures;
    if (!WriteSolidsAsMap(level, streamed, parameters, figures)) return 3;
    const bool same = Contents(streamed) == Contents(argv[2]);
    std::remove(streamed.c_str());
    if (!same) {
        std::fprintf(stderr, "the streamed map differs from the stored solids' map\n");
        return 4;
    }
    return 0;
}
