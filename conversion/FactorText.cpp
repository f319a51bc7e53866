#include "conversion/FactorText.h"

#include <cmath>
#include <string>

#include "level/NumberText.h"
#include "mapexport/ConversionParameters.h"

namespace ondrel::conversion {
namespace {

// The text up to the first code unit that has no single-byte meaning.
std::string AsciiPrefix(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        if (unit > 0x7F) break;
        bytes += static_cast<char>(unit);
    }
    return bytes;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// [+-] digits [. digits] [e [+-] digits], at least one digit before the
// exponent, and the exponent only with digits of its own.
bool IsWholeDecimal(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t integerEnd = SkipDigits(text, i);
    std::size_t digits = integerEnd - i;
    i = integerEnd;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, i + 1);
        digits += fractionEnd - (i + 1);
        i = fractionEnd;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t exponent = i + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd == exponent) return false;
        i = exponentEnd;
    }
    return i == text.size();
}

}  // namespace

std::optional<float> ReadExactFactor(std::string_view text, bool* floored) {
    if (!IsWholeDecimal(text)) return std::nullopt;
    const double value = ParseDecimal(text);
    if (!std::isfinite(value)) return std::nullopt;
    const float usable = FloorFactor(static_cast<float>(value));
    if (floored != nullptr) *floored = usable != static_cast<float>(value);
    return usable;
}

float ReadFactor(std::u16string_view text, bool* floored) {
    const float value = static_cast<float>(ParseDecimal(AsciiPrefix(text)));
    const float usable = FloorFactor(value);
    if (floored != nullptr) *floored = usable != value;
    return usable;
}

}  // namespace ondrel::conversion
