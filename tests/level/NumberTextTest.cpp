#include "level/NumberText.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>
#include <gtest/gtest.h>

namespace ondrel::testing {
namespace {

TEST(ParseInteger, ReadsLeadingDecimalDigitsWithSign) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("\t-17"), -17);
    EXPECT_EQ(ParseInteger("+8"), 8);
    EXPECT_EQ(ParseInteger("12abc"), 12);
    EXPECT_EQ(ParseInteger("3.9"), 3);
}

TEST(ParseInteger, TextWithoutLeadingDigitsIsZero) {
    EXPECT_EQ(ParseInteger(""), 0);
    EXPECT_EQ(ParseInteger("Level"), 0);
    EXPECT_EQ(ParseInteger("-"), 0);
    EXPECT_EQ(ParseInteger("0x1F"), 0);
}

TEST(ParseInteger, WrapsModuloTwoToThe32) {
    EXPECT_EQ(static_cast<std::uint32_t>(ParseInteger("4294967295")), 0xFFFFFFFFu);
    EXPECT_EQ(static_cast<std::uint32_t>(ParseInteger("-1")), 0xFFFFFFFFu);
    EXPECT_EQ(ParseInteger("4294967296"), 0);
    EXPECT_EQ(ParseInteger("2147483648"), -2147483647 - 1);
    EXPECT_EQ(static_cast<std::uint32_t>(ParseInteger("99999999999")), 1215752191u);
}

TEST(ParseDecimal, FollowsTheCRuntimeDecimalForms) {
    EXPECT_EQ(ParseDecimal("12.5"), 12.5);
    EXPECT_EQ(ParseDecimal("\t-0.25"), -0.25);
    EXPECT_EQ(ParseDecimal("+3.25e+2x"), 325.0);
    EXPECT_EQ(ParseDecimal(".5"), 0.5);
    EXPECT_EQ(ParseDecimal("5."), 5.0);
    EXPECT_EQ(ParseDecimal("1e"), 1.0);
    EXPECT_EQ(ParseDecimal("2E-1"), 0.2);
    EXPECT_EQ(ParseDecimal("12abc"), 12.0);
    EXPECT_EQ(ParseDecimal("0.1"), 0.1);
}

TEST(ParseDecimal, NoNumberGivesZero) {
    EXPECT_EQ(ParseDecimal(""), 0.0);
    EXPECT_EQ(ParseDecimal("."), 0.0);
    EXPECT_EQ(ParseDecimal("-"), 0.0);
    EXPECT_EQ(ParseDecimal("e5"), 0.0);
}

TEST(ParseDecimal, NeitherHexNorWordsAreNumbers) {
    EXPECT_EQ(ParseDecimal("0x10"), 0.0);
    EXPECT_EQ(ParseDecimal("inf"), 0.0);
    EXPECT_EQ(ParseDecimal("nan"), 0.0);
    EXPECT_EQ(ParseDecimal("-infinity"), 0.0);
}

TEST(ParseDecimal, OverflowIsInfiniteAndUnderflowIsZero) {
    EXPECT_EQ(ParseDecimal("1e400"), HUGE_VAL);
    EXPECT_EQ(ParseDecimal("-1e400"), -HUGE_VAL);
    EXPECT_EQ(ParseDecimal("1e-400"), 0.0);
    EXPECT_EQ(ParseDecimal("4.9e-324"), 4.9406564584124654e-324);
}

TEST(ParseDecimal, IgnoresTheProcessLocale) {
    // Under a locale with a decimal comma the C library reads "2.5" as 2;
    // level files must read the same whatever the process locale is.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma could be built";
    }
    ASSERT_EQ(std::strtod("2.5", nullptr), 2.0) << "the locale does not use a decimal comma";
    EXPECT_EQ(ParseDecimal("2.5"), 2.5);
    EXPECT_EQ(ParseDecimal("1e400"), HUGE_VAL);
    // The out-of-range paths with a point in the mantissa, which the locale
    // would otherwise cut at the point.
    EXPECT_EQ(ParseDecimal("1.5e400"), HUGE_VAL);
    EXPECT_EQ(ParseDecimal("2.5e-400"), 0.0);
    EXPECT_EQ(ParseDecimal("-7.25e-1"), -0.725);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseDecimal, RoundsCorrectlyToDouble) {
    // The halfway case between two doubles rounds to even.
    EXPECT_EQ(ParseDecimal("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(ParseDecimal("0.30000000000000004"), 0.30000000000000004);
}

}  // namespace
}  // namespace ondrel::testing
