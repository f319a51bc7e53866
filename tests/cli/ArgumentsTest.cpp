// Reading ondrel-convert's arguments into its options record.

#include <gtest/gtest.h>

#include "cli/ConvertOptions.h"

namespace ondrel::cli {
namespace {

ParsedArguments Parse(std::vector<std::string> arguments) { return ParseArguments(arguments); }

TEST(ArgumentsTest, DefaultsMatchTheViewersStartingValues) {
    const ParsedArguments parsed = Parse({"level.txt"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.request, Request::Convert);
    EXPECT_EQ(parsed.options.inputs, std::vector<std::string>{"level.txt"});
    EXPECT_EQ(parsed.options.output, "");
    EXPECT_EQ(parsed.options.format, FormatChoice::ByName);
    EXPECT_EQ(parsed.options.parameters.extrudeFactorTris, 5.0f);
    EXPECT_EQ(parsed.options.parameters.extrudeFactorBlocks, 6.0f);
    EXPECT_EQ(parsed.options.parameters.exportScale, 40.0f);
    EXPECT_FALSE(parsed.options.quiet);
    EXPECT_TRUE(parsed.warnings.empty());
}

TEST(ArgumentsTest, OptionsInEitherSpellingAndAnyPosition) {
    const ParsedArguments parsed =
        Parse({"a.txt", "--tris", "2.5", "--blocks=8", "-o", "out", "b.bin", "--scale", "32", "-q",
               "--binary", "--", "--odd-name.txt"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.inputs, (std::vector<std::string>{"a.txt", "b.bin", "--odd-name.txt"}));
    EXPECT_EQ(parsed.options.parameters.extrudeFactorTris, 2.5f);
    EXPECT_EQ(parsed.options.parameters.extrudeFactorBlocks, 8.0f);
    EXPECT_EQ(parsed.options.parameters.exportScale, 32.0f);
    EXPECT_EQ(parsed.options.output, "out");
    EXPECT_EQ(parsed.options.format, FormatChoice::Binary);
    EXPECT_TRUE(parsed.options.quiet);
}

// The factor rule itself is the conversion library's; here only that the
// options use it and warn.
TEST(ArgumentsTest, FactorsAreFlooredAtOneTenthWithAWarning) {
    const ParsedArguments parsed = Parse({"--scale", "0", "--tris=0.05", "x.txt"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.parameters.exportScale, 0.1f);
    EXPECT_EQ(parsed.options.parameters.extrudeFactorTris, 0.1f);
    ASSERT_EQ(parsed.warnings.size(), 2u);
    EXPECT_NE(parsed.warnings[0].find("--scale '0' is below 0.1"), std::string::npos);
}

TEST(ArgumentsTest, UnusableArgumentsAreUsageErrors) {
    EXPECT_NE(Parse({}).error, "");
    EXPECT_NE(Parse({"-q"}).error, "");
    EXPECT_NE(Parse({"a.txt", "--tris"}).error, "");
    EXPECT_NE(Parse({"a.txt", "-o"}).error, "");
    EXPECT_NE(Parse({"a.txt", "--output="}).error, "");
    EXPECT_NE(Parse({"a.txt", "--frobnicate"}).error, "");
    EXPECT_NE(Parse({"a.txt", "--quiet=yes"}).error, "");
    EXPECT_NE(Parse({"a.txt", "--binary", "--text"}).error, "");
    EXPECT_EQ(Parse({"a.txt", "--text", "--text"}).error, "");
}

// A value that is not one whole finite decimal number is a usage error that
// names the option and the value, never a silent 0.1 or a number read from
// its first characters.
TEST(ArgumentsTest, AFactorThatIsNotAWholeFiniteNumberIsAUsageError) {
    for (const std::string value : {"abc", "inf", "nan", "-inf", "0x10", "", "5abc", " 5", "5 ", "1e",
                                    ".", "+", "1e400", "1..2", "1,5", "\xC2\xB9"}) {
        const ParsedArguments parsed = Parse({"a.txt", "--scale", value});
        EXPECT_NE(parsed.error.find("--scale '" + value + "'"), std::string::npos)
            << "value '" << value << "' gave error '" << parsed.error << "'";
        EXPECT_TRUE(parsed.warnings.empty()) << value;
    }
    for (const auto& [value, expected] : std::vector<std::pair<std::string, float>>{
             {"5", 5.0f}, {"+2.5e1", 25.0f}, {".5", 0.5f}, {"7.", 7.0f}, {"-3", 0.1f}, {"1e-400", 0.1f}}) {
        const ParsedArguments parsed = Parse({"a.txt", "--tris=" + value});
        EXPECT_EQ(parsed.error, "") << value;
        EXPECT_EQ(parsed.options.parameters.extrudeFactorTris, expected) << value;
    }
}

TEST(ArgumentsTest, HelpAndVersionNeedNoInput) {
    EXPECT_EQ(Parse({"--help"}).request, Request::Help);
    EXPECT_EQ(Parse({"-h"}).error, "");
    EXPECT_EQ(Parse({"--version"}).request, Request::Version);
    // Help wins whichever comes first, so a script asking for both never
    // gets the version alone.
    EXPECT_EQ(Parse({"--version", "--help"}).request, Request::Help);
    EXPECT_EQ(Parse({"--help", "--version"}).request, Request::Help);
}

TEST(ArgumentsTest, PreviewOptionsFillTheRequestWithTheirDefaults) {
    const ParsedArguments plain = Parse({"a.txt", "--preview", "a.png"});
    ASSERT_EQ(plain.error, "");
    EXPECT_TRUE(plain.options.WantsPreview());
    EXPECT_EQ(plain.options.preview.png, "a.png");
    EXPECT_FALSE(plain.options.preview.solids);
    EXPECT_EQ(plain.options.preview.width, 1024u);
    EXPECT_EQ(plain.options.preview.height, 768u);
    EXPECT_FALSE(plain.options.preview.eye.has_value());
    EXPECT_FALSE(Parse({"a.txt"}).options.WantsPreview());

    const ParsedArguments full = Parse({"--preview-solids", "--preview=b.png", "--preview-size", "640x480",
                                        "--preview-eye=1,-2.5,3e2", "--preview-look-at", "0,0,0", "a.txt"});
    ASSERT_EQ(full.error, "");
    EXPECT_TRUE(full.options.preview.solids);
    EXPECT_EQ(full.options.preview.width, 640u);
    EXPECT_EQ(full.options.preview.height, 480u);
    ASSERT_TRUE(full.options.preview.eye.has_value());
    EXPECT_EQ(*full.options.preview.eye, (conversion::PreviewPoint{1.0f, -2.5f, 300.0f}));
    EXPECT_EQ(*full.options.preview.lookAt, (conversion::PreviewPoint{0.0f, 0.0f, 0.0f}));
}

TEST(ArgumentsTest, UnusablePreviewOptionsAreUsageErrors) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"a.txt", "--preview"},
             {"a.txt", "--preview="},
             {"a.txt", "b.txt", "--preview", "x.png"},            // one picture, one level
             {"--check-map", "a.map", "--preview", "x.png"},       // no level to draw
             {"a.txt", "--preview-solids"},                        // nothing to draw into
             {"a.txt", "--preview-size", "640x480"},
             {"a.txt", "--preview", "x.png", "--preview-size", "640"},
             {"a.txt", "--preview", "x.png", "--preview-size", "0x480"},
             {"a.txt", "--preview", "x.png", "--preview-size", "640x480x2"},
             {"a.txt", "--preview", "x.png", "--preview-size", "9000x10"},
             {"a.txt", "--preview", "x.png", "--preview-size", "-640x480"},
             {"a.txt", "--preview", "x.png", "--preview-eye", "1,2"},
             {"a.txt", "--preview", "x.png", "--preview-eye", "1,2,3,4"},
             {"a.txt", "--preview", "x.png", "--preview-eye", "1,inf,3"},
             {"a.txt", "--preview", "x.png", "--preview-look-at", "1,,3"},
             {"a.txt", "--preview", "x.png", "--preview-solids=yes"},
             {"a.txt", "--preview", "x.png", "--preview-colour", "red"},
         }) {
        const ParsedArguments parsed = Parse(arguments);
        EXPECT_NE(parsed.error, "") << ::testing::PrintToString(arguments);
    }
}

}  // namespace
}  // namespace ondrel::cli
