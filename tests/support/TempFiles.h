#pragma once
// Scratch files for tests: every test gets its own folder, removed after.

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ondrel::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path File(std::string_view name) const { return path_ / name; }

    // Writes bytes as they are (no line-end translation).
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;
    std::filesystem::path WriteLines(std::string_view name,
                                     std::initializer_list<std::string_view> lines) const;

private:
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::filesystem::path& path);

// Builds a binary level export: little-endian 32-bit words.
class BinaryLevel {
public:
    BinaryLevel& Count(std::int32_t triangles);
    BinaryLevel& Vertex(float x, float y, float z, std::uint32_t colour);
    BinaryLevel& Word(std::uint32_t word);
    BinaryLevel& Bytes(std::string_view raw);
    const std::string& Data() const { return data_; }

private:
    std::string data_;
};

}  // namespace ondrel::testing
