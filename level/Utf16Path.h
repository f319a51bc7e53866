#pragma once
// User-facing paths arrive as UTF-16; the file system takes bytes.

#include <filesystem>
#include <string_view>

namespace ondrel {

// UTF-8 for well-formed text; a lone surrogate is kept as its three-byte
// form rather than lost, so no input can make the conversion fail.
std::filesystem::path PathFromUtf16(std::u16string_view text);

}  // namespace ondrel
