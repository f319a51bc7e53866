// UTF-16 names to file-system bytes: every length class of UTF-8, pairs
// joined, and lone surrogates kept rather than merged into one replacement.

#include <gtest/gtest.h>

#include "unicode/Utf16ToUtf8.h"

namespace ondrel::testing {
namespace {

using unicode::Utf16ToUtf8;

TEST(Utf16ToUtf8, WellFormedTextBecomesUtf8OfEveryLength) {
    EXPECT_EQ(Utf16ToUtf8(u""), "");
    EXPECT_EQ(Utf16ToUtf8(u"a/b.txt"), "a/b.txt");
    EXPECT_EQ(Utf16ToUtf8(u"\u00FA\u07FF"), "\xC3\xBA\xDF\xBF");
    EXPECT_EQ(Utf16ToUtf8(u"\u0800\u2122\uFFFF"), "\xE0\xA0\x80\xE2\x84\xA2\xEF\xBF\xBF");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600\U0010FFFF"), "\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF");
}

TEST(Utf16ToUtf8, LoneSurrogatesKeepTheirOwnBytesSoNamesStayDistinct) {
    const std::u16string loneHigh{u'x', char16_t{0xD83D}, u'y'};
    const std::u16string loneLow{u'x', char16_t{0xDE00}, u'y'};
    const std::u16string highAtEnd{u'x', char16_t{0xD83D}};
    const std::u16string reversedPair{char16_t{0xDE00}, char16_t{0xD83D}};
    EXPECT_EQ(Utf16ToUtf8(loneHigh), "x\xED\xA0\xBDy");
    EXPECT_EQ(Utf16ToUtf8(loneLow), "x\xED\xB8\x80y");
    EXPECT_EQ(Utf16ToUtf8(highAtEnd), "x\xED\xA0\xBD");
    EXPECT_EQ(Utf16ToUtf8(reversedPair), "\xED\xB8\x80\xED\xA0\xBD");
    EXPECT_NE(Utf16ToUtf8(loneHigh), Utf16ToUtf8(loneLow));
}

}  // namespace
}  // namespace ondrel::testing
