#include "level/NumberText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace ondrel {
namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// Length of the longest prefix of `text` that reads as an unsigned decimal
// number with optional fraction and exponent; 0 when there is none.
std::size_t DecimalPrefixLength(std::string_view text) {
    std::size_t i = SkipDigits(text, 0);
    std::size_t digits = i;
    if (i < text.size() && text[i] == '.') {
        std::size_t afterPoint = SkipDigits(text, i + 1);
        digits += afterPoint - (i + 1);
        i = afterPoint;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        std::size_t afterExponent = SkipDigits(text, e);
        if (afterExponent > e) i = afterExponent;
    }
    return i;
}

// The rare out-of-range case (overflow to infinity, underflow towards zero):
// the C library gives the runtime's exact answer; the C locale keeps the
// decimal point a full stop whatever the process locale is.
double ParseOutOfRange(std::string_view number) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    std::string copy(number);
    return strtod_l(copy.c_str(), nullptr, cLocale);
}

}  // namespace

std::int32_t ParseInteger(std::string_view text) {
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

double ParseDecimal(std::string_view text) {
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);
    std::size_t length = DecimalPrefixLength(rest);
    if (length == 0) return 0.0;
    std::string_view number = rest.substr(0, length);

    double value = 0.0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (error == std::errc::result_out_of_range || end != number.data() + number.size()) {
        value = ParseOutOfRange(number);
    }
    return negative ? -value : value;
}

}  // namespace ondrel
