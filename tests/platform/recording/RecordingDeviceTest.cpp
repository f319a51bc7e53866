// Device logic on the recording backend: reference counts, device loss and
// reset, failure injection, the call log, drawing checks and screenshots.

#include <cstring>

#include "tests/support/RecordingFixture.h"
#include "platform/d3d9/DeviceCore.h"
#include "platform/recording/RecordingRenderer.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

class RecordingDeviceTest : public RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        ASSERT_EQ(MakeDevice(), D3D_OK);
    }
};

TEST_F(RecordingDeviceTest, ReleaseAnswersWhatRemainsAndResourcesHoldTheDevice) {
    EXPECT_EQ(device_->AddRef(), 2u);
    EXPECT_EQ(device_->Release(), 1u);

    IDirect3DVertexBuffer9* buffer = nullptr;
    ASSERT_EQ(device_->CreateVertexBuffer(84, 0, 0x52, D3DPOOL_MANAGED, &buffer, nullptr), D3D_OK);
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr), D3D_OK);
    EXPECT_EQ(device_->AddRef(), 4u) << "one reference each for the caller, the buffer and the texture";
    device_->Release();

    // Bound objects stay usable, but only what callers hold keeps the device.
    device_->SetStreamSource(0, buffer, 0, 28);
    device_->SetTexture(0, texture);
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(world_->LiveObjects(ObjectKind::VertexBuffer), 1) << "still bound to stream 0";
    IDirect3DBaseTexture9* bound = nullptr;
    ASSERT_EQ(device_->GetTexture(0, &bound), D3D_OK);
    EXPECT_EQ(bound, texture);
    EXPECT_EQ(bound->Release(), 0u);

    // A leak: the framework's check sees a count above zero.
    IDirect3DSurface9* leaked = nullptr;
    ASSERT_EQ(device_->CreateOffscreenPlainSurface(32, 32, D3DFMT_A8R8G8B8, D3DPOOL_SCRATCH, &leaked, nullptr), D3D_OK);
    EXPECT_EQ(device_->Release(), 1u);
    EXPECT_EQ(world_->LiveObjects(ObjectKind::Device), 1);
    EXPECT_EQ(leaked->Release(), 0u);
    device_ = nullptr;
    EXPECT_EQ(world_->LiveObjects(ObjectKind::Device), 0);
    EXPECT_EQ(world_->LiveObjects(ObjectKind::VertexBuffer), 0) << "bindings go with the device";
    EXPECT_EQ(world_->LiveObjects(ObjectKind::Texture), 0);
}

TEST_F(RecordingDeviceTest, TheLastReferenceMayBeAResourceAfterDeviceAndSystem) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(4, 4, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr), D3D_OK);
    EXPECT_EQ(texture->GetLevelCount(), 3u);
    IDirect3DSurface9* level = nullptr;
    ASSERT_EQ(texture->GetSurfaceLevel(1, &level), D3D_OK);
    EXPECT_EQ(texture->Release(), 1u) << "the level surface holds its texture";
    EXPECT_EQ(device_->Release(), 1u);
    device_ = nullptr;
    EXPECT_EQ(d3d_->Release(), 1u) << "the device keeps the system object";
    d3d_ = nullptr;
    D3DSURFACE_DESC desc{};
    ASSERT_EQ(level->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Width, 2u);
    EXPECT_EQ(level->Release(), 0u);
    EXPECT_EQ(world_->LiveObjectsTotal(), 0);
}

