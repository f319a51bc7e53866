#include "conversion/FactorText.h"

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

}  // namespace

float ReadFactor(std::u16string_view text, bool* floored) {
    const float value = static_cast<float>(ParseDecimal(AsciiPrefix(text)));
    const float usable = FloorFactor(value);
    if (floored != nullptr) *floored = usable != value;
    return usable;
}

}  // namespace ondrel::conversion
