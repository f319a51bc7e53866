#pragma once
// A conversion parameter read from the text a user typed, the way the
// viewer's parameter fields read it: decimal text as the C runtime's atof
// takes it (leading white space, sign, digits, fraction, exponent; trailing
// rubbish ignored; no number gives 0), rounded to float and floored at 0.1.

#include <optional>
#include <string_view>

namespace ondrel::conversion {

// A code unit above 0x7F ends the number: the viewer narrows its text to
// 8 bits, and letting, say, U+0131 pass as the digit '1' it narrows to would
// read a number the user never typed. `floored` (if given) tells whether
// the floor replaced the value.
float ReadFactor(std::u16string_view text, bool* floored = nullptr);

// The converter's stricter rule for an option value: the whole text must be
// one finite decimal number (optional sign, digits with an optional
// fraction, optional exponent; nothing before or after). Anything else,
// "abc", "5abc", "inf", "0x10", an empty text or "1e400", is no value at
// all. A number is rounded to float and floored at 0.1 as ReadFactor does.
std::optional<float> ReadExactFactor(std::string_view text, bool* floored = nullptr);

}  // namespace ondrel::conversion
