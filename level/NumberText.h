#pragma once
// Numbers in level files and parameter fields follow the C runtime's text
// conventions, but never the process locale: leading white space, an optional
// sign, decimal digits. Hexadecimal and the words "inf" and "nan" are not
// numbers here.

#include <cstdint>
#include <string_view>

namespace ondrel {

// Decimal integer with 32-bit wrap-around; no leading digits gives 0.
std::int32_t ParseInteger(std::string_view text);

// Decimal floating point (fraction and exponent optional), correctly rounded
// to double; stops at the first character that does not fit, gives 0 when no
// number starts the text, and +-infinity when the magnitude overflows.
double ParseDecimal(std::string_view text);

}  // namespace ondrel
