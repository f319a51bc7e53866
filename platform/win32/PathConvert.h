#pragma once
// Paths between the Win32-shaped layer (UTF-16, either separator) and the
// operating system (UTF-8, '/').

#include <filesystem>
#include <string>
#include <string_view>

namespace ondrel::platform {

std::filesystem::path ToNativePath(std::u16string_view path);
std::u16string FromNativePath(const std::filesystem::path& path);
// The program's own file, or empty when it cannot be found.
std::filesystem::path ProgramPath();

}  // namespace ondrel::platform
