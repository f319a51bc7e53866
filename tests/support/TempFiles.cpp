#include "tests/support/TempFiles.h"

#include <bit>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ondrel::testing {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ondrel-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(std::string_view name, std::string_view bytes) const {
    const auto file = File(name);
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::filesystem::path TempFolder::WriteLines(std::string_view name,
                                             std::initializer_list<std::string_view> lines) const {
    std::string text;
    for (auto line : lines) {
        text += line;
        text += '\n';
    }
    return Write(name, text);
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

BinaryLevel& BinaryLevel::Word(std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) data_ += static_cast<char>((word >> shift) & 0xFF);
    return *this;
}

BinaryLevel& BinaryLevel::Count(std::int32_t triangles) {
    return Word(static_cast<std::uint32_t>(triangles));
}

BinaryLevel& BinaryLevel::Vertex(float x, float y, float z, std::uint32_t colour) {
    return Word(std::bit_cast<std::uint32_t>(x))
        .Word(std::bit_cast<std::uint32_t>(y))
        .Word(std::bit_cast<std::uint32_t>(z))
        .Word(colour);
}

BinaryLevel& BinaryLevel::Bytes(std::string_view raw) {
    data_ += raw;
    return *this;
}

}  // namespace ondrel::testing
