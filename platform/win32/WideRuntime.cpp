#include "platform/win32/WideRuntime.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/win32/TextConvert.h"
#include "platform/win32/WinError.h"

namespace {

constexpr int kCutShort = 34;

struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    char type = 0;
    bool longLong = false;
    bool longOrShort = false;
};

class WideWriter {
public:
    WideWriter(WCHAR* buffer, std::size_t capacity) : buffer_(buffer), capacity_(capacity) {}
    void Put(char16_t unit) {
        if (length_ + 1 < capacity_) buffer_[length_++] = unit;
        else truncated_ = true;
    }
    void PutNarrow(std::string_view text) {
        for (char c : text) Put(static_cast<unsigned char>(c));
    }
    void Padding(int count, char16_t unit) {
        for (int i = 0; i < count; ++i) Put(unit);
    }
    int Finish() {
        if (capacity_ > 0) buffer_[length_] = u'\0';
        return truncated_ ? -1 : static_cast<int>(length_);
    }

private:
    WCHAR* buffer_;
    std::size_t capacity_;
    std::size_t length_ = 0;
    bool truncated_ = false;
};

bool IsFlag(char16_t c) { return c == u'-' || c == u'+' || c == u' ' || c == u'#' || c == u'0'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int ReadCount(LPCWSTR& cursor, std::va_list& arguments) {
    if (*cursor == u'*') {
        ++cursor;
        return va_arg(arguments, int);
    }
    int value = 0;
    while (IsDigit(*cursor)) value = value * 10 + (*cursor++ - u'0');
    return value;
}

Conversion ReadConversion(LPCWSTR& cursor, std::va_list& arguments) {
    Conversion conversion;
    while (IsFlag(*cursor)) conversion.flags += static_cast<char>(*cursor++);
    if (*cursor == u'*' || IsDigit(*cursor)) conversion.width = ReadCount(cursor, arguments);
    if (*cursor == u'.') {
        ++cursor;
        conversion.precision = ReadCount(cursor, arguments);
        if (conversion.precision < 0) conversion.precision = -1;
    }
    while (*cursor == u'l' || *cursor == u'h' || *cursor == u'z' || *cursor == u'I') {
        if (*cursor == u'l' && cursor[1] == u'l') {
            conversion.longLong = true;
            ++cursor;
        } else if (*cursor == u'z') {
            conversion.longLong = true;
        } else {
            conversion.longOrShort = true;
        }
        ++cursor;
    }
    if (conversion.width < 0 && conversion.width != -1) {
        conversion.flags += '-';
        conversion.width = -conversion.width;
    }
    conversion.type = static_cast<char>(*cursor);
    if (*cursor != u'\0') ++cursor;
    return conversion;
}

std::string NarrowDirective(const Conversion& conversion, const char* length) {
    std::string directive = "%" + conversion.flags;
    if (conversion.width >= 0) directive += std::to_string(conversion.width);
    if (conversion.precision >= 0) directive += "." + std::to_string(conversion.precision);
    directive += length;
    directive += conversion.type;
    return directive;
}

template <class T>
void WriteNumber(WideWriter& out, const Conversion& conversion, const char* length, T value) {
    std::string directive = NarrowDirective(conversion, length);
    char text[512];
    int written = std::snprintf(text, sizeof text, directive.c_str(), value);
    if (written > 0) out.PutNarrow(std::string_view(text, std::min<std::size_t>(written, sizeof text - 1)));
}

// Floating point through to_chars: snprintf would write the process
// locale's decimal comma.
void WriteDecimal(WideWriter& out, const Conversion& conversion, double value) {
    char lower = static_cast<char>(conversion.type | 0x20);
    std::chars_format format = lower == 'f'   ? std::chars_format::fixed
                               : lower == 'e' ? std::chars_format::scientific
                                              : std::chars_format::general;
    int precision = conversion.precision >= 0 ? conversion.precision : 6;
    if (lower == 'g' && precision == 0) precision = 1;
    char digits[400];
    std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value, format, precision);
    std::string text(digits, written.ptr);
    if (conversion.type >= 'A' && conversion.type <= 'Z') {
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    // printf writes at least two exponent digits.
    if (std::size_t e = text.find_first_of("eE"); e != std::string::npos && text.size() - e == 3) {
        text.insert(e + 2, "0");
    }
    bool negative = !text.empty() && text[0] == '-';
    std::string sign = negative ? "-" : conversion.flags.find('+') != std::string::npos ? "+"
                                      : conversion.flags.find(' ') != std::string::npos ? " " : "";
    if (negative) text.erase(0, 1);
    int padding = std::max(0, conversion.width - static_cast<int>(sign.size() + text.size()));
    bool left = conversion.flags.find('-') != std::string::npos;
    bool zeros = !left && conversion.flags.find('0') != std::string::npos;
    if (!left && !zeros) out.Padding(padding, u' ');
    out.PutNarrow(sign);
    if (zeros) out.Padding(padding, u'0');
    out.PutNarrow(text);
    if (left) out.Padding(padding, u' ');
}

void WriteWide(WideWriter& out, const Conversion& conversion, std::u16string_view text) {
    if (conversion.precision >= 0 && text.size() > static_cast<std::size_t>(conversion.precision)) {
        text = text.substr(0, static_cast<std::size_t>(conversion.precision));
    }
    int padding = conversion.width > static_cast<int>(text.size()) ? conversion.width - static_cast<int>(text.size()) : 0;
    bool left = conversion.flags.find('-') != std::string::npos;
    if (!left) out.Padding(padding, u' ');
    for (char16_t c : text) out.Put(c);
    if (left) out.Padding(padding, u' ');
}

void WriteConversion(WideWriter& out, const Conversion& conversion, std::va_list& arguments) {
    switch (conversion.type) {
        case 'd':
        case 'i':
            if (conversion.longLong) WriteNumber(out, conversion, "ll", va_arg(arguments, long long));
            else WriteNumber(out, conversion, "", va_arg(arguments, int));
            break;
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            if (conversion.longLong) WriteNumber(out, conversion, "ll", va_arg(arguments, unsigned long long));
            else WriteNumber(out, conversion, "", va_arg(arguments, unsigned int));
            break;
        case 'f':
        case 'F':
        case 'g':
        case 'G':
        case 'e':
        case 'E':
            WriteDecimal(out, conversion, va_arg(arguments, double));
            break;
        case 'p':
            WriteNumber(out, conversion, "", va_arg(arguments, void*));
            break;
        case 'c': {
            char16_t unit = static_cast<char16_t>(va_arg(arguments, int));
            WriteWide(out, conversion, std::u16string_view(&unit, 1));
            break;
        }
        case 's': {
            LPCWSTR text = va_arg(arguments, LPCWSTR);
            WriteWide(out, conversion, text != nullptr ? std::u16string_view(text) : std::u16string_view(u"(null)"));
            break;
        }
        case '%':
            out.Put(u'%');
            break;
        default:
            break;  // an unknown conversion writes nothing
    }
}

std::string AsciiPrefix(LPCWSTR text, std::size_t limit) {
    std::string ascii;
    for (std::size_t i = 0; text[i] != u'\0' && i < limit && text[i] < 0x80; ++i) ascii += static_cast<char>(text[i]);
    return ascii;
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    return i;
}

char16_t FoldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

}  // namespace

