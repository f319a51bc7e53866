// Imports one level, converts it and writes the map, with nothing else in
// between: the C++ side of the comparison with the plain reference.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "level/NumberText.h"
#include "mapexport/ConversionParameters.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidBuilder.h"

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
    return WriteMapFile(level, argv[2], parameters) ? 0 : 3;
}
