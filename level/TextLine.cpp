#include "level/TextLine.h"

#include "level/FileReader.h"

namespace ondrel {

bool ReadTextLine(FileReader& file, char* buffer, std::size_t size) {
    std::size_t kept = 0;
    for (std::size_t consumed = 0; consumed + 1 < size; ++consumed) {
        int byte = file.ReadByte();
        if (byte < 0 || byte == '\n') break;
        if (byte > 0x20 || byte == '\t') buffer[kept++] = static_cast<char>(byte);
    }
    buffer[kept] = '\0';
    return kept > 0;
}

}  // namespace ondrel
