#pragma once
// UTF-16 text of the Win32-shaped API as the well-formed UTF-8 fontconfig
// takes. File paths go through platform/win32/PathConvert.h instead.

#include <cstddef>
#include <string>
#include <string_view>

namespace gfxutil {

std::string ToUtf8(std::u16string_view text);

// Length of a zero-terminated UTF-16 string when count is negative, else count.
std::size_t Utf16Length(const char16_t* text, int count);

}  // namespace gfxutil
