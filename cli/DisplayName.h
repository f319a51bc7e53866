#pragma once
// File names as the converter prints them. A name with control characters
// (a line feed, an escape sequence) would break the one line per file that
// scripts read, or drive the terminal; such a name is shown in double
// quotes with C-style escapes. Every other name is shown as it is.

#include <string>

namespace ondrel::cli {

std::string DisplayName(const std::string& name);

}  // namespace ondrel::cli