std::size_t lstrlenW(LPCWSTR text) { return text == nullptr ? 0 : std::u16string_view(text).size(); }

int vswprintf_s(WCHAR* buffer, std::size_t capacity, LPCWSTR format, std::va_list arguments) {
    if (buffer == nullptr || capacity == 0) return -1;
    WideWriter out(buffer, capacity);
    std::va_list copy;
    va_copy(copy, arguments);
    for (LPCWSTR cursor = format != nullptr ? format : u""; *cursor != u'\0';) {
        if (*cursor != u'%') {
            out.Put(*cursor++);
            continue;
        }
        ++cursor;
        WriteConversion(out, ReadConversion(cursor, copy), copy);
    }
    va_end(copy);
    return out.Finish();
}

int swprintf_s(WCHAR* buffer, std::size_t capacity, LPCWSTR format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    int result = vswprintf_s(buffer, capacity, format, arguments);
    va_end(arguments);
    return result;
}

int wcsncpy_s(WCHAR* destination, std::size_t capacity, LPCWSTR source, std::size_t count) {
    if (destination == nullptr || capacity == 0) return kCutShort;
    std::u16string_view text = source != nullptr ? std::u16string_view(source) : std::u16string_view();
    if (text.size() > count) text = text.substr(0, count);
    std::size_t copied = ondrel::platform::CopyToBuffer(text, destination, capacity);
    return copied < text.size() ? kCutShort : 0;
}

