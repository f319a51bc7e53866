#include "GlTestDevice.h"

#include <cstdlib>

#include "platform/d3d9/GraphicsBackend.h"
#include "platform/opengl/OpenGlDirect3D.h"
#include "platform/win32/NativeWindowLookup.h"

namespace ondrel::graphics::testing {

void GlDeviceTest::SetUp() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    // One extra hold on the GL library for the whole run, for the same
    // reason as in TearDown: destroying the last GL window would unload it.
    static const bool glLibraryHeld = SDL_GL_LoadLibrary(nullptr) == 0;
    ASSERT_TRUE(glLibraryHeld) << SDL_GetError();
    window_ = SDL_CreateWindow("graphics test", 0, 0, kTargetSize, kTargetSize, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    SDL_Window* window = window_;
    platform::SetNativeWindowLookup([window](HWND handle) -> void* {
        return reinterpret_cast<SDL_Window*>(handle) == window ? window : nullptr;
    });
    UseOpenGlBackend();
    ResetGraphicsBackend();
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d_, nullptr);

    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = kTargetSize;
    pp.BackBufferHeight = kTargetSize;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D24S8;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    const HWND hwnd = reinterpret_cast<HWND>(window_);
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, hwnd, D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device_), D3D_OK);
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
}

void GlDeviceTest::TearDown() {
    if (device_ != nullptr) {
        device_->EndScene();
        EXPECT_EQ(device_->Release(), 0u);
    }
    if (d3d_ != nullptr) {
        EXPECT_EQ(d3d_->Release(), 0u);
    }
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    platform::ResetNativeWindowLookup();
    // SDL's video stays up to the end of the program: shutting it down
    // unloads the GL driver, and the leak checker could then no longer tell
    // the driver's own lasting allocations from ours.
}

PixelImage GlDeviceTest::Screenshot() {
    PixelImage copy;
    IDirect3DSurface9* backBuffer = nullptr;
    IDirect3DSurface9* memory = nullptr;
    EXPECT_EQ(device_->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
    EXPECT_EQ(device_->CreateOffscreenPlainSurface(kTargetSize, kTargetSize, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM,
                                                   &memory, nullptr),
              D3D_OK);
    if (backBuffer == nullptr || memory == nullptr) return copy;
    EXPECT_EQ(device_->GetRenderTargetData(backBuffer, memory), D3D_OK);
    D3DLOCKED_RECT locked{};
    EXPECT_EQ(memory->LockRect(&locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    copy.Allocate(D3DFMT_X8R8G8B8, kTargetSize, kTargetSize);
    for (UINT y = 0; y < kTargetSize; ++y) {
        const auto* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
        for (UINT x = 0; x < kTargetSize; ++x) copy.SetPixelArgb(x, y, row[x]);
    }
    memory->UnlockRect();
    memory->Release();
    backBuffer->Release();
    return copy;
}

DWORD GlDeviceTest::Pixel(UINT x, UINT y) { return Screenshot().PixelArgb(x, y) & 0x00FFFFFFu; }

void GlDeviceTest::DrawScreenQuad(float left, float top, float right, float bottom, D3DCOLOR colour, float u0,
                                  float v0, float u1, float v1) {
    const ScreenVertex quad[4] = {{left, top, 0.5f, 1.0f, colour, u0, v0},
                                  {right, top, 0.5f, 1.0f, colour, u1, v0},
                                  {right, bottom, 0.5f, 1.0f, colour, u1, v1},
                                  {left, bottom, 0.5f, 1.0f, colour, u0, v1}};
    ASSERT_EQ(device_->SetFVF(kScreenVertexFvf), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(ScreenVertex)), D3D_OK);
}

}  // namespace ondrel::graphics::testing
