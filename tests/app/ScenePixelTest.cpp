// What the scene puts on screen, read back from a real OpenGL device
// rendered offscreen: lit level triangles against the fixed-function
// lighting formula worked out here, the clear colour and the overlay text.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/SceneDevice.h"
#include "app/SceneFrame.h"
#include "app/SceneObjects.h"
#include "app/ScenePanel.h"
#include "app/ViewerCamera.h"
#include "app/ViewerLevel.h"
#include "framework/FrameworkState.h"
#include "platform/scripted/ScriptedPlatformServices.h"
#include "tests/support/GlTestDevice.h"

namespace ondrel::testing {
namespace {

constexpr UINT kWidth = 160;
constexpr UINT kHeight = 120;
constexpr DWORD kClearRgb = 0x004040;

class ScenePixelTest : public GlDeviceFixture {
protected:
    ScenePixelTest() : GlDeviceFixture(GlTarget{kWidth, kHeight, true, D3DCREATE_HARDWARE_VERTEXPROCESSING, false}) {}

    void SetUp() override {
        machine_ = &platform::InstallScriptedPlatform();
        framework::ResetFrameworkState();
        app::ResetScene();
        app::ResetViewerLevel();
        app::ResetViewerCamera();
        app::ResetPanels();
        GlDeviceFixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        D3DSURFACE_DESC backBuffer{};
        backBuffer.Format = D3DFMT_X8R8G8B8;
        backBuffer.Width = kWidth;
        backBuffer.Height = kHeight;
        ASSERT_EQ(app::DeviceCreated(device_, &backBuffer), S_OK);
        ASSERT_EQ(app::DeviceReset(device_, &backBuffer), S_OK);
    }

    void TearDown() override {
        if (device_ != nullptr) {
            app::DeviceLost();
            app::DeviceDestroyed();
        }
        GlDeviceFixture::TearDown();
        app::ResetScene();
        app::ResetViewerLevel();
        app::ResetViewerCamera();
        framework::ResetFrameworkState();
        platform::ResetPlatformServices();
    }

    void SetFrameStats(const std::u16string& text) {
        WCHAR* stats = framework::State().Address(&framework::StateFields::frameStats);
        std::fill_n(stats, framework::kStateTextLength, u'\0');
        std::copy(text.begin(), text.end(), stats);
    }

    // The level as the importer would leave it, but with records chosen here.
    void SetLevel(const std::vector<LevelVertex>& records) {
        LevelData& level = app::ViewerLevel();
        level.sourceBuffer = app::Scene().bufferFactory->CreateBuffer(static_cast<std::uint32_t>(records.size()));
        ASSERT_NE(level.sourceBuffer, nullptr);
        ASSERT_TRUE(level.sourceBuffer->Fill(records.data(), static_cast<std::uint32_t>(records.size())));
        level.sourceCount = static_cast<std::uint32_t>(records.size());
    }

    // The back buffer after one whole frame, as 0xRRGGBB per pixel.
    std::vector<DWORD> RenderFrame() {
        app::FrameMove(device_, 0.0, 0.0f);
        app::FrameRender(device_, 0.0, 0.0f);
        const graphics::PixelImage image = Screenshot();
        std::vector<DWORD> pixels(kWidth * kHeight, 0);
        if (image.Width() != kWidth || image.Height() != kHeight) return pixels;
        for (UINT y = 0; y < kHeight; ++y) {
            for (UINT x = 0; x < kWidth; ++x) pixels[y * kWidth + x] = image.PixelArgb(x, y) & 0xFFFFFFu;
        }
        return pixels;
    }

