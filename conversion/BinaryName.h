#pragma once
// Which level files are read as binary: exactly those whose name ends in
// ".bin", compared case-sensitively over the last four characters, as the
// viewer's import decides. "LEVEL.BIN" is therefore read as text.

#include <string_view>

namespace ondrel::conversion {

bool IsBinaryName(std::u16string_view path);
bool IsBinaryName(std::string_view path);

}  // namespace ondrel::conversion