int wcscpy_s(WCHAR* destination, std::size_t capacity, LPCWSTR source) {
    return wcsncpy_s(destination, capacity, source, static_cast<std::size_t>(-1));
}

int wcscat_s(WCHAR* destination, std::size_t capacity, LPCWSTR source) {
    if (destination == nullptr || capacity == 0) return kCutShort;
    std::size_t length = lstrlenW(destination);
    if (length >= capacity) return kCutShort;
    return wcscpy_s(destination + length, capacity - length, source);
}

int _wcsnicmp(LPCWSTR a, LPCWSTR b, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        char16_t left = FoldAscii(a[i]);
        char16_t right = FoldAscii(b[i]);
        if (left != right) return left < right ? -1 : 1;
        if (left == u'\0') return 0;
    }
    return 0;
}

int _wcsicmp(LPCWSTR a, LPCWSTR b) { return _wcsnicmp(a, b, static_cast<std::size_t>(-1)); }

int _wtoi(LPCWSTR text) {
    if (text == nullptr) return 0;
    std::string ascii = AsciiPrefix(text, 4096);
    std::size_t i = SkipBlanks(ascii);
    bool negative = false;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
    std::uint32_t value = 0;  // wraps around like the core's reader
    for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i) value = value * 10u + (ascii[i] - '0');
    return static_cast<int>(negative ? 0u - value : value);
}

double _wtof(LPCWSTR text) {
    if (text == nullptr) return 0.0;
    std::string ascii = AsciiPrefix(text, 4096);
    std::size_t i = SkipBlanks(ascii);
    bool negative = false;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
    // Only digits, a point and an exponent make a number here: no "inf",
    // "nan" or hexadecimal, which from_chars would otherwise take.
    if (i >= ascii.size() || !((ascii[i] >= '0' && ascii[i] <= '9') || ascii[i] == '.')) return 0.0;
    double value = 0.0;
    std::from_chars_result result = std::from_chars(ascii.data() + i, ascii.data() + ascii.size(), value,
                                                    std::chars_format::general);
    if (result.ec == std::errc::invalid_argument) return 0.0;
    return negative ? -value : value;
}

int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR text, int count, LPWSTR output, int outputSize) {
    if (text == nullptr || (codePage != CP_ACP && codePage != CP_UTF8) || outputSize < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string_view input = count < 0 ? std::string_view(text, std::strlen(text) + 1)
                                        : std::string_view(text, static_cast<std::size_t>(count));
    std::u16string wide = ondrel::platform::Utf8ToUtf16(input);
    if (outputSize == 0) return static_cast<int>(wide.size());
    if (output == nullptr || wide.size() > static_cast<std::size_t>(outputSize)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(output, wide.data(), wide.size() * sizeof(char16_t));
    return static_cast<int>(wide.size());
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR text, int count, LPSTR output, int outputSize, LPCSTR,
                        BOOL* usedDefaultChar) {
    if (text == nullptr || (codePage != CP_ACP && codePage != CP_UTF8) || outputSize < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (usedDefaultChar != nullptr) *usedDefaultChar = FALSE;
    std::u16string_view input = count < 0 ? std::u16string_view(text, lstrlenW(text) + 1)
                                          : std::u16string_view(text, static_cast<std::size_t>(count));
    std::string narrow = ondrel::platform::Utf16ToDisplayUtf8(input);
    if (outputSize == 0) return static_cast<int>(narrow.size());
    if (output == nullptr || narrow.size() > static_cast<std::size_t>(outputSize)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(output, narrow.data(), narrow.size());
    return static_cast<int>(narrow.size());
}
