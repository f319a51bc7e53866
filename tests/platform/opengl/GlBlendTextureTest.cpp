// Alpha test, blending, texture stages, filtering and state blocks as they
// show on screen with the OpenGL backend.

#include "tests/support/GlTestDevice.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

// Alpha from the vertex colour, whatever an empty texture stage would give.
class GlBlendTextureTest : public GlDeviceTest {
protected:
    void SetUp() override {
        GlDeviceTest::SetUp();
        if (HasFatalFailure()) return;
        device_->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE);
    }
};

constexpr float kAll = kTargetSize - 0.5f;

TEST_F(GlBlendTextureTest, AlphaTestDropsPixelsFailingTheReference) {
    device_->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    device_->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    device_->SetRenderState(D3DRS_ALPHAREF, 0x80);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0x40FF0000);
    EXPECT_EQ(Pixel(32, 32), 0x000000u) << "alpha 0x40 below 0x80";

    device_->SetRenderState(D3DRS_ALPHAREF, 0x40);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0x40FF0000);
    EXPECT_EQ(Pixel(32, 32), 0xFF0000u) << "alpha 0x40 equal to the reference passes";
}

TEST_F(GlBlendTextureTest, BlendingMixesWithTheTargetByTheFactorsGiven) {
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0x80FF0000);
    const DWORD mixed = Pixel(32, 32);
    EXPECT_NEAR(Red(mixed), 128, 2);
    EXPECT_EQ(Green(mixed), 0);
    EXPECT_NEAR(Blue(mixed), 127, 2);

    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFF00FF00);
    const DWORD added = Pixel(32, 32);
    EXPECT_NEAR(Red(added), 128, 2);
    EXPECT_EQ(Green(added), 255);
    EXPECT_NEAR(Blue(added), 127, 2);
}

class GlTextureTest : public GlDeviceTest {
protected:
    // 2 x 2 texels: red, green / blue, white, fully opaque.
    void SetUp() override {
        GlDeviceTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_EQ(device_->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture_, nullptr), D3D_OK);
        D3DLOCKED_RECT locked{};
        ASSERT_EQ(texture_->LockRect(0, &locked, nullptr, 0), D3D_OK);
        auto* top = static_cast<DWORD*>(locked.pBits);
        auto* bottom = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + locked.Pitch);
        top[0] = 0xFFFF0000;
        top[1] = 0xFF00FF00;
        bottom[0] = 0xFF0000FF;
        bottom[1] = 0xFFFFFFFF;
        ASSERT_EQ(texture_->UnlockRect(0), D3D_OK);
        device_->SetTexture(0, texture_);
    }
    void TearDown() override {
        if (device_ != nullptr) device_->SetTexture(0, nullptr);
        if (texture_ != nullptr) texture_->Release();
        GlDeviceTest::TearDown();
    }
    IDirect3DTexture9* texture_ = nullptr;
};

TEST_F(GlTextureTest, StagesModulateOrSelectTextureAndDiffuse) {
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device_->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device_->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFF808080);
    const PixelImage shot = Screenshot();
    auto near = [](DWORD got, int r, int g, int b) {
        return std::abs(Red(got) - r) <= 2 && std::abs(Green(got) - g) <= 2 && std::abs(Blue(got) - b) <= 2;
    };
    EXPECT_TRUE(near(shot.PixelArgb(16, 16), 128, 0, 0)) << std::hex << shot.PixelArgb(16, 16);
    EXPECT_TRUE(near(shot.PixelArgb(48, 16), 0, 128, 0)) << std::hex << shot.PixelArgb(48, 16);
    EXPECT_TRUE(near(shot.PixelArgb(16, 48), 0, 0, 128)) << std::hex << shot.PixelArgb(16, 48);
    EXPECT_TRUE(near(shot.PixelArgb(48, 48), 128, 128, 128)) << std::hex << shot.PixelArgb(48, 48);

    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFF808080);
    EXPECT_EQ(Pixel(16, 16), 0x808080u) << "diffuse only";

    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFF808080);
    EXPECT_EQ(Pixel(48, 16), 0x00FF00u) << "texture only";
}

TEST_F(GlTextureTest, DefaultStageWithoutTextureShowsTheDiffuseColour) {
    device_->SetTexture(0, nullptr);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFF336699);
    EXPECT_EQ(Pixel(10, 10), 0x336699u);
}

TEST_F(GlTextureTest, PointFilteringKeepsTexelsLinearBlendsThem) {
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFFFFFFFF);
    EXPECT_EQ(Pixel(31, 8), 0xFF0000u) << "point: last pixel of the red texel";
    EXPECT_EQ(Pixel(32, 8), 0x00FF00u) << "point: first pixel of the green texel";

    device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    device_->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
    DrawScreenQuad(-0.5f, -0.5f, kAll, kAll, 0xFFFFFFFF);
    const DWORD between = Pixel(31, 0);
    EXPECT_GT(Red(between), 100);
    EXPECT_GT(Green(between), 100);
    EXPECT_EQ(Pixel(0, 0), 0xFF0000u) << "clamped corner keeps its texel";
}

TEST_F(GlTextureTest, StateBlockBringsBackStatesAndTexture) {
    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    IDirect3DStateBlock9* saved = nullptr;
    ASSERT_EQ(device_->CreateStateBlock(D3DSBT_ALL, &saved), D3D_OK);

    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    device_->SetTexture(0, nullptr);
    ASSERT_EQ(saved->Apply(), D3D_OK);
    DrawScreenQuad(4.0f, 4.0f, 60.0f, 60.0f, 0xFF808080);
    const PixelImage shot = Screenshot();
    EXPECT_EQ(shot.PixelArgb(40, 20) & 0xFFFFFF, 0x000000u) << "wireframe again: inside empty";
    EXPECT_EQ(shot.PixelArgb(10, 4) & 0xFFFFFF, 0xFF0000u) << "edge shows the texture's red texel again";
    EXPECT_EQ(saved->Release(), 0u);
}

}  // namespace
}  // namespace ondrel::testing
