// Fonts on the recording device: glyph pages in the managed pool, uploads
// only when the atlas changed, measuring without device work, failures.

#include "tests/support/RecordingFixture.h"
#include "gfxutil/GfxFont.h"

namespace {

class FontDeviceTest : public ondrel::testing::RecordingSceneTest {
protected:
    void SetUp() override {
        RecordingSceneTest::SetUp();
        ASSERT_EQ(GfxCreateFontW(device_, 15, 0, FW_BOLD, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, u"Arial", &font_),
                  D3D_OK);
        World().ClearCalls();
    }
    void TearDown() override {
        if (font_ != nullptr) {
            EXPECT_EQ(font_->Release(), 0u);
        }
        RecordingSceneTest::TearDown();
    }
    INT Draw(const char16_t* text, DWORD format, IGfxSprite* sprite = nullptr) {
        RECT box{2, 0, 0, 0};
        return font_->DrawTextW(sprite, text, -1, &box, format, 0xFFFFFF00);
    }
    IGfxFont* font_ = nullptr;
};

TEST_F(FontDeviceTest, DescribesItselfAsCreated) {
    GFXFONT_DESCW desc{};
    ASSERT_EQ(font_->GetDescW(&desc), D3D_OK);
    EXPECT_EQ(desc.Height, 15);
    EXPECT_EQ(desc.Weight, 700u);
    EXPECT_EQ(std::u16string(desc.FaceName), u"Arial");
}

TEST_F(FontDeviceTest, GlyphPagesAreManagedAndUploadedOnlyWhenTheyChange) {
    EXPECT_EQ(Draw(u"59.98 fps", DT_NOCLIP), 15);
    EXPECT_EQ(Calls("IDirect3DDevice9::CreateTexture"), 1u);
    ASSERT_EQ(World().Calls().size() > 0, true);
    for (const auto& call : World().Calls()) {
        if (call.name == "IDirect3DDevice9::CreateTexture") {
            // width, height, levels, usage, A8R8G8B8 (21), managed pool (1)
            EXPECT_EQ(call.arguments.rfind("256, 256, 1, 0, 21, 1", 0), 0u) << call.arguments;
        }
    }
    EXPECT_EQ(Calls("IDirect3DTexture9::LockRect"), 1u);
    World().ClearCalls();
    EXPECT_EQ(Draw(u"98.59 fps", DT_NOCLIP), 15);  // the same glyphs again
    EXPECT_EQ(Calls("IDirect3DDevice9::CreateTexture"), 0u);
    EXPECT_EQ(Calls("IDirect3DTexture9::LockRect"), 0u);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 1u);  // one page, one draw
    World().ClearCalls();
    EXPECT_EQ(Draw(u"Q", DT_NOCLIP), 15);
    EXPECT_EQ(Calls("IDirect3DTexture9::LockRect"), 1u);
}

TEST_F(FontDeviceTest, MeasuringTouchesNoDevice) {
    RECT box{10, 10, 10, 10};
    const INT height = font_->DrawTextW(nullptr, u"Export\u2026", -1, &box, DT_CALCRECT, 0xFFFFFFFF);
    EXPECT_EQ(height, 15);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.bottom, 25);
    EXPECT_GT(box.right, 40);
    EXPECT_TRUE(World().Calls().empty());
}

TEST_F(FontDeviceTest, TextThroughACallersSpriteWaitsForItsFlush) {
    IGfxSprite* sprite = nullptr;
    ASSERT_EQ(GfxCreateSprite(device_, &sprite), D3D_OK);
    ASSERT_EQ(sprite->Begin(GFXSPRITE_ALPHABLEND | GFXSPRITE_SORT_TEXTURE), D3D_OK);
    EXPECT_EQ(Draw(u"line one", DT_NOCLIP, sprite), 15);
    EXPECT_EQ(Draw(u"line two", DT_NOCLIP, sprite), 15);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 0u);
    ASSERT_EQ(sprite->End(), D3D_OK);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 1u);
    sprite->Release();
}

TEST_F(FontDeviceTest, FailuresAnswerZeroAndLeaveNothingBehind) {
    World().FailCall("IDirect3DDevice9::CreateTexture", E_OUTOFMEMORY, 1);
    EXPECT_EQ(Draw(u"text", DT_NOCLIP), 0);
    EXPECT_EQ(Draw(u"text", DT_NOCLIP), 15);  // the next draw tries again
    World().FailCall("IDirect3DDevice9::DrawPrimitiveUP", D3DERR_INVALIDCALL, 1);
    EXPECT_EQ(Draw(u"text", DT_NOCLIP), 0);
    EXPECT_EQ(font_->DrawTextW(nullptr, nullptr, -1, nullptr, 0, 0), 0);
}

TEST_F(FontDeviceTest, SurvivesALostAndResetDevice) {
    EXPECT_EQ(Draw(u"before", DT_NOCLIP), 15);
    EXPECT_EQ(font_->OnLostDevice(), D3D_OK);
    EXPECT_EQ(World().LiveObjects(ondrel::graphics::ObjectKind::StateBlock), 0);
    EXPECT_EQ(font_->OnResetDevice(), D3D_OK);
    World().ClearCalls();
    EXPECT_EQ(Draw(u"before", DT_NOCLIP), 15);
    EXPECT_EQ(Calls("IDirect3DDevice9::CreateTexture"), 0u);  // managed pages survive
}

TEST(FontCreationTest, RefusesMissingArguments) {
    IGfxFont* font = reinterpret_cast<IGfxFont*>(1);
    EXPECT_EQ(GfxCreateFontW(nullptr, 14, 0, 400, 1, FALSE, 1, 0, 0, 0, u"Arial", &font), D3DERR_INVALIDCALL);
}

}  // namespace