    platform::ScriptedPlatformServices* machine_ = nullptr;
};

int Channel(DWORD rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

// --- The fixed-function lighting formula, worked out independently.
struct Vec {
    double x, y, z;
};

// Normals go through the inverse transpose of the upper 3 x 3 of world x
// view; here the world matrix is the whole camera transform and the view
// is the identity. Row vectors: n' = n * inverse(M)^T.
Vec TransformNormal(const Vec& n, const GFXMATRIX& m) {
    const double a = m._11, b = m._12, c = m._13, d = m._21, e = m._22, f = m._23, g = m._31, h = m._32, i = m._33;
    const double det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    // Cofactor matrix C: inverse = C^T / det, so inverse^T = C / det.
    const double cof[3][3] = {{e * i - f * h, f * g - d * i, d * h - e * g},
                              {c * h - b * i, a * i - c * g, b * g - a * h},
                              {b * f - c * e, c * d - a * f, a * e - b * d}};
    const double in[3] = {n.x, n.y, n.z};
    double out[3] = {0, 0, 0};
    // (n * C^... ) : out_j = sum_i n_i * (inverse^T)_{ij} = sum_i n_i * cof[i][j] / det
    for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < 3; ++k) out[j] += in[k] * cof[k][j] / det;
    }
    return Vec{out[0], out[1], out[2]};
}

// Lit colour of a vertex: material ambient (1) x global ambient, plus the
// vertex's diffuse colour x light diffuse (1) x N.L, clamped; as 0xRRGGBB.
DWORD ExpectedLitColour(const LevelVertex& v, const GFXMATRIX& transform, DWORD milliseconds) {
    const float swing = static_cast<float>(std::sin(static_cast<double>(static_cast<float>(milliseconds) / 1000.0f)));
    const double length = std::sqrt(double{swing} * swing + 1.0);
    const Vec toLight{-swing / length, -1.0 / length, 0.0};
    const Vec n = TransformNormal(Vec{v.nx, v.ny, v.nz}, transform);
    const double nDotL = std::max(0.0, n.x * toLight.x + n.y * toLight.y + n.z * toLight.z);
    const double ambient = double{0x40} / 255.0;
    DWORD rgb = 0;
    for (int shift : {16, 8, 0}) {
        const double diffuse = Channel(v.colour, shift) / 255.0;
        const double lit = std::clamp(ambient + diffuse * nDotL, 0.0, 1.0);
        rgb |= static_cast<DWORD>(std::lround(lit * 255.0)) << shift;
    }
    return rgb;
}

POINT ScreenPoint(float x, float y, float z, const GFXMATRIX& transform) {
    const GFXVECTOR3 world{x, y, z};
    GFXVECTOR3 ndc;
    GfxVec3TransformCoord(&ndc, &world, &transform);
    return POINT{static_cast<LONG>((ndc.x + 1.0f) * 0.5f * kWidth), static_cast<LONG>((1.0f - ndc.y) * 0.5f * kHeight)};
}

TEST_F(ScenePixelTest, LitTrianglesMatchTheFixedFunctionFormula) {
    SetFrameStats(u"");
    machine_->AdvanceTime(1571);  // the light leans towards +x
    struct Case {
        float cx, cy;  // where the triangle sits
        float nx, ny, nz;
        D3DCOLOR colour;
    };
    const Case cases[] = {
        {-4.0f, 1.0f, 0.0f, -1.0f, 0.0f, 0xFFFF8040},   // facing down, into the light
        {0.0f, 1.0f, -1.0f, 0.0f, 0.0f, 0xFF40C0FF},    // facing -x
        {4.0f, 1.0f, 0.0f, 0.0f, -1.0f, 0xFFFFFFFF},    // facing the camera: ambient only
        {-4.0f, -4.0f, 1.0f, 1.0f, 0.0f, 0xFF80FF20},   // facing away from the light
        {0.0f, -4.0f, -2.0f, -3.0f, 0.0f, 0xFFC08040},  // long normal: saturates
        {4.0f, -4.0f, -0.6f, -0.8f, 0.0f, 0xFF2060A0},
    };
    std::vector<LevelVertex> records;
    for (const Case& c : cases) {
        // Counter-clockwise as the camera sees it, so clockwise culling keeps it.
        for (auto [dx, dy] : {std::pair{0.0f, 0.0f}, std::pair{3.0f, 0.0f}, std::pair{0.0f, 3.0f}}) {
            records.push_back(LevelVertex{c.cx + dx, c.cy + dy, 0.0f, c.nx, c.ny, c.nz, c.colour});
        }
    }
    SetLevel(records);
    const std::vector<DWORD> pixels = RenderFrame();

    const app::FlyCamera& camera = app::ViewerCamera();
    const GFXMATRIX transform = camera.ViewMatrix() * camera.ProjectionMatrix();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const POINT p = ScreenPoint(c.cx + 1.0f, c.cy + 1.0f, 0.0f, transform);
        ASSERT_LT(static_cast<UINT>(p.x), kWidth);
        ASSERT_LT(static_cast<UINT>(p.y), kHeight);
        const DWORD seen = pixels[p.y * kWidth + p.x];
        const DWORD expected = ExpectedLitColour(records[i * 3], transform, 1571);
        for (int shift : {16, 8, 0}) {
            EXPECT_NEAR(Channel(seen, shift), Channel(expected, shift), 2)
                << "triangle " << i << " channel " << shift << std::hex << " seen " << seen << " expected "
                << expected;
        }
    }
}

TEST_F(ScenePixelTest, ClockwiseTrianglesAreCulled) {
    SetFrameStats(u"");
    SetLevel({LevelVertex{0, 0, 0, 0, 0, -1, 0xFFFFFFFF}, LevelVertex{0, 3, 0, 0, 0, -1, 0xFFFFFFFF},
              LevelVertex{3, 0, 0, 0, 0, -1, 0xFFFFFFFF}});
    const std::vector<DWORD> pixels = RenderFrame();
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](DWORD p) { return p == kClearRgb; }));
}

TEST_F(ScenePixelTest, BeforeAnImportOnlyTheClearColourAndTheYellowOverlayShow) {
    SetFrameStats(u"88.88 fps (160x120), X8R8G8B8 (D24S8)");
    const std::vector<DWORD> pixels = RenderFrame();
    int yellowish = 0;
    for (UINT y = 0; y < kHeight; ++y) {
        for (UINT x = 0; x < kWidth; ++x) {
            const DWORD p = pixels[y * kWidth + x];
            if (y >= 20) {
                ASSERT_EQ(p, kClearRgb) << "at " << x << ", " << y;
            } else if (Channel(p, 16) > 0x80 && Channel(p, 8) > 0x80 && Channel(p, 0) < 0x60) {
                ++yellowish;
            }
        }
    }
    EXPECT_GT(yellowish, 40) << "the statistics line is drawn in yellow at the top";
    // The line starts two pixels in.
    for (UINT y = 0; y < 20; ++y) {
        EXPECT_EQ(pixels[y * kWidth + 0], kClearRgb);
        EXPECT_EQ(pixels[y * kWidth + 1], kClearRgb);
    }
}

}  // namespace
}  // namespace ondrel::testing
