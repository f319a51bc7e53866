// The converter hands a preview request to its renderer as arguments; what
// the renderer reads back must be the request that was sent.

#include <gtest/gtest.h>

#include "conversion/PreviewRequest.h"

namespace ondrel::conversion {
namespace {

void ExpectSameRequest(const PreviewRequest& sent, const PreviewRequest& read) {
    EXPECT_EQ(read.level, sent.level);
    EXPECT_EQ(read.png, sent.png);
    EXPECT_EQ(read.binary, sent.binary);
    EXPECT_EQ(read.solids, sent.solids);
    EXPECT_EQ(read.parameters.extrudeFactorTris, sent.parameters.extrudeFactorTris);
    EXPECT_EQ(read.parameters.extrudeFactorBlocks, sent.parameters.extrudeFactorBlocks);
    EXPECT_EQ(read.parameters.exportScale, sent.parameters.exportScale);
    EXPECT_EQ(read.width, sent.width);
    EXPECT_EQ(read.height, sent.height);
    EXPECT_EQ(read.eye, sent.eye);
    EXPECT_EQ(read.lookAt, sent.lookAt);
}

TEST(PreviewRequestTest, EveryFieldSurvivesTheRenderersCommandLine) {
    PreviewRequest sent;
    // Names that look like options, and factors no short decimal holds.
    sent.level = "-level with spaces.bin";
    sent.png = "--picture.png";
    sent.binary = true;
    sent.solids = true;
    sent.parameters.extrudeFactorTris = 0.1f;
    sent.parameters.extrudeFactorBlocks = 1.0f / 3.0f;
    sent.parameters.exportScale = 16777217.0f;
    sent.width = 1;
    sent.height = kLargestPreviewSide;
    sent.eye = PreviewPoint{-1e-7f, 3.4e38f, 0.3f};
    sent.lookAt = PreviewPoint{0.0f, -0.0f, 123456.789f};
    const ParsedPreviewRequest parsed = ParsePreviewArguments(PreviewArguments(sent));
    ASSERT_EQ(parsed.error, "");
    ExpectSameRequest(sent, parsed.request);

    PreviewRequest plain;
    plain.level = "a.txt";
    plain.png = "a.png";
    const ParsedPreviewRequest read = ParsePreviewArguments(PreviewArguments(plain));
    ASSERT_EQ(read.error, "");
    ExpectSameRequest(plain, read.request);
}

TEST(PreviewRequestTest, SizesAndPointsAreReadWholeOrNotAtAll) {
    EXPECT_EQ(ReadPreviewSize("640x480"), (std::array<unsigned, 2>{640, 480}));
    EXPECT_EQ(ReadPreviewSize("8192x1"), (std::array<unsigned, 2>{8192, 1}));
    for (const char* bad : {"", "x", "640", "640x", "x480", "0x480", "640x0", "8193x10", "640X480", " 640x480",
                            "640x480 ", "+640x480", "640x4294967297"}) {
        EXPECT_FALSE(ReadPreviewSize(bad).has_value()) << bad;
    }
    EXPECT_EQ(ReadPreviewPoint("1,-2.5,3e2"), (PreviewPoint{1.0f, -2.5f, 300.0f}));
    for (const char* bad : {"", "1,2", "1,2,3,", "1,2,3,4", ",2,3", "1,,3", "1,2,nan", "1,2,1e39", "a,b,c"}) {
        EXPECT_FALSE(ReadPreviewPoint(bad).has_value()) << bad;
    }
}

TEST(PreviewRequestTest, TheRendererRefusesIncompleteArguments) {
    EXPECT_NE(ParsePreviewArguments({"level.txt"}).error, "");
    EXPECT_NE(ParsePreviewArguments({"level.txt", "a.png", "b.png"}).error, "");
    EXPECT_NE(ParsePreviewArguments({"--size", "10", "level.txt", "a.png"}).error, "");
    EXPECT_NE(ParsePreviewArguments({"level.txt", "a.png", "--eye"}).error, "");
    EXPECT_NE(ParsePreviewArguments({"--tris", "abc", "level.txt", "a.png"}).error, "");
    EXPECT_NE(ParsePreviewArguments({"--wireframe", "level.txt", "a.png"}).error, "");
}

}  // namespace
}  // namespace ondrel::conversion