TEST_F(RecordingDeviceTest, LostOnPresentUntilResetWithNothingInTheDefaultPool) {
    world_->LoseDeviceOnPresent();
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(device_->TestCooperativeLevel(), D3DERR_DEVICELOST);
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    D3DPRESENT_PARAMETERS pp = WindowedParameters();
    EXPECT_EQ(device_->Reset(&pp), D3DERR_DEVICELOST) << "not yet resettable";
    EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0), D3D_OK) << "lost devices draw nothing, quietly";

    world_->AllowReset();
    EXPECT_EQ(device_->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);

    IDirect3DStateBlock9* block = nullptr;
    IDirect3DSurface9* backBuffer = nullptr;
    ASSERT_EQ(device_->CreateStateBlock(D3DSBT_ALL, &block), D3D_OK);
    ASSERT_EQ(device_->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
    EXPECT_EQ(device_->Reset(&pp), D3DERR_INVALIDCALL) << "state block and back buffer still held";
    block->Release();
    EXPECT_EQ(device_->Reset(&pp), D3DERR_INVALIDCALL) << "back buffer still held";
    backBuffer->Release();

    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    pp.BackBufferWidth = 800;
    pp.BackBufferHeight = 600;
    ASSERT_EQ(device_->Reset(&pp), D3D_OK);
    EXPECT_EQ(device_->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    DWORD lighting = 0;
    device_->GetRenderState(D3DRS_LIGHTING, &lighting);
    EXPECT_EQ(lighting, static_cast<DWORD>(TRUE)) << "reset restores the default states";
    D3DVIEWPORT9 viewport{};
    device_->GetViewport(&viewport);
    EXPECT_EQ(viewport.Width, 800u);
}

TEST_F(RecordingDeviceTest, InjectedFailuresOfResetCreationAndLocks) {
    world_->FailCall("IDirect3DDevice9::Reset", D3DERR_DEVICELOST, 1);
    D3DPRESENT_PARAMETERS pp = WindowedParameters();
    EXPECT_EQ(device_->Reset(&pp), D3DERR_DEVICELOST);
    EXPECT_EQ(device_->TestCooperativeLevel(), D3DERR_DEVICELOST) << "a reset lost on the way leaves the device lost";
    world_->AllowReset();
    EXPECT_EQ(device_->Reset(&pp), D3D_OK);

    world_->FailCall("IDirect3DDevice9::CreateVertexBuffer", E_OUTOFMEMORY);
    IDirect3DVertexBuffer9* buffer = reinterpret_cast<IDirect3DVertexBuffer9*>(1);
    EXPECT_EQ(device_->CreateVertexBuffer(28, 0, 0x52, D3DPOOL_MANAGED, &buffer, nullptr), E_OUTOFMEMORY);
    EXPECT_EQ(buffer, nullptr);
    world_->ClearFailures();
    ASSERT_EQ(device_->CreateVertexBuffer(28, 0, 0x52, D3DPOOL_MANAGED, &buffer, nullptr), D3D_OK);

    world_->FailCall("IDirect3DVertexBuffer9::Lock", D3DERR_INVALIDCALL, 1);
    void* data = nullptr;
    EXPECT_EQ(buffer->Lock(0, 0, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(buffer->Lock(0, 0, &data, 0), D3D_OK);
    EXPECT_EQ(buffer->Unlock(), D3D_OK);
    EXPECT_EQ(buffer->Lock(0, 29, &data, 0), D3DERR_INVALIDCALL) << "beyond the buffer";
    buffer->Release();

    world_->FailCall("IDirect3DDevice9::CreateTexture", D3DERR_OUTOFVIDEOMEMORY, 1);
    IDirect3DTexture9* texture = nullptr;
    EXPECT_EQ(device_->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
              D3DERR_OUTOFVIDEOMEMORY);
    world_->FailCall("IDirect3DDevice9::TestCooperativeLevel", D3DERR_DRIVERINTERNALERROR, 1);
    EXPECT_EQ(device_->TestCooperativeLevel(), D3DERR_DRIVERINTERNALERROR);
    EXPECT_EQ(device_->TestCooperativeLevel(), D3D_OK);
}

TEST_F(RecordingDeviceTest, CallLogKeepsNamesArgumentsAndOrder) {
    world_->ClearCalls();
    device_->SetRenderState(D3DRS_AMBIENT, 0x00404040);
    device_->LightEnable(1, FALSE);
    device_->BeginScene();
    device_->EndScene();
    const std::vector<std::string> expected = {"IDirect3DDevice9::SetRenderState", "IDirect3DDevice9::LightEnable",
                                               "IDirect3DDevice9::BeginScene", "IDirect3DDevice9::EndScene"};
    EXPECT_EQ(world_->CallNames(), expected);
    EXPECT_EQ(world_->Calls()[0].arguments, "139, 4210752");
    EXPECT_EQ(world_->Calls()[1].arguments, "1, 0");
}

TEST_F(RecordingDeviceTest, DrawsAreCheckedAgainstSceneFormatAndBuffer) {
    IDirect3DVertexBuffer9* buffer = nullptr;
    ASSERT_EQ(device_->CreateVertexBuffer(6 * 28, 0, 0x52, D3DPOOL_MANAGED, &buffer, nullptr), D3D_OK);
    device_->SetFVF(0x52);
    device_->SetStreamSource(0, buffer, 0, 28);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3DERR_INVALIDCALL) << "outside a scene";
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    EXPECT_EQ(device_->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 1, 2), D3DERR_INVALIDCALL) << "past the buffer's end";
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLEFAN, 0, 4), D3D_OK);

    const float quad[4][7] = {};
    device_->SetFVF(0x144);
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, 28), D3D_OK);
    IDirect3DVertexBuffer9* stream = buffer;
    UINT offset = 1, stride = 1;
    device_->GetStreamSource(0, &stream, &offset, &stride);
    EXPECT_EQ(stream, nullptr) << "user-memory draws leave stream 0 unset";
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, 12), D3DERR_INVALIDCALL) << "stride below format";
    device_->SetFVF(D3DFVF_NORMAL);
    EXPECT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, 28), D3DERR_INVALIDCALL) << "no position";
    EXPECT_EQ(device_->EndScene(), D3D_OK);

    recording::RecordingRenderer* renderer = &world_->Renderer();
    EXPECT_EQ(renderer->DrawCount(), 3u);
    EXPECT_EQ(renderer->PrimitiveCount(), 2u + 4u + 2u);
    buffer->Release();
}

