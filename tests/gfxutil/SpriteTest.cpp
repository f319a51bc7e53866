// Sprite batches on the recording device: how draws are grouped, and that
// a batch leaves the device's state as it found it unless told otherwise.

#include "tests/support/RecordingFixture.h"
#include "gfxutil/GfxSprite.h"

namespace {

class SpriteTest : public ondrel::testing::RecordingSceneTest {
protected:
    void SetUp() override {
        RecordingSceneTest::SetUp();
        ASSERT_EQ(GfxCreateSprite(device_, &sprite_), D3D_OK);
        ASSERT_EQ(device_->CreateTexture(16, 16, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &a_, nullptr), D3D_OK);
        ASSERT_EQ(device_->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &b_, nullptr), D3D_OK);
        World().ClearCalls();
    }
    void TearDown() override {
        if (sprite_ != nullptr) {
            EXPECT_EQ(sprite_->Release(), 0u);
        }
        a_->Release();
        b_->Release();
        RecordingSceneTest::TearDown();
    }
    void DrawAlternating() {
        for (IDirect3DTexture9* t : {a_, b_, a_, b_}) {
            ASSERT_EQ(sprite_->Draw(t, nullptr, nullptr, nullptr, 0xFFFFFFFF), D3D_OK);
        }
    }
    DWORD RenderState(D3DRENDERSTATETYPE state) {
        DWORD value = 0;
        device_->GetRenderState(state, &value);
        return value;
    }

    IGfxSprite* sprite_ = nullptr;
    IDirect3DTexture9* a_ = nullptr;
    IDirect3DTexture9* b_ = nullptr;
};

TEST_F(SpriteTest, OneDrawPerRunOfEqualTexturesSortedWhenAsked) {
    ASSERT_EQ(sprite_->Begin(GFXSPRITE_ALPHABLEND), D3D_OK);
    DrawAlternating();
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 0u);  // nothing before a flush
    ASSERT_EQ(sprite_->End(), D3D_OK);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 4u);

    World().ClearCalls();
    ASSERT_EQ(sprite_->Begin(GFXSPRITE_ALPHABLEND | GFXSPRITE_SORT_TEXTURE), D3D_OK);
    DrawAlternating();
    ASSERT_EQ(sprite_->Flush(), D3D_OK);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 2u);
    ASSERT_EQ(sprite_->End(), D3D_OK);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 2u);  // the flush emptied the batch
}

TEST_F(SpriteTest, BatchRestoresTheDeviceStateUnlessToldNotToSaveIt) {
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device_->SetRenderState(D3DRS_LIGHTING, TRUE);
    device_->SetRenderState(D3DRS_ZENABLE, TRUE);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    device_->SetFVF(0x52);
    device_->SetTexture(0, nullptr);

    ASSERT_EQ(sprite_->Begin(GFXSPRITE_ALPHABLEND), D3D_OK);
    EXPECT_EQ(RenderState(D3DRS_ALPHABLENDENABLE), static_cast<DWORD>(TRUE));
    DrawAlternating();
    ASSERT_EQ(sprite_->End(), D3D_OK);
    EXPECT_EQ(RenderState(D3DRS_ALPHABLENDENABLE), static_cast<DWORD>(FALSE));
    EXPECT_EQ(RenderState(D3DRS_LIGHTING), static_cast<DWORD>(TRUE));
    EXPECT_EQ(RenderState(D3DRS_ZENABLE), static_cast<DWORD>(TRUE));
    EXPECT_EQ(RenderState(D3DRS_CULLMODE), static_cast<DWORD>(D3DCULL_CW));
    DWORD fvf = 0;
    device_->GetFVF(&fvf);
    EXPECT_EQ(fvf, 0x52u);
    IDirect3DBaseTexture9* bound = nullptr;
    device_->GetTexture(0, &bound);
    EXPECT_EQ(bound, nullptr);
    if (bound != nullptr) {
        bound->Release();
    }

    ASSERT_EQ(sprite_->Begin(GFXSPRITE_ALPHABLEND | GFXSPRITE_DONOTSAVESTATE), D3D_OK);
    DrawAlternating();
    ASSERT_EQ(sprite_->End(), D3D_OK);
    EXPECT_EQ(RenderState(D3DRS_ALPHABLENDENABLE), static_cast<DWORD>(TRUE));
    EXPECT_EQ(RenderState(D3DRS_LIGHTING), static_cast<DWORD>(FALSE));
}

TEST_F(SpriteTest, CallsOutOfOrderAreRefusedAndLostDevicesDropTheBatch) {
    EXPECT_EQ(sprite_->Draw(a_, nullptr, nullptr, nullptr, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite_->Flush(), D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite_->End(), D3DERR_INVALIDCALL);
    ASSERT_EQ(sprite_->Begin(0), D3D_OK);
    EXPECT_EQ(sprite_->Begin(0), D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite_->Draw(nullptr, nullptr, nullptr, nullptr, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    DrawAlternating();
    // Losing the device forgets the queued sprites and the saved state.
    ASSERT_EQ(sprite_->OnLostDevice(), D3D_OK);
    EXPECT_EQ(World().LiveObjects(ondrel::graphics::ObjectKind::StateBlock), 0);
    ASSERT_EQ(sprite_->End(), D3D_OK);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 0u);
    ASSERT_EQ(sprite_->OnResetDevice(), D3D_OK);
    ASSERT_EQ(sprite_->Begin(GFXSPRITE_ALPHABLEND), D3D_OK);
    ASSERT_EQ(sprite_->End(), D3D_OK);
}

TEST_F(SpriteTest, AFailedStateBlockFailsBegin) {
    World().FailCall("IDirect3DDevice9::CreateStateBlock", E_OUTOFMEMORY);
    EXPECT_EQ(sprite_->Begin(GFXSPRITE_ALPHABLEND), E_OUTOFMEMORY);
    // Without saving there is nothing to create.
    EXPECT_EQ(sprite_->Begin(GFXSPRITE_ALPHABLEND | GFXSPRITE_DONOTSAVESTATE), D3D_OK);
    EXPECT_EQ(sprite_->End(), D3D_OK);
}

}  // namespace
