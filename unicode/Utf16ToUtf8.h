#pragma once
// The one rule for turning UTF-16 text (the user interface's paths and
// names) into the bytes the file system takes.

#include <string>
#include <string_view>

namespace ondrel::unicode {

// UTF-8 for well-formed text. A lone surrogate is written as its own
// three-byte form (the generalised UTF-8 some systems call WTF-8) instead of
// being replaced, so two different names never become the same file and no
// input makes the conversion fail.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace ondrel::unicode
