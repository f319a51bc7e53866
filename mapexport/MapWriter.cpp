#include "mapexport/MapWriter.h"

#include <charconv>
#include <cstring>
#include <string_view>

#include "level/LevelData.h"
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

std::int32_t ExportCoordinate(float c, float origin, float scale, ScaledSpan& span) {
    const float scaled = (c - origin) * scale;
    span.Add(scaled);
    return SnapToInteger(scaled);
}

char* AppendPoint(char* out, const Vector3& p, float ox, float oy, float oz, float scale, ScaledSpan& span) {
    *out++ = '(';
    out = AppendInteger(out, ExportCoordinate(p.x, ox, scale, span));
    *out++ = ' ';
    out = AppendInteger(out, ExportCoordinate(p.z, oz, scale, span));
    *out++ = ' ';
    out = AppendInteger(out, ExportCoordinate(p.y, oy, scale, span));
    *out++ = ')';
    return out;
}

char* AppendFacePoints(char* out, const BrushFace& face, float ox, float oy, float oz, float scale,
                       ScaledSpan& span) {
    out = AppendPoint(out, face.points[1], ox, oy, oz, scale, span);
    *out++ = ' ';
    out = AppendPoint(out, face.points[0], ox, oy, oz, scale, span);
    *out++ = ' ';
    return AppendPoint(out, face.points[2], ox, oy, oz, scale, span);
}

char* AppendText(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* AppendIntegerPoint(char* out, const IntegerPoint& p, ScaledSpan& span) {
    span.Add(static_cast<float>(p.x));
    span.Add(static_cast<float>(p.y));
    span.Add(static_cast<float>(p.z));
    *out++ = '(';
    out = AppendInteger(out, p.x);
    *out++ = ' ';
    out = AppendInteger(out, p.z);
    *out++ = ' ';
    out = AppendInteger(out, p.y);
    *out++ = ')';
    return out;
}

char* AppendIntegerFacePoints(char* out, const IntegerFace& face, ScaledSpan& span) {
    out = AppendIntegerPoint(out, face.points[1], span);
    *out++ = ' ';
    out = AppendIntegerPoint(out, face.points[0], span);
    *out++ = ' ';
    return AppendIntegerPoint(out, face.points[2], span);
}

// Room for one face line: the tab, the points, the texture and the line end.
using FaceLine = char[kFacePointsBufferSize + kFaceTexture.size() + kLineEnd.size() + 1];

void WriteBrushOpening(MapFileSink& file, std::uint32_t& counter) {
    FaceLine line;
    char* end = AppendText(line, "{ ;");
    end = std::to_chars(end, end + 16, counter).ptr;
    ++counter;
    end = AppendText(end, kLineEnd);
    file.Write(std::string_view(line, static_cast<std::size_t>(end - line)));
}

// `appendPoints` writes the face's points' text and answers its end.
template <typename AppendPoints>
void WriteFaceLine(MapFileSink& file, AppendPoints appendPoints) {
    FaceLine line;
    char* end = line;
    *end++ = '\t';
    end = appendPoints(end);
    end = AppendText(end, kFaceTexture);
    end = AppendText(end, kLineEnd);
    file.Write(std::string_view(line, static_cast<std::size_t>(end - line)));
}

}  // namespace

IntegerPoint WrittenPoint(const Vector3& p, const float (&origin)[3], float scale, ScaledSpan* span) {
    ScaledSpan local;
    ScaledSpan& grown = span != nullptr ? *span : local;
    return {ExportCoordinate(p.x, origin[0], scale, grown), ExportCoordinate(p.y, origin[1], scale, grown),
            ExportCoordinate(p.z, origin[2], scale, grown)};
}

std::size_t FormatFacePoints(const BrushFace& face, float originX, float originY, float originZ,
                             float scale, char (&buffer)[kFacePointsBufferSize]) {
    ScaledSpan unused;
    char* end = AppendFacePoints(buffer, face, originX, originY, originZ, scale, unused);
    *end = '\0';
    return static_cast<std::size_t>(end - buffer);
}

bool WriteBrush(const Brush& brush, MapFileSink& file, float originX, float originY,
                float originZ, float scale, std::uint32_t& counter, ScaledSpan* span) {
    ScaledSpan local;
    ScaledSpan& grown = span != nullptr ? *span : local;
    WriteBrushOpening(file, counter);
    for (std::uint32_t i = 0; i < brush.faceCount; ++i) {
        WriteFaceLine(file, [&](char* out) {
            return AppendFacePoints(out, brush.faces[i], originX, originY, originZ, scale, grown);
        });
    }
    file.Write("}\r\n");
    return true;
}

void WriteIntegerBrush(std::span<const IntegerFace> faces, MapFileSink& file, std::uint32_t& counter,
                       ScaledSpan* span) {
    ScaledSpan local;
    ScaledSpan& grown = span != nullptr ? *span : local;
    WriteBrushOpening(file, counter);
    for (const IntegerFace& face : faces) {
        WriteFaceLine(file, [&](char* out) { return AppendIntegerFacePoints(out, face, grown); });
    }
    file.Write("}\r\n");
}

void WriteWorldspawnOpening(MapFileSink& file) {
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
}

void WriteWorldspawnClosing(MapFileSink& file) {
    file.Write("}");
    file.Write(kLineEnd);
}

void WriteWorldspawn(const LevelData& level, float scale, MapFileSink& file, ScaledSpan* span) {
    WriteWorldspawnOpening(file);
    std::uint32_t counter = 0;
    const float* origin = level.exportOrigin;
    for (std::uint32_t i = 0; i < level.brushCount; ++i) {
        WriteBrush(level.brushes[i], file, origin[0], origin[1], origin[2], scale, counter, span);
    }
    WriteWorldspawnClosing(file);
}

bool WriteMapFile(const LevelData& level, const std::string& path,
                  const ConversionParameters& parameters, std::string* whyNot, ScaledSpan* span) {
    MapFileSink file;
    bool written = file.Open(path);
    if (written) {
        WriteWorldspawn(level, parameters.exportScale, file, span);
        written = file.Commit();
    }
    if (!written && whyNot != nullptr) *whyNot = file.Error();
    return written;
}

}  // namespace ondrel
