// Reading a level export, text or binary, into the level's source list.

#include <bit>
#include <cstring>
#include <string>

#include "level/FileReader.h"
#include "level/LevelData.h"
#include "level/NumberText.h"
#include "level/TextLine.h"
#include "unicode/Utf16ToUtf8.h"

namespace ondrel {
namespace {

// File coordinates are a tenth of a level unit, and the x axis is mirrored.
constexpr float kFileUnitsPerLevelUnit = 10.0f;

float ToLevelX(float fileValue) { return -(fileValue / kFileUnitsPerLevelUnit); }
float ToLevelYZ(float fileValue) { return fileValue / kFileUnitsPerLevelUnit; }

// Coordinates a group announces: 9 per triangle, in 32-bit arithmetic that
// wraps as the export tool's reader always has.
std::int32_t CoordinateCount(std::int32_t triangles) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(triangles) * 9u);
}

LevelVertex PendingVertex(float x, float y, float z, std::uint32_t colour) {
    return LevelVertex{x, y, z, 1.0f, 1.0f, 1.0f, colour};
}

std::uint32_t LittleEndianWord(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

// One little-endian 32-bit word; false when the file ends before all four
// bytes are there.
bool ReadWord(FileReader& file, std::uint32_t& word) {
    std::uint8_t bytes[4];
    if (file.Read(bytes, 4) != 4) return false;
    word = LittleEndianWord(bytes);
    return true;
}

}  // namespace

bool LevelData::Import(std::u16string_view path, bool binary) {
    return Import(std::filesystem::path(unicode::Utf16ToUtf8(path)), binary);
}

bool LevelData::Import(const std::filesystem::path& path, bool binary) {
    std::lock_guard guard(lock);
    Reset();
    FileReader file;
    if (!file.Open(path)) return false;
    return ImportOpened(file, binary);
}

bool LevelData::Import(FileReader& file, bool binary) {
    std::lock_guard guard(lock);
    Reset();
    return ImportOpened(file, binary);
}

bool LevelData::ImportOpened(FileReader& file, bool binary) {
    if (binary) {
        ImportBinary(file);
    } else {
        ImportText(file);
    }
    ComputeFlatNormals(sourceVertices.get(), sourceCount);

    bool filled = false;
    sourceBuffer = UploadRecords(sourceVertices.get(), sourceCount, &filled);
    return filled;
}

void LevelData::ImportText(FileReader& file) {
    SkipByteOrderMark(file);
    std::string line;
    auto nextLine = [&] { return ReadTextLine(file, line); };
    auto text = [&] { return std::string_view(line); };
    float x = 0.0f, y = 0.0f, z = 0.0f;
    while (nextLine()) {
        const std::int32_t coordinates = CoordinateCount(ParseInteger(text()));
        for (std::int32_t i = 0; i < coordinates; ++i) {
            if (!nextLine()) break;  // the group is abandoned
            const float value = static_cast<float>(ParseDecimal(text()));
            switch (i % 3) {
                case 0: x = ToLevelX(value); break;
                case 1: y = ToLevelYZ(value); break;
                default: {
                    z = ToLevelYZ(value);
                    if (!nextLine()) break;  // vertex dropped
                    const auto colour = static_cast<std::uint32_t>(ParseInteger(text()));
                    AppendSourceVertex(PendingVertex(x, y, z, colour));
                }
            }
        }
    }
}

void LevelData::ImportBinary(FileReader& file) {
    std::uint32_t word = 0;
    // A file that ends anywhere, at a count or inside a group, ends the data
    // there; a vertex it cuts short is not stored.
    while (ReadWord(file, word) && word != 0) {
        const std::int32_t coordinates = CoordinateCount(static_cast<std::int32_t>(word));
        float position[3] = {0.0f, 0.0f, 0.0f};
        for (std::int32_t i = 0; i < coordinates; ++i) {
            if (!ReadWord(file, word)) return;
            const float value = std::bit_cast<float>(word);
            const int axis = i % 3;
            position[axis] = axis == 0 ? ToLevelX(value) : ToLevelYZ(value);
            if (axis == 2) {
                if (!ReadWord(file, word)) return;
                AppendSourceVertex(PendingVertex(position[0], position[1], position[2], word));
            }
        }
    }
}

}  // namespace ondrel
