#pragma once
// Conversions at the edge between the UTF-16 text of the Win32-shaped layer
// and the UTF-8 of SDL, GTK and fontconfig, which take only well-formed
// text: unpaired surrogates and malformed bytes become U+FFFD. Paths are not
// text for display: they go through PathConvert.h, which keeps every name
// apart (ondrel_unicode's rule).

#include <string>
#include <string_view>

#include "platform/win32/WinTypes.h"

namespace ondrel::platform {

std::string Utf16ToDisplayUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);
// Like Utf8ToUtf16, but the three-byte forms of unpaired surrogates that
// ondrel_unicode writes for such names come back as those surrogates, so a
// name read from the file system is the name that was written.
std::u16string NativeUtf8ToUtf16(std::string_view text);
// A terminated UTF-16 string; null reads as empty.
std::u16string FromWide(LPCWSTR text);
// Copies text into a buffer of capacity units, truncating and always
// terminating when capacity > 0. Returns the units copied (no terminator).
std::size_t CopyToBuffer(std::u16string_view text, LPWSTR buffer, std::size_t capacity);

}  // namespace ondrel::platform