TEST_F(RecordingDeviceTest, ScreenshotsReadTheClearedBackBuffer) {
    EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0x00003F3F, 1.0f, 0), D3D_OK);
    IDirect3DSurface9* backBuffer = nullptr;
    IDirect3DSurface9* copy = nullptr;
    ASSERT_EQ(device_->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
    ASSERT_EQ(device_->CreateOffscreenPlainSurface(640, 480, D3DFMT_X8R8G8B8, D3DPOOL_SCRATCH, &copy, nullptr),
              D3D_OK);
    EXPECT_EQ(device_->GetRenderTargetData(backBuffer, copy), D3DERR_INVALIDCALL) << "needs system memory";
    copy->Release();
    ASSERT_EQ(device_->CreateOffscreenPlainSurface(640, 480, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM, &copy, nullptr),
              D3D_OK);
    ASSERT_EQ(device_->GetRenderTargetData(backBuffer, copy), D3D_OK);
    D3DLOCKED_RECT locked{};
    ASSERT_EQ(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    DWORD pixel = 0;
    std::memcpy(&pixel, static_cast<BYTE*>(locked.pBits) + 479 * locked.Pitch + 639 * 4, 4);
    EXPECT_EQ(pixel & 0xFFFFFFu, 0x003F3Fu);
    copy->UnlockRect();
    copy->Release();
    EXPECT_EQ(backBuffer->LockRect(&locked, nullptr, 0), D3DERR_INVALIDCALL) << "back buffer not lockable";
    backBuffer->Release();
}

TEST_F(RecordingDeviceTest, HardwareCursorFromAScratchSurface) {
    IDirect3DSurface9* image = nullptr;
    ASSERT_EQ(device_->CreateOffscreenPlainSurface(32, 32, D3DFMT_A8R8G8B8, D3DPOOL_SCRATCH, &image, nullptr), D3D_OK);
    D3DLOCKED_RECT locked{};
    ASSERT_EQ(image->LockRect(&locked, nullptr, 0), D3D_OK);
    static_cast<DWORD*>(locked.pBits)[0] = 0xFF123456;
    image->UnlockRect();
    EXPECT_EQ(device_->SetCursorProperties(3, 4, image), D3D_OK);
    EXPECT_EQ(device_->SetCursorProperties(40, 4, image), D3DERR_INVALIDCALL) << "hot spot outside";
    EXPECT_EQ(image->Release(), 0u) << "the device keeps a copy, not the surface";
    EXPECT_EQ(device_->ShowCursor(TRUE), FALSE);
    EXPECT_EQ(device_->ShowCursor(TRUE), TRUE);
    device_->SetCursorPosition(100, 50, 0);

    recording::RecordingRenderer* renderer = &world_->Renderer();
    EXPECT_EQ(renderer->CursorImage().PixelArgb(0, 0), 0xFF123456u);
    EXPECT_EQ(renderer->CursorHotSpot().y, 4);
    EXPECT_EQ(world_->Devices().front()->CursorPosition().x, 100);
}

}  // namespace
}  // namespace ondrel::testing
