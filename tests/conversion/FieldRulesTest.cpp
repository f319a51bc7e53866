// The two rules the converter shares with the viewer's panel: which names
// are binary, and how a typed parameter becomes a number.

#include <gtest/gtest.h>

#include <limits>

#include "conversion/BinaryName.h"
#include "conversion/FactorText.h"

namespace ondrel::testing {
namespace {

using conversion::IsBinaryName;
using conversion::ReadFactor;

TEST(BinaryName, IsCaseSensitiveOverTheLastFourCharacters) {
    for (std::u16string_view name : {u"level.bin", u"dir.txt/x.bin", u".bin", u"\u00E9.bin"}) {
        EXPECT_TRUE(IsBinaryName(name));
    }
    for (std::u16string_view name : {u"LEVEL.BIN", u"level.Bin", u"level.bin.txt", u"bin", u""}) {
        EXPECT_FALSE(IsBinaryName(name));
    }
    EXPECT_TRUE(IsBinaryName("level.bin"));
    EXPECT_FALSE(IsBinaryName("level.BIN"));
    EXPECT_FALSE(IsBinaryName("in"));
}

TEST(FactorText, ReadsLikeTheRuntimeAndFloorsAtOneTenth) {
    struct Case {
        std::u16string_view text;
        float value;
        bool floored;
    };
    const Case cases[] = {{u"", 0.1f, true},          {u"0.09", 0.1f, true},
                          {u"-5", 0.1f, true},        {u"1e-3", 0.1f, true},
                          {u"abc", 0.1f, true},       {u".", 0.1f, true},
                          {u"0.1", 0.1f, false},      {u"12", 12.0f, false},
                          {u"12abc", 12.0f, false},   {u" \t7", 7.0f, false},
                          {u"+2.5e1", 25.0f, false},  {u"1e400", std::numeric_limits<float>::infinity(), false},
                          {u"0x10", 0.1f, true},      {u"inf", 0.1f, true}};
    for (const Case& c : cases) {
        bool floored = false;
        EXPECT_EQ(ReadFactor(c.text, &floored), c.value) << c.value;
        EXPECT_EQ(floored, c.floored) << c.value;
    }
}

// Kept to their low bytes, U+0131 and U+0135 would be '1' and '5', and
// U+2035 '5': digits the user never typed.
TEST(FactorText, ACodeUnitAboveAsciiEndsTheNumber) {
    EXPECT_EQ(ReadFactor(u"2\u01312"), 2.0f);
    EXPECT_EQ(ReadFactor(u"\u0131\u0135"), 0.1f);
    EXPECT_EQ(ReadFactor(u"3.\u20355"), 3.0f);
    EXPECT_EQ(ReadFactor(u"4\u00A0"), 4.0f);
}

}  // namespace
}  // namespace ondrel::testing
