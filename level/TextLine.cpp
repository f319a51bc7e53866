#include "level/TextLine.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "level/FileReader.h"

namespace ondrel {
namespace {

bool IsKept(std::uint8_t byte) { return byte > 0x20 || byte == '\t'; }

// Appends the kept bytes of `bytes[0, count)` to `line`.
void AppendKept(std::string& line, const std::uint8_t* bytes, std::size_t count) {
    const std::size_t before = line.size();
    line.resize(before + count);
    char* out = line.data() + before;
    for (std::size_t i = 0; i < count; ++i) {
        if (IsKept(bytes[i])) *out++ = static_cast<char>(bytes[i]);
    }
    line.resize(static_cast<std::size_t>(out - line.data()));
}

constexpr std::string_view kByteOrderMarks[] = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};

}  // namespace

bool ReadTextLine(FileReader& file, std::string& line) {
    line.clear();
    for (;;) {
        std::size_t available = 0;
        const std::uint8_t* bytes = file.Available(available);
        if (available == 0) break;
        const void* feed = std::memchr(bytes, '\n', available);
        const std::size_t length =
            feed == nullptr ? available : static_cast<std::size_t>(static_cast<const std::uint8_t*>(feed) - bytes);
        AppendKept(line, bytes, length);
        if (feed != nullptr) {
            file.Consume(length + 1);
            break;
        }
        file.Consume(length);
    }
    return !line.empty();
}

void SkipByteOrderMark(FileReader& file) {
    std::size_t available = 0;
    const std::uint8_t* bytes = file.Available(available);
    // A regular file delivers its first bytes in one read, so a mark is
    // never split across two.
    const std::string_view start(reinterpret_cast<const char*>(bytes), bytes == nullptr ? 0 : available);
    for (const std::string_view mark : kByteOrderMarks) {
        if (start.starts_with(mark)) {
            file.Consume(mark.size());
            return;
        }
    }
}

}  // namespace ondrel
