// The wide-text runtime: formatting, bounded copies, comparing, number
// reading and code pages, on 16-bit units and without the locale.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/win32/Windows.h"

namespace ondrel::testing {
namespace {

std::u16string Format(LPCWSTR format, auto... arguments) {
    WCHAR buffer[128];
    swprintf_s(buffer, 128, format, arguments...);
    return buffer;
}

TEST(WideFormatting, ConversionsTheFrameworkUses) {
    EXPECT_EQ(Format(u"%s and %s", u"wide", u"text"), u"wide and text");
    EXPECT_EQ(Format(u"%dx%d", 640, -480), u"640x-480");
    EXPECT_EQ(Format(u"%u %x %X", 4000000000u, 255u, 255u), u"4000000000 ff FF");
    EXPECT_EQ(Format(u"%g", 0.0333), u"0.0333");
    EXPECT_EQ(Format(u"%.02f fps", 57.3149), u"57.31 fps");
    EXPECT_EQ(Format(u"100%%"), u"100%");
    EXPECT_EQ(Format(u"[%5s|%-5s|%.2s]", u"ab", u"cd", u"efgh"), u"[   ab|cd   |ef]");
    EXPECT_EQ(Format(u"%c%c", u'\u00e9', u'x'), u"\u00e9x");
    EXPECT_EQ(Format(u"[%8.3f|%-7.1f|%+.1f|%06.2f]", 3.14159, -2.0, 1.0, -1.5), u"[   3.142|-2.0   |+1.0|-01.50]");
    EXPECT_EQ(Format(u"%e %G", 12345.678, 0.000012), u"1.234568e+04 1.2E-05");
}

TEST(WideFormatting, FormatHeldAsDataKeepsItsPlaceholder) {
    WCHAR fixed[64];
    swprintf_s(fixed, 64, u"%%.02f fps (%dx%d), %s", 640, 480, u"X8R8G8B8");
    EXPECT_EQ(std::u16string(fixed), u"%.02f fps (640x480), X8R8G8B8");
    EXPECT_EQ(Format(fixed, 12.345), u"12.35 fps (640x480), X8R8G8B8");
}

TEST(WideFormatting, TruncatesAndAlwaysTerminates) {
    WCHAR buffer[6];
    EXPECT_EQ(swprintf_s(buffer, 6, u"%s", u"abcdefgh"), -1);
    EXPECT_EQ(std::u16string(buffer), u"abcde");
    EXPECT_EQ(swprintf_s(buffer, 6, u"%d", 12345), 5);
}

TEST(WideFormatting, DecimalPointIgnoresTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no decimal-comma locale";
    // snprintf follows LC_NUMERIC; the runtime's callers expect a point.
    std::u16string text = Format(u"%.02f", 1.5);
    double read = _wtof(u"2.25");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(read, 2.25);
    EXPECT_EQ(text, u"1.50");
}

TEST(WideCopies, BoundedCopyAndAppendAlwaysTerminate) {
    WCHAR buffer[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_NE(wcscpy_s(buffer, 4, u"abcdef"), 0);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(wcsncpy_s(buffer, 4, u"abcdef", 2), 0);
    EXPECT_EQ(std::u16string(buffer), u"ab");
    EXPECT_NE(wcscat_s(buffer, 4, u"cd"), 0);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(wcscpy_s(buffer, 4, nullptr), 0);
    EXPECT_EQ(buffer[0], u'\0');
}

TEST(WideCompare, FoldsAsciiOnlyOverTheGivenLength) {
    EXPECT_EQ(_wcsnicmp(u"WINDOWEDforceref", u"windowed", 8), 0);
    EXPECT_NE(_wcsnicmp(u"win", u"windowed", 8), 0);
    EXPECT_NE(_wcsnicmp(u"\u00c9", u"\u00e9", 1), 0);
    EXPECT_LT(_wcsicmp(u"abc", u"ABD"), 0);
}

TEST(WideNumbers, ReadLikeTheCoreReader) {
    EXPECT_EQ(_wtoi(u"  -42xyz"), -42);
    EXPECT_EQ(_wtoi(u"+7"), 7);
    EXPECT_EQ(_wtoi(u"x1"), 0);
    EXPECT_EQ(_wtoi(u""), 0);
    EXPECT_EQ(_wtoi(u"4294967297"), 1);  // wraps at 32 bits
    EXPECT_DOUBLE_EQ(_wtof(u"0.01"), 0.01);
    EXPECT_DOUBLE_EQ(_wtof(u" -1.5e2s"), -150.0);
    EXPECT_DOUBLE_EQ(_wtof(u".5"), 0.5);
    EXPECT_EQ(_wtof(u"inf"), 0.0);
    EXPECT_EQ(_wtof(u"0x10"), 0.0);
    EXPECT_EQ(_wtof(u"abc"), 0.0);
}

TEST(CodePages, SystemCodePageIsUtf8) {
    const char* narrow = "gr\xc3\xbc\xc3\x9f";  // "gruess" with umlaut and sharp s
    WCHAR wide[16];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, narrow, -1, nullptr, 0), 5);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, narrow, -1, wide, 16), 5);
    EXPECT_EQ(std::u16string(wide), u"gr\u00fc\u00df");
    char back[16];
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -1, back, 16, nullptr, nullptr), 7);
    EXPECT_STREQ(back, narrow);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -1, back, 3, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

}  // namespace
}  // namespace ondrel::testing
