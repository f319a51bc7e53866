#include "level/TextLine.h"

#include "level/FileReader.h"

#include <algorithm>
#include <cstdint>

namespace ondrel {

std::size_t ReadTextLine(FileReader& file, char* buffer, std::size_t size) {
    const std::size_t limit = size - 1;
    std::size_t kept = 0;
    std::size_t consumed = 0;
    while (consumed < limit) {
        std::size_t available = 0;
        const std::uint8_t* bytes = file.Available(available);
        if (available == 0) break;
        const std::size_t scan = std::min(available, limit - consumed);
        std::size_t i = 0;
        for (; i < scan; ++i) {
            const std::uint8_t byte = bytes[i];
            if (byte == '\n') {
                file.Consume(i + 1);
                buffer[kept] = '\0';
                return kept;
            }
            if (byte > 0x20 || byte == '\t') buffer[kept++] = static_cast<char>(byte);
        }
        file.Consume(i);
        consumed += i;
    }
    buffer[kept] = '\0';
    return kept;
}

}  // namespace ondrel
