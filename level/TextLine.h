#pragma once
// One line of a text level file, as the export tool's reader has always
// seen it: at most 63 bytes are consumed per call, and only bytes above
// 0x20 and tabs are kept, so spaces and carriage returns vanish.

#include <cstddef>

namespace ondrel {

class FileReader;

inline constexpr std::size_t kTextLineBufferSize = 64;

// Fills `buffer` (of `size` bytes, always 64 in practice) with the kept
// bytes of the next line, zero-terminated. Stops after a line feed (consumed,
// not kept), at the end of the file, or after size - 1 other bytes were
// consumed. Answers how many bytes were kept: the line was read when that
// is not zero.
std::size_t ReadTextLine(FileReader& file, char* buffer, std::size_t size);

}  // namespace ondrel
