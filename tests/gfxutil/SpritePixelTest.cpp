// Sprites as a person sees them: placement under a scaling transform, the
// part of the texture drawn, and colour modulation, on the OpenGL device.

#include "tests/support/GlTestDevice.h"
#include "gfxutil/GfxSprite.h"
#include "gfxutil/DeviceTexture.h"

namespace {

using ondrel::testing::LitBox;

class SpritePixelTest : public ondrel::testing::GlFrameTest {
protected:
    void SetUp() override {
        GlFrameTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        ASSERT_EQ(GfxCreateSprite(device_, &sprite_), D3D_OK);
    }
    void TearDown() override {
        if (sprite_ != nullptr) {
            sprite_->Release();
        }
        GlFrameTest::TearDown();
    }
    IDirect3DTexture9* Texture(const gfxutil::Image& image) {
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(gfxutil::CreateManagedTexture(device_, image.width, image.height, &texture), D3D_OK);
        EXPECT_EQ(gfxutil::UploadImage(texture, image), D3D_OK);
        return texture;
    }
    IGfxSprite* sprite_ = nullptr;
};

std::uint32_t Rgb(const gfxutil::Image& image, int x, int y) { return image.At(x, y) & 0xFFFFFFu; }

void ExpectNear(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift : {16, 8, 0}) {
        EXPECT_NEAR(static_cast<int>((actual >> shift) & 0xFF), static_cast<int>((expected >> shift) & 0xFF), tolerance)
            << std::hex << actual << " vs " << expected;
    }
}

TEST_F(SpritePixelTest, ScaledSpriteFillsExactlyItsScreenRectangle) {
    gfxutil::Image redBlue(2, 1);
    redBlue.pixels = {0xFFFF0000u, 0xFF0000FFu};
    IDirect3DTexture9* texture = Texture(redBlue);
    BeginFrame(0xFF000000);
    ASSERT_EQ(sprite_->Begin(GFXSPRITE_ALPHABLEND), D3D_OK);
    GFXMATRIX scale;
    GfxMatrixScaling(&scale, 10, 20, 1);
    sprite_->SetTransform(&scale);
    const GFXVECTOR3 position{3, 2, 0};  // before scaling: lands at (30, 40)
    ASSERT_EQ(sprite_->Draw(texture, nullptr, nullptr, &position, 0xFFFFFFFF), D3D_OK);
    ASSERT_EQ(sprite_->End(), D3D_OK);
    const auto image = EndFrame();
    ondrel::testing::KeepScreenshot(image, "sprite-scaled");
    const auto lit = LitBox(image, 0xFF000000);
    EXPECT_EQ(lit.left, 30);
    EXPECT_EQ(lit.top, 40);
    EXPECT_EQ(lit.right, 50);
    EXPECT_EQ(lit.bottom, 60);
    ExpectNear(Rgb(image, 32, 50), 0xFF0000, 2);
    ExpectNear(Rgb(image, 47, 50), 0x0000FF, 2);
    texture->Release();
}

TEST_F(SpritePixelTest, SourceRectangleAndColourModulation) {
    gfxutil::Image quadrants(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            quadrants.At(x, y) = y < 2 ? (x < 2 ? 0xFFFF0000u : 0xFF00FF00u) : (x < 2 ? 0xFF0000FFu : 0xFFFFFFFFu);
        }
    }
    IDirect3DTexture9* texture = Texture(quadrants);
    BeginFrame(0xFF000000);
    ASSERT_EQ(sprite_->Begin(GFXSPRITE_ALPHABLEND), D3D_OK);
    const RECT topRight{2, 0, 4, 2};
    const GFXVECTOR3 at{100, 100, 0};
    sprite_->Draw(texture, &topRight, nullptr, &at, 0xFFFFFFFF);
    const RECT bottomRight{2, 2, 4, 4};
    const GFXVECTOR3 tinted{200, 100, 0};
    sprite_->Draw(texture, &bottomRight, nullptr, &tinted, 0xFF808000);
    const GFXVECTOR3 faint{200, 150, 0};
    sprite_->Draw(texture, &bottomRight, nullptr, &faint, 0x80FFFFFF);
    ASSERT_EQ(sprite_->End(), D3D_OK);
    const auto image = EndFrame();

    const RECT around{90, 90, 120, 120};
    const auto lit = LitBox(image, 0xFF000000, &around);
    EXPECT_EQ(lit.left, 100);
    EXPECT_EQ(lit.top, 100);
    EXPECT_EQ(lit.right, 102);
    EXPECT_EQ(lit.bottom, 102);
    ExpectNear(Rgb(image, 101, 101), 0x00FF00, 1);
    ExpectNear(Rgb(image, 200, 100), 0x808000, 2);
    ExpectNear(Rgb(image, 201, 151), 0x808080, 3);  // half white over black
    texture->Release();
}

// A caller that set its own blending and begins without the alpha-blend flag
// (the dialogs do) keeps its blending: translucent pictures stay translucent.
TEST_F(SpritePixelTest, BeginWithoutBlendFlagKeepsTheCallersBlending) {
    gfxutil::Image white(2, 2, 0xFFFFFFFFu);
    IDirect3DTexture9* texture = Texture(white);
    BeginFrame(0xFF000000);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    ASSERT_EQ(sprite_->Begin(GFXSPRITE_DONOTSAVESTATE), D3D_OK);
    const GFXVECTOR3 at{40, 40, 0};
    sprite_->Draw(texture, nullptr, nullptr, &at, 0x80FFFFFF);
    ASSERT_EQ(sprite_->End(), D3D_OK);
    const auto image = EndFrame();
    ExpectNear(Rgb(image, 40, 40), 0x808080, 3);
    DWORD blending = FALSE;
    device_->GetRenderState(D3DRS_ALPHABLENDENABLE, &blending);
    EXPECT_EQ(blending, static_cast<DWORD>(TRUE));
    texture->Release();
}

}  // namespace
