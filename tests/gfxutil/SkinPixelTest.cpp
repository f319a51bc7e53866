// The committed skin loaded from its file and drawn the way the dialogs
// draw elements: each texture rectangle scaled to fill a screen rectangle
// and tinted with a state colour.

#include "tests/support/GlTestDevice.h"
#include "tools/skingen/SkinLayout.h"
#include "gfxutil/GfxFont.h"
#include "gfxutil/GfxSprite.h"
#include "gfxutil/GfxTexture.h"

namespace {

class SkinPixelTest : public ondrel::testing::GlFrameTest {};

struct Placed {
    const char* element;
    RECT screen;
    D3DCOLOR tint;
};

TEST_F(SkinPixelTest, EveryElementDrawsFromTheLoadedSkin) {
    IDirect3DTexture9* skin = nullptr;
    GFXIMAGE_INFO info{};
    ASSERT_EQ(GfxCreateTextureFromFileExW(device_, u"" ONDREL_SOURCE_DIR "/media/UI\\Controls.dds", GFX_DEFAULT,
                                           GFX_DEFAULT, GFX_DEFAULT, 0, D3DFMT_UNKNOWN, D3DPOOL_MANAGED,
                                           GFX_DEFAULT, GFX_DEFAULT, 0, &info, nullptr, &skin),
              D3D_OK);
    IGfxSprite* sprite = nullptr;
    IGfxFont* font = nullptr;
    ASSERT_EQ(GfxCreateSprite(device_, &sprite), D3D_OK);
    ASSERT_EQ(GfxCreateFontW(device_, 14, 0, FW_NORMAL, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH, u"Arial", &font),
              D3D_OK);

    // A small panel: caption, buttons (normal, under the mouse), check box
    // and radio button with marks, an edit field, a combo box and a scroll bar.
    const Placed placed[] = {
        {"caption", {10, 10, 230, 28}, 0xFFFFFFFF},
        {"button face", {10, 40, 135, 62}, 0x96FFFFFF},
        {"button face", {10, 70, 135, 92}, 0xFFFFFFFF},
        {"button fill", {10, 70, 135, 92}, 0xA0FFFFFF},
        {"check box", {150, 40, 166, 56}, 0xFFFFFFFF},
        {"check mark", {150, 40, 166, 56}, 0xFFFFFFFF},
        {"radio box", {150, 70, 166, 86}, 0xFFFFFFFF},
        {"radio mark", {150, 70, 166, 86}, 0xFFFFFFFF},
        {"combo box main", {10, 105, 160, 129}, 0xFFFFFFFF},
        {"combo box button", {160, 105, 184, 129}, 0xFFFFFFFF},
        {"combo box dropdown", {10, 129, 184, 190}, 0xFFFFFFFF},
        {"combo box selection", {12, 131, 182, 147}, 0xFFFFFFFF},
        {"scroll bar up arrow", {190, 105, 206, 121}, 0xFFFFFFFF},
        {"scroll bar track", {190, 121, 206, 174}, 0xFFFFFFFF},
        {"scroll bar down arrow", {190, 174, 206, 190}, 0xFFFFFFFF},
        {"scroll bar thumb", {190, 125, 206, 145}, 0xFFFFFFFF},
        {"edit box text", {15, 205, 180, 220}, 0xFFFFFFFF},
        {"edit box top left", {10, 200, 15, 205}, 0xFFFFFFFF},
        {"edit box top", {15, 200, 180, 205}, 0xFFFFFFFF},
        {"edit box top right", {180, 200, 185, 205}, 0xFFFFFFFF},
        {"edit box left", {10, 205, 15, 220}, 0xFFFFFFFF},
        {"edit box right", {180, 205, 185, 220}, 0xFFFFFFFF},
        {"edit box bottom left", {10, 220, 15, 225}, 0xFFFFFFFF},
        {"edit box bottom", {15, 220, 180, 225}, 0xFFFFFFFF},
        {"edit box bottom right", {180, 220, 185, 225}, 0xFFFFFFFF},
    };
    BeginFrame(0xFF204050);
    ASSERT_EQ(sprite->Begin(GFXSPRITE_ALPHABLEND | GFXSPRITE_DONOTSAVESTATE), D3D_OK);
    for (const Placed& p : placed) {
        const auto* element = std::find_if(skingen::kSkinElements.begin(), skingen::kSkinElements.end(),
                                           [&](const auto& e) { return e.name == p.element; });
        ASSERT_NE(element, skingen::kSkinElements.end()) << p.element;
        const RECT& source = element->rect;
        const float sx = static_cast<float>(p.screen.right - p.screen.left) / static_cast<float>(source.right - source.left);
        const float sy = static_cast<float>(p.screen.bottom - p.screen.top) / static_cast<float>(source.bottom - source.top);
        GFXMATRIX scale;
        GfxMatrixScaling(&scale, sx, sy, 1);
        sprite->SetTransform(&scale);
        const GFXVECTOR3 position{static_cast<float>(p.screen.left) / sx, static_cast<float>(p.screen.top) / sy, 0};
        ASSERT_EQ(sprite->Draw(skin, &source, nullptr, &position, p.tint), D3D_OK);
    }
    GFXMATRIX identity;
    sprite->SetTransform(GfxMatrixIdentity(&identity));
    RECT text{15, 10, 230, 28};
    font->DrawTextW(sprite, u"Ondrel", -1, &text, DT_LEFT | DT_VCENTER, 0xFFFFFFFF);
    text = RECT{10, 40, 135, 62};
    font->DrawTextW(sprite, u"Import\u2026", -1, &text, DT_CENTER | DT_VCENTER, 0xFFFFFFFF);
    text = RECT{10, 70, 135, 92};
    font->DrawTextW(sprite, u"Export\u2026", -1, &text, DT_CENTER | DT_VCENTER, 0xFF000000);
    text = RECT{172, 40, 300, 56};
    font->DrawTextW(sprite, u"Check", -1, &text, DT_LEFT | DT_VCENTER, 0xFFFFFFFF);
    text = RECT{15, 205, 180, 220};
    font->DrawTextW(sprite, u"40.0", -1, &text, DT_LEFT | DT_VCENTER, 0xFF101010);
    text = RECT{16, 131, 182, 147};
    font->DrawTextW(sprite, u"Selected item", -1, &text, DT_LEFT | DT_VCENTER, 0xFFFFFFFF);
    ASSERT_EQ(sprite->End(), D3D_OK);
    const auto image = EndFrame();
    ondrel::testing::KeepScreenshot(image, "skin-elements");

    for (const Placed& p : placed) {
        EXPECT_FALSE(ondrel::testing::LitBox(image, 0xFF204050, &p.screen).empty) << p.element;
    }
    // The edit field is light behind dark text.
    EXPECT_GT(image.At(100, 212) & 0xFF, 0xE0u);
    font->Release();
    sprite->Release();
    skin->Release();
}

}  // namespace
