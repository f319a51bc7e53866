// ondrel-convert --preview as a user runs it: the real converter starting
// the real renderer, which draws offscreen; the picture is read back from
// the PNG it wrote.

#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "tests/cli/ProcessRunner.h"
#include "tests/support/TempFiles.h"

namespace ondrel::cli {
namespace {

namespace fs = std::filesystem;
using ondrel::testing::ProcessOutcome;
using ondrel::testing::ReadWholeFile;
using ondrel::testing::TempFolder;

// The viewer's clear colour without its alpha.
constexpr std::uint32_t kClearRgb = 0x004040;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

Picture LoadPng(const fs::path& path) {
    Picture picture;
    int channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &picture.width, &picture.height, &channels, 3);
    if (data == nullptr) return Picture{};
    picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height);
    for (std::size_t i = 0; i < picture.rgb.size(); ++i) {
        picture.rgb[i] = (std::uint32_t{data[3 * i]} << 16) | (std::uint32_t{data[3 * i + 1]} << 8) | data[3 * i + 2];
    }
    stbi_image_free(data);
    return picture;
}

// The share of pixels in the box [left, right) x [top, bottom) that are not
// the clear colour.
double DrawnShare(const Picture& picture, int left, int top, int right, int bottom) {
    int drawn = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) drawn += picture.At(x, y) != kClearRgb ? 1 : 0;
    }
    return static_cast<double>(drawn) / ((right - left) * (bottom - top));
}

class PreviewCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        work = folder.Path() / "work";
        fs::create_directory(work);
        fs::copy_file(fs::path(ONDREL_SOURCE_DIR) / "samples/facility.txt", work / "facility.txt");
    }

    ProcessOutcome Run(const std::vector<std::string>& arguments, const std::string& program = ONDREL_CONVERT_PATH) {
        return testing::RunProcess(program, arguments, work, folder.Path());
    }

    TempFolder folder;
    fs::path work;
};

TEST_F(PreviewCommandTest, TheSamplesPictureShowsTheWholeLevelInItsMiddleOnTheClearColour) {
    const ProcessOutcome run = Run({"--preview", "facility.png", "--preview-size", "320x240", "facility.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(fs::exists(work / "facility.map"));
    const Picture picture = LoadPng(work / "facility.png");
    ASSERT_EQ(picture.width, 320);
    ASSERT_EQ(picture.height, 240);

    // Each corner is the clear colour, so the level is inside the picture.
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{319, 0}, std::pair{0, 239}, std::pair{319, 239}}) {
        EXPECT_EQ(picture.At(x, y), kClearRgb) << x << "," << y;
    }
    // The middle is mostly level, and lit: many shades, not one flat colour.
    EXPECT_GT(DrawnShare(picture, 120, 90, 200, 150), 0.5);
    std::set<std::uint32_t> shades(picture.rgb.begin(), picture.rgb.end());
    EXPECT_GT(shades.size(), 16u);
    // The whole level is in view (no drawn pixel on an edge) and fills the
    // picture across its width or its height.
    int left = picture.width, right = 0, top = picture.height, bottom = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.At(x, y) == kClearRgb) continue;
            left = std::min(left, x), right = std::max(right, x + 1);
            top = std::min(top, y), bottom = std::max(bottom, y + 1);
        }
    }
    EXPECT_GT(left, 0);
    EXPECT_GT(top, 0);
    EXPECT_LT(right, picture.width);
    EXPECT_LT(bottom, picture.height);
    EXPECT_TRUE(right - left > picture.width * 2 / 3 || bottom - top > picture.height * 2 / 3)
        << "drawn from " << left << "," << top << " to " << right << "," << bottom;
}

TEST_F(PreviewCommandTest, TheSolidsPictureDiffersFromTheTrianglesAtTheDefaultSize) {
    ASSERT_EQ(Run({"--preview", "level.png", "facility.txt"}).exitCode, 0);
    const ProcessOutcome solids = Run({"--preview-solids", "--preview", "solids.png", "facility.txt"});
    ASSERT_EQ(solids.exitCode, 0) << solids.err;
    const Picture level = LoadPng(work / "level.png");
    const Picture converted = LoadPng(work / "solids.png");
    ASSERT_EQ(level.width, 1024);
    ASSERT_EQ(level.height, 768);
    ASSERT_EQ(converted.rgb.size(), level.rgb.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < level.rgb.size(); ++i) differing += level.rgb[i] != converted.rgb[i] ? 1 : 0;
    EXPECT_GT(differing, level.rgb.size() / 100) << "the solids look like the triangles";
    EXPECT_EQ(converted.At(0, 0), kClearRgb);
}

TEST_F(PreviewCommandTest, UnusablePreviewOptionsConvertNothing) {
    const ProcessOutcome run = Run({"--preview", "x.png", "--preview-size", "0x480", "facility.txt"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("--preview-size '0x480'"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(work / "facility.map"));
    EXPECT_FALSE(fs::exists(work / "x.png"));
}

// Whatever stops the picture, the map is written as without --preview.
TEST_F(PreviewCommandTest, WithoutARendererTheMapIsWrittenAndTheExitCodeIsFive) {
    const fs::path alone = folder.Path() / "bin" / "ondrel-convert";
    fs::create_directories(alone.parent_path());
    fs::copy_file(ONDREL_CONVERT_PATH, alone);
    const fs::path installed = fs::path(ONDREL_PREVIEW_INSTALL_DIR) / "ondrel-preview";
    if (fs::exists(installed)) GTEST_SKIP() << "a renderer is installed at " << installed;

    const ProcessOutcome run = Run({"--preview", "x.png", "-o", "alone.map", "facility.txt"}, alone.string());
    EXPECT_EQ(run.exitCode, 5);
    EXPECT_NE(run.err.find("the renderer ondrel-preview is not installed"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(installed.string()), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(work / "x.png"));
    ASSERT_EQ(Run({"-o", "plain.map", "facility.txt"}).exitCode, 0);
    EXPECT_EQ(ReadWholeFile(work / "alone.map"), ReadWholeFile(work / "plain.map"));
}

TEST_F(PreviewCommandTest, WithoutOpenGlOrAWritablePictureTheExitCodeIsFive) {
    setenv("SDL_VIDEO_EGL_DRIVER", "/nonexistent/libEGL.so.1", 1);
    const ProcessOutcome noGraphics = Run({"--preview", "x.png", "facility.txt"});
    unsetenv("SDL_VIDEO_EGL_DRIVER");
    EXPECT_EQ(noGraphics.exitCode, 5);
    EXPECT_NE(noGraphics.err.find("ondrel-preview: no offscreen OpenGL"), std::string::npos) << noGraphics.err;
    EXPECT_NE(noGraphics.err.find("no preview written"), std::string::npos) << noGraphics.err;
    EXPECT_TRUE(fs::exists(work / "facility.map"));
    EXPECT_FALSE(fs::exists(work / "x.png"));

    const ProcessOutcome unwritable = Run({"--preview", "missing/x.png", "facility.txt"});
    EXPECT_EQ(unwritable.exitCode, 5);
    EXPECT_NE(unwritable.err.find("cannot write missing/x.png"), std::string::npos) << unwritable.err;
}

}  // namespace
}  // namespace ondrel::cli
