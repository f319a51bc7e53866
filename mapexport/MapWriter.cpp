#include "mapexport/MapWriter.h"

#include <charconv>
#include <string_view>

#include "level/LevelData.h"
#include "mapexport/ExportScale.h"
#include "mapexport/MapFileSink.h"
#include "mapexport/SnapToInteger.h"

namespace ondrel {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Keys of the interior and lighting compiler, fixed texts in this order.
constexpr std::string_view kWorldspawnKeys[][2] = {
    {"classname", "worldspawn"},
    {"geometry_scale", "0.046875"},
    {"point_snap_precision", "0.0"},
    {"plane_normal_precision", "0.0001"},
    {"plane_distance_precision", "0.0001"},
    {"min_pixels", "250"},
    {"texture_scale", "16.0"},
    {"light_geometry_scale", "0.046875"},
    {"light_scale", "2"},
    {"emission_quantum_number", "100"},
    {"ambient_intensity", "0 0 0"},
    {"mapversion", "220"},
    {"wad", "\\dynamix\\tools\\art\\human1.wad"},
};

constexpr std::string_view kFaceTexture = " BASE_COLD [ 0 1 0 0 ] [ 0 0 -1 0 ] 0 1 1 ";

char* AppendInteger(char* out, std::int32_t value) {
    return std::to_chars(out, out + 12, value).ptr;
}

std::int32_t ExportCoordinate(float c, float origin, float scale) {
    const float scaled = (c - origin) * scale;
    return SnapToInteger(scaled);
}

char* AppendPoint(char* out, const Vector3& p, float ox, float oy, float oz, float scale) {
    *out++ = '(';
    out = AppendInteger(out, ExportCoordinate(p.x, ox, scale));
    *out++ = ' ';
    out = AppendInteger(out, ExportCoordinate(p.z, oz, scale));
    *out++ = ' ';
    out = AppendInteger(out, ExportCoordinate(p.y, oy, scale));
    *out++ = ')';
    return out;
}

}  // namespace

std::size_t FormatFacePoints(const BrushFace& face, float originX, float originY, float originZ,
                             char (&buffer)[kFacePointsBufferSize]) {
    const float scale = ExportScale();
    char* out = buffer;
    out = AppendPoint(out, face.points[1], originX, originY, originZ, scale);
    *out++ = ' ';
    out = AppendPoint(out, face.points[0], originX, originY, originZ, scale);
    *out++ = ' ';
    out = AppendPoint(out, face.points[2], originX, originY, originZ, scale);
    *out = '\0';
    return static_cast<std::size_t>(out - buffer);
}

bool WriteBrush(const Brush& brush, MapFileSink& file, float originX, float originY,
                float originZ, std::uint32_t& counter) {
    char number[16];
    const char* end = std::to_chars(number, number + sizeof number, counter).ptr;
    ++counter;
    file.Write("{ ;");
    file.Write(std::string_view(number, static_cast<std::size_t>(end - number)));
    file.Write(kLineEnd);
    char points[kFacePointsBufferSize];
    for (std::uint32_t i = 0; i < brush.faceCount; ++i) {
        const std::size_t length = FormatFacePoints(brush.faces[i], originX, originY, originZ, points);
        file.Write("\t");
        file.Write(std::string_view(points, length));
        file.Write(kFaceTexture);
        file.Write(kLineEnd);
    }
    file.Write("}");
    file.Write(kLineEnd);
    return true;
}

void WriteWorldspawn(const LevelData& level, MapFileSink& file) {
    file.Write("{");
    file.Write(kLineEnd);
    for (const auto& [key, value] : kWorldspawnKeys) {
        file.Write("\"");
        file.Write(key);
        file.Write("\" \"");
        file.Write(value);
        file.Write("\"");
        file.Write(kLineEnd);
    }
    std::uint32_t counter = 0;
    const float* origin = level.exportOrigin;
    for (std::uint32_t i = 0; i < level.brushCount; ++i) {
        WriteBrush(level.brushes[i], file, origin[0], origin[1], origin[2], counter);
    }
    file.Write("}");
    file.Write(kLineEnd);
}

bool LevelData::WriteMapFile(const std::string& path, std::string* whyNot) const {
    MapFileSink file;
    bool written = file.Open(path);
    if (written) {
        WriteWorldspawn(*this, file);
        written = file.Commit();
    }
    if (!written && whyNot != nullptr) *whyNot = file.Error();
    return written;
}

}  // namespace ondrel
