#include "GlDevice.h"

#include "tools/skingen/PngFile.h"
#include "platform/opengl/OpenGlDirect3D.h"
#include "platform/win32/NativeWindowLookup.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace gfxtest {
namespace {
int windowStandIn = 0;
HWND StandInHandle() { return reinterpret_cast<HWND>(&windowStandIn); }
}  // namespace

void GlDeviceTest::SetUp() {
    if (std::getenv("DISPLAY") == nullptr) {
        // Without an X server, render through EGL into memory.
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        GTEST_SKIP() << "no video: " << SDL_GetError();
    }
    // Hold the GL library for the whole run: SDL unloads it with the last GL
    // window, and the driver's lifetime allocations would then show up as
    // leaks of unknown origin.
    static const bool glLoaded = SDL_GL_LoadLibrary(nullptr) == 0;
    if (!glLoaded) {
        GTEST_SKIP() << "no OpenGL library: " << SDL_GetError();
    }
    window_ = SDL_CreateWindow("gfxutil pixels", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) {
        GTEST_SKIP() << "no OpenGL window: " << SDL_GetError();
    }
    SDL_Window* window = window_;
    ondrel::platform::SetNativeWindowLookup(
        [window](HWND handle) -> void* { return handle == StandInHandle() ? window : nullptr; });
    ondrel::graphics::UseOpenGlBackend();
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d_, nullptr);
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = kWidth;
    pp.BackBufferHeight = kHeight;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 1;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.hDeviceWindow = StandInHandle();
    pp.Windowed = TRUE;
    const HRESULT hr =
        d3d_->CreateDevice(0, D3DDEVTYPE_HAL, StandInHandle(), D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &device_);
    if (FAILED(hr)) {
        GTEST_SKIP() << "no OpenGL device: " << std::hex << hr;
    }
}

void GlDeviceTest::TearDown() {
    if (device_ != nullptr) {
        EXPECT_EQ(device_->Release(), 0u);
    }
    if (d3d_ != nullptr) {
        d3d_->Release();
    }
    ondrel::platform::ResetNativeWindowLookup();
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
    }
    // The video subsystem stays up, for the same reason as the GL library.
}

void GlDeviceTest::BeginFrame(D3DCOLOR clear) {
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, clear, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
}

gfxutil::Image GlDeviceTest::EndFrame() {
    gfxutil::Image image(kWidth, kHeight);
    EXPECT_EQ(device_->EndScene(), D3D_OK);
    IDirect3DSurface9* backBuffer = nullptr;
    IDirect3DSurface9* copy = nullptr;
    EXPECT_EQ(device_->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
    EXPECT_EQ(device_->CreateOffscreenPlainSurface(kWidth, kHeight, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM, &copy, nullptr),
              D3D_OK);
    if (backBuffer != nullptr && copy != nullptr && SUCCEEDED(device_->GetRenderTargetData(backBuffer, copy))) {
        D3DLOCKED_RECT locked{};
        if (SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
            for (int y = 0; y < kHeight; ++y) {
                const auto* row = static_cast<const std::uint32_t*>(locked.pBits) + y * (locked.Pitch / 4);
                for (int x = 0; x < kWidth; ++x) {
                    image.At(x, y) = row[x] | 0xFF000000u;
                }
            }
            copy->UnlockRect();
        }
    }
    if (copy != nullptr) {
        copy->Release();
    }
    if (backBuffer != nullptr) {
        backBuffer->Release();
    }
    return image;
}

void GlDeviceTest::Keep(const gfxutil::Image& image, const std::string& name) {
    if (const char* folder = std::getenv("ONDREL_SCREENSHOT_DIR")) {
        skingen::WritePng(std::string(folder) + "/" + name + ".png", image);
    }
}

PixelBox LitBox(const gfxutil::Image& image, std::uint32_t background, const RECT* within) {
    PixelBox box;
    const RECT area = within != nullptr ? *within : RECT{0, 0, image.width, image.height};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if ((image.At(x, y) & 0xFFFFFFu) == (background & 0xFFFFFFu)) {
                continue;
            }
            if (box.empty) {
                box = PixelBox{x, y, x + 1, y + 1, false};
            }
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    return box;
}

}  // namespace gfxtest
