#include "gfxutil/Utf16.h"

#include "platform/win32/TextConvert.h"

namespace gfxutil {

std::string ToUtf8(std::u16string_view text) { return ondrel::platform::Utf16ToDisplayUtf8(text); }

std::size_t Utf16Length(const char16_t* text, int count) {
    if (text == nullptr) {
        return 0;
    }
    if (count >= 0) {
        return static_cast<std::size_t>(count);
    }
    std::size_t n = 0;
    while (text[n] != 0) {
        ++n;
    }
    return n;
}

}  // namespace gfxutil
