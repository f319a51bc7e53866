#include "platform/win32/TextConvert.h"

#include <algorithm>

namespace ondrel::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Decodes one UTF-8 sequence at text[i], advancing i. With keepSurrogates a
// surrogate's three-byte form decodes to that surrogate.
char32_t DecodeUtf8(std::string_view text, std::size_t& i, bool keepSurrogates) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i++);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80) return kReplacement;
        c = (c << 6) | (byte(i++) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF) return kReplacement;
    if (c >= 0xD800 && c <= 0xDFFF && !keepSurrogates) return kReplacement;
    return c;
}

}  // namespace

std::string Utf16ToDisplayUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            char32_t c = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            AppendUtf8(out, c);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

namespace {

std::u16string Decode(std::string_view text, bool keepSurrogates) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) AppendUtf16(out, DecodeUtf8(text, i, keepSurrogates));
    return out;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) { return Decode(text, false); }

std::u16string NativeUtf8ToUtf16(std::string_view text) { return Decode(text, true); }

std::u16string FromWide(LPCWSTR text) { return text ? std::u16string(text) : std::u16string(); }

std::size_t CopyToBuffer(std::u16string_view text, LPWSTR buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) return 0;
    std::size_t count = std::min(text.size(), capacity - 1);
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = u'\0';
    return count;
}

}  // namespace ondrel::platform
