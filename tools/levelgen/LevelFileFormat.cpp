#include "tools/levelgen/LevelFileFormat.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace ondrel::levelgen {
namespace {

void AppendInteger(std::int64_t value, std::string& out) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

void AppendLittleEndian(std::uint32_t value, std::string& out) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

}  // namespace

std::string FormatHalfUnits(std::int32_t halfUnits) {
    std::string text;
    const std::int64_t wide = halfUnits;
    const std::int64_t magnitude = wide < 0 ? -wide : wide;
    if (wide < 0) text.push_back('-');
    AppendInteger(magnitude / 2, text);
    if (magnitude % 2 != 0) text += ".5";
    return text;
}

void AppendTextLevel(const GeneratedLevel& level, std::string& out) {
    for (const GenGroup& group : level.groups) {
        AppendInteger(static_cast<std::int64_t>(group.triangles.size()), out);
        out.push_back('\n');
        for (const GenTriangle& triangle : group.triangles) {
            for (const GenVertex& vertex : triangle.corners) {
                for (std::int32_t coordinate : {vertex.position.x, vertex.position.y, vertex.position.z}) {
                    out += FormatHalfUnits(coordinate);
                    out.push_back('\n');
                }
                AppendInteger(static_cast<std::int32_t>(vertex.colour), out);
                out.push_back('\n');
            }
        }
    }
}

void AppendBinaryLevel(const GeneratedLevel& level, std::string& out) {
    for (const GenGroup& group : level.groups) {
        AppendLittleEndian(static_cast<std::uint32_t>(group.triangles.size()), out);
        for (const GenTriangle& triangle : group.triangles) {
            for (const GenVertex& vertex : triangle.corners) {
                for (std::int32_t coordinate : {vertex.position.x, vertex.position.y, vertex.position.z}) {
                    // Half-units below 2^24 in magnitude are exact in a float.
                    const float value = static_cast<float>(coordinate) / 2.0f;
                    AppendLittleEndian(std::bit_cast<std::uint32_t>(value), out);
                }
                AppendLittleEndian(vertex.colour, out);
            }
        }
    }
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace ondrel::levelgen
