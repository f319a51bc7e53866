#include "mapexport/StreamedMap.h"

#include "level/LevelData.h"
#include "mapexport/MapFileSink.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidFaces.h"

namespace ondrel {
namespace {

void WriteEveryBrush(const LevelData& level, MapFileSink& file, const ConversionParameters& parameters,
                     StreamedMapFigures& figures, ScaledSpan* span) {
    std::uint32_t counter = 0;
    for (std::uint32_t i = 0; level.sourceCount - i >= 3; i += 3) {
        WriteTriangleSolid(level, i, parameters, file, figures, counter, span);
    }
}

}  // namespace

// Every point is written relative to the origin, which needs the box of all
// triangles: one pass over them before the first brush is written.
void FindMapOrigin(const LevelData& level, float (&origin)[3]) {
    SolidBounds box;
    for (std::uint32_t i = 0; level.sourceCount - i >= 3; i += 3) box.Grow(&level.sourceVertices[i]);
    box.Origin(origin);
}

void WriteTriangleSolid(const LevelData& level, std::uint32_t first, const ConversionParameters& parameters,
                        MapFileSink& file, StreamedMapFigures& figures, std::uint32_t& counter, ScaledSpan* span) {
    BrushFace faces[kMaxSolidFaces];
    Brush brush;
    brush.faces = faces;
    brush.faceCount = MakeSolidFaces(&level.sourceVertices[first], parameters, brush.kind, faces);
    brush.faceCapacity = kMaxSolidFaces;
    ++(brush.kind == SolidKind::Block ? figures.prisms : figures.pyramids);
    const float* origin = figures.origin;
    WriteBrush(brush, file, origin[0], origin[1], origin[2], parameters.exportScale, counter, span);
}

void WriteSolidsAsMap(const LevelData& level, MapFileSink& file, const ConversionParameters& parameters,
                      StreamedMapFigures& figures, ScaledSpan* span) {
    std::lock_guard guard(level.lock);
    figures = StreamedMapFigures{};
    FindMapOrigin(level, figures.origin);
    WriteWorldspawnOpening(file);
    WriteEveryBrush(level, file, parameters, figures, span);
    WriteWorldspawnClosing(file);
}

bool WriteSolidsAsMap(const LevelData& level, const std::string& path,
                      const ConversionParameters& parameters, StreamedMapFigures& figures,
                      std::string* whyNot, ScaledSpan* span) {
    figures = StreamedMapFigures{};
    MapFileSink file;
    bool written = file.Open(path);
    if (written) {
        WriteSolidsAsMap(level, file, parameters, figures, span);
        written = file.Commit();
    }
    if (!written && whyNot != nullptr) *whyNot = file.Error();
    return written;
}

}  // namespace ondrel
