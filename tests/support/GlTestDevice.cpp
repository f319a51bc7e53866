#include "tests/support/GlTestDevice.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdlib>

#include "platform/d3d9/GraphicsBackend.h"
#include "platform/opengl/OpenGlDirect3D.h"
#include "platform/win32/NativeWindowLookup.h"
#include "tools/skingen/PngFile.h"

namespace ondrel::testing {

graphics::PixelImage ReadBackBuffer(IDirect3DDevice9* device, UINT width, UINT height) {
    graphics::PixelImage copy;
    IDirect3DSurface9* backBuffer = nullptr;
    IDirect3DSurface9* memory = nullptr;
    EXPECT_EQ(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
    EXPECT_EQ(device->CreateOffscreenPlainSurface(width, height, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM, &memory, nullptr),
              D3D_OK);
    D3DLOCKED_RECT locked{};
    if (backBuffer != nullptr && memory != nullptr) {
        EXPECT_EQ(device->GetRenderTargetData(backBuffer, memory), D3D_OK);
        EXPECT_EQ(memory->LockRect(&locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    }
    if (locked.pBits != nullptr) {
        copy.Allocate(D3DFMT_X8R8G8B8, width, height);
        for (UINT y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
            for (UINT x = 0; x < width; ++x) copy.SetPixelArgb(x, y, row[x]);
        }
        memory->UnlockRect();
    }
    if (memory != nullptr) memory->Release();
    if (backBuffer != nullptr) backBuffer->Release();
    return copy;
}

gfxutil::Image ToImage(const graphics::PixelImage& pixels) {
    gfxutil::Image image(static_cast<int>(pixels.Width()), static_cast<int>(pixels.Height()));
    for (UINT y = 0; y < pixels.Height(); ++y) {
        for (UINT x = 0; x < pixels.Width(); ++x) {
            image.At(static_cast<int>(x), static_cast<int>(y)) = pixels.PixelArgb(x, y) | 0xFF000000u;
        }
    }
    return image;
}

void KeepScreenshot(const gfxutil::Image& image, const std::string& name) {
    if (const char* folder = std::getenv("ONDREL_SCREENSHOT_DIR")) {
        skingen::WritePng(std::string(folder) + "/" + name + ".png", image);
    }
}

void GlDeviceFixture::SetUp() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    // One extra hold on the GL library for the whole run: destroying the
    // last GL window would unload it, and the leak checker could then no
    // longer tell the driver's lasting allocations from ours. SDL's video
    // stays up to the end of the program for the same reason.
    static const bool glLibraryHeld = SDL_GL_LoadLibrary(nullptr) == 0;
    ASSERT_TRUE(glLibraryHeld) << SDL_GetError();
    window_ = SDL_CreateWindow("graphics test", 0, 0, static_cast<int>(target_.width), static_cast<int>(target_.height),
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    SDL_Window* window = window_;
    platform::SetNativeWindowLookup([window](HWND handle) -> void* {
        return reinterpret_cast<SDL_Window*>(handle) == window ? window : nullptr;
    });
    graphics::UseOpenGlBackend();
    graphics::ResetGraphicsBackend();
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d_, nullptr);

    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = target_.width;
    pp.BackBufferHeight = target_.height;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 1;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = target_.depth ? TRUE : FALSE;
    pp.AutoDepthStencilFormat = D3DFMT_D24S8;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    const HWND hwnd = reinterpret_cast<HWND>(window_);
    pp.hDeviceWindow = hwnd;
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, hwnd, target_.vertexProcessing, &pp, &device_), D3D_OK);
    if (!target_.openScene) return;
    const DWORD clear = D3DCLEAR_TARGET | (target_.depth ? D3DCLEAR_ZBUFFER : 0);
    ASSERT_EQ(device_->Clear(0, nullptr, clear, 0xFF000000, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
}

void GlDeviceFixture::TearDown() {
    if (device_ != nullptr) {
        if (target_.openScene) device_->EndScene();
        EXPECT_EQ(device_->Release(), 0u) << "something still holds the device";
    }
    if (d3d_ != nullptr) {
        EXPECT_EQ(d3d_->Release(), 0u);
    }
    platform::ResetNativeWindowLookup();
    if (window_ != nullptr) SDL_DestroyWindow(window_);
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

void GlFrameTest::BeginFrame(D3DCOLOR clear) {
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, clear, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
}

gfxutil::Image GlFrameTest::EndFrame() {
    EXPECT_EQ(device_->EndScene(), D3D_OK);
    return ToImage(Screenshot());
}

PixelBox LitBox(const gfxutil::Image& image, std::uint32_t background, const RECT* within) {
    PixelBox box;
    const RECT area = within != nullptr ? *within : RECT{0, 0, image.width, image.height};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if ((image.At(x, y) & 0xFFFFFFu) == (background & 0xFFFFFFu)) continue;
            if (box.empty) box = PixelBox{x, y, x + 1, y + 1, false};
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    return box;
}

void OpenWindowedGlDevice(HWND window, IDirect3D9*& d3d, IDirect3DDevice9*& device, D3DPRESENT_PARAMETERS& taken) {
    taken = D3DPRESENT_PARAMETERS{};
    taken.Windowed = TRUE;
    taken.SwapEffect = D3DSWAPEFFECT_DISCARD;
    graphics::UseOpenGlBackend();
    graphics::ResetGraphicsBackend();
    d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    ASSERT_EQ(d3d->CreateDevice(0, D3DDEVTYPE_HAL, window, D3DCREATE_HARDWARE_VERTEXPROCESSING, &taken, &device),
              D3D_OK);
}

}  // namespace ondrel::testing
