// State blocks on the recording backend: what they capture, what Apply puts
// back, recorded blocks, and the objects they keep.

#include "tests/support/RecordingFixture.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

class StateBlockTest : public RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        ASSERT_EQ(MakeDevice(), D3D_OK);
    }
    DWORD RenderState(D3DRENDERSTATETYPE state) {
        DWORD value = 0xDEADBEEF;
        EXPECT_EQ(device_->GetRenderState(state, &value), D3D_OK);
        return value;
    }
};

TEST_F(StateBlockTest, DefaultsTheScenesRelyOn) {
    EXPECT_EQ(RenderState(D3DRS_CULLMODE), static_cast<DWORD>(D3DCULL_CCW));
    EXPECT_EQ(RenderState(D3DRS_LIGHTING), static_cast<DWORD>(TRUE));
    EXPECT_EQ(RenderState(D3DRS_COLORVERTEX), static_cast<DWORD>(TRUE));
    EXPECT_EQ(RenderState(D3DRS_ALPHAFUNC), static_cast<DWORD>(D3DCMP_ALWAYS));
    EXPECT_EQ(RenderState(D3DRS_ZENABLE), static_cast<DWORD>(D3DZB_TRUE)) << "depth buffer requested";
    EXPECT_EQ(RenderState(D3DRS_DIFFUSEMATERIALSOURCE), static_cast<DWORD>(D3DMCS_COLOR1));
    DWORD op = 0;
    device_->GetTextureStageState(0, D3DTSS_COLOROP, &op);
    EXPECT_EQ(op, static_cast<DWORD>(D3DTOP_MODULATE));
    device_->GetTextureStageState(1, D3DTSS_COLOROP, &op);
    EXPECT_EQ(op, static_cast<DWORD>(D3DTOP_DISABLE));
    BOOL enabled = TRUE;
    EXPECT_EQ(device_->GetLightEnable(0, &enabled), D3DERR_INVALIDCALL) << "no light set yet";
    ASSERT_EQ(device_->LightEnable(3, TRUE), D3D_OK);
    D3DLIGHT9 light{};
    ASSERT_EQ(device_->GetLight(3, &light), D3D_OK);
    EXPECT_EQ(light.Type, D3DLIGHT_DIRECTIONAL) << "enabling an unset slot gives the default light";
    EXPECT_EQ(light.Direction.z, 1.0f);
}

TEST_F(StateBlockTest, ApplyRestoresEverythingAnAllBlockCaptured) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr), D3D_OK);
    device_->SetTexture(0, texture);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    D3DMATRIX world{};
    world._11 = world._22 = world._33 = world._44 = 2.0f;
    device_->SetTransform(D3DTS_WORLD, &world);
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Direction = {0, -1, 0};
    device_->SetLight(0, &light);
    device_->LightEnable(0, TRUE);
    device_->SetFVF(0x144);

    IDirect3DStateBlock9* block = nullptr;
    ASSERT_EQ(device_->CreateStateBlock(D3DSBT_ALL, &block), D3D_OK);

    device_->SetTexture(0, nullptr);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    D3DMATRIX identity{};
    identity._11 = identity._22 = identity._33 = identity._44 = 1.0f;
    device_->SetTransform(D3DTS_WORLD, &identity);
    device_->LightEnable(0, FALSE);
    device_->SetFVF(0x52);
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(world_->LiveObjects(ObjectKind::Texture), 1) << "the block keeps the captured texture";

    ASSERT_EQ(block->Apply(), D3D_OK);
    EXPECT_EQ(RenderState(D3DRS_ALPHABLENDENABLE), static_cast<DWORD>(TRUE));
    D3DMATRIX got{};
    device_->GetTransform(D3DTS_WORLD, &got);
    EXPECT_EQ(got._11, 2.0f);
    BOOL enabled = FALSE;
    device_->GetLightEnable(0, &enabled);
    EXPECT_NE(enabled, FALSE);
    DWORD fvf = 0;
    device_->GetFVF(&fvf);
    EXPECT_EQ(fvf, 0x144u);
    IDirect3DBaseTexture9* bound = nullptr;
    device_->GetTexture(0, &bound);
    EXPECT_NE(bound, nullptr);
    bound->Release();

    device_->SetTexture(0, nullptr);
    EXPECT_EQ(block->Release(), 0u);
    EXPECT_EQ(world_->LiveObjects(ObjectKind::Texture), 0) << "released with the block";
}

TEST_F(StateBlockTest, CaptureTakesCurrentValuesAndPixelBlocksLeaveVertexStateAlone) {
    IDirect3DStateBlock9* pixel = nullptr;
    ASSERT_EQ(device_->CreateStateBlock(D3DSBT_PIXELSTATE, &pixel), D3D_OK);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    ASSERT_EQ(pixel->Capture(), D3D_OK);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ZERO);
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    ASSERT_EQ(pixel->Apply(), D3D_OK);
    EXPECT_EQ(RenderState(D3DRS_SRCBLEND), static_cast<DWORD>(D3DBLEND_SRCALPHA));
    EXPECT_EQ(RenderState(D3DRS_LIGHTING), static_cast<DWORD>(FALSE)) << "lighting is vertex state";
    pixel->Release();
}

TEST_F(StateBlockTest, RecordedBlocksHoldOnlyWhatWasSetAndDoNotTouchTheDevice) {
    ASSERT_EQ(device_->BeginStateBlock(), D3D_OK);
    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    EXPECT_EQ(RenderState(D3DRS_FILLMODE), static_cast<DWORD>(D3DFILL_SOLID)) << "recorded, not applied";
    IDirect3DStateBlock9* nested = nullptr;
    EXPECT_EQ(device_->CreateStateBlock(D3DSBT_ALL, &nested), D3DERR_INVALIDCALL);
    IDirect3DStateBlock9* recorded = nullptr;
    ASSERT_EQ(device_->EndStateBlock(&recorded), D3D_OK);

    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    ASSERT_EQ(recorded->Apply(), D3D_OK);
    EXPECT_EQ(RenderState(D3DRS_FILLMODE), static_cast<DWORD>(D3DFILL_WIREFRAME));
    EXPECT_EQ(RenderState(D3DRS_CULLMODE), static_cast<DWORD>(D3DCULL_NONE)) << "not recorded, left alone";
    DWORD op = 0;
    device_->GetTextureStageState(0, D3DTSS_COLOROP, &op);
    EXPECT_EQ(op, static_cast<DWORD>(D3DTOP_SELECTARG2));
    EXPECT_EQ(device_->EndStateBlock(&recorded), D3DERR_INVALIDCALL) << "no recording open";
    recorded->Release();
}

}  // namespace
}  // namespace ondrel::testing
