// The OpenGL system object over SDL's displays, and device loss of a
// full-screen device whose window loses the focus.

#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <cstdlib>

#include "platform/d3d9/D3D9.h"
#include "platform/d3d9/GraphicsBackend.h"
#include "platform/opengl/OpenGlDirect3D.h"
#include "platform/win32/NativeWindowLookup.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

class GlSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        static const bool glLibraryHeld = SDL_GL_LoadLibrary(nullptr) == 0;
        ASSERT_TRUE(glLibraryHeld);
        UseOpenGlBackend();
        ResetGraphicsBackend();
        d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d_, nullptr);
    }
    void TearDown() override {
        if (device_ != nullptr) {
            EXPECT_EQ(device_->Release(), 0u);
        }
        if (d3d_ != nullptr) d3d_->Release();
        if (window_ != nullptr) SDL_DestroyWindow(window_);
        platform::ResetNativeWindowLookup();
    }

    void SendWindowEvent(SDL_WindowEventID what) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = SDL_GetWindowID(window_);
        event.window.event = static_cast<Uint8>(what);
        SDL_PushEvent(&event);
        SDL_PumpEvents();
        SDL_FlushEvent(SDL_WINDOWEVENT);
    }

    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    SDL_Window* window_ = nullptr;
};

TEST_F(GlSystemTest, AdaptersAreTheDisplaysWithTheirModesAndNoReferenceDevice) {
    ASSERT_EQ(d3d_->GetAdapterCount(), static_cast<UINT>(SDL_GetNumVideoDisplays()));
    D3DDISPLAYMODE current{};
    ASSERT_EQ(d3d_->GetAdapterDisplayMode(0, &current), D3D_OK);
    SDL_DisplayMode desktop{};
    SDL_GetDesktopDisplayMode(0, &desktop);
    EXPECT_EQ(current.Width, static_cast<UINT>(desktop.w));
    EXPECT_EQ(current.Format, D3DFMT_X8R8G8B8) << "24- and 32-bit displays are X8R8G8B8";
    EXPECT_GT(d3d_->GetAdapterModeCount(0, D3DFMT_X8R8G8B8), 0u);
    D3DADAPTER_IDENTIFIER9 identifier{};
    ASSERT_EQ(d3d_->GetAdapterIdentifier(0, 0, &identifier), D3D_OK);
    EXPECT_STREQ(identifier.DeviceName, "\\\\.\\DISPLAY1");

    D3DCAPS9 caps{};
    EXPECT_EQ(d3d_->GetDeviceCaps(0, D3DDEVTYPE_REF, &caps), D3DERR_NOTAVAILABLE);
    ASSERT_EQ(d3d_->GetDeviceCaps(0, D3DDEVTYPE_HAL, &caps), D3D_OK);
    EXPECT_NE(caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT, 0u);
    D3DPRESENT_PARAMETERS pp{};
    pp.Windowed = TRUE;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    IDirect3DDevice9* reference = nullptr;
    EXPECT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_REF, reinterpret_cast<HWND>(16), D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                                 &pp, &reference),
              D3DERR_NOTAVAILABLE);
    EXPECT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, reinterpret_cast<HWND>(16), D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                                 &pp, &reference),
              D3DERR_INVALIDCALL)
        << "no SDL window behind the handle";
}

TEST_F(GlSystemTest, FullScreenDeviceIsLostWithTheFocusAndResetWhenItReturns) {
    D3DDISPLAYMODE mode{};
    ASSERT_EQ(d3d_->GetAdapterDisplayMode(0, &mode), D3D_OK);
    window_ = SDL_CreateWindow("loss", 0, 0, static_cast<int>(mode.Width), static_cast<int>(mode.Height),
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    ASSERT_NE(window_, nullptr);
    SDL_Window* window = window_;
    platform::SetNativeWindowLookup([window](HWND) -> void* { return window; });

    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = mode.Width;
    pp.BackBufferHeight = mode.Height;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.Windowed = FALSE;
    pp.FullScreen_RefreshRateInHz = mode.RefreshRate;
    const HWND hwnd = reinterpret_cast<HWND>(16);
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, hwnd, D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device_), D3D_OK);
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);

    SendWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(device_->TestCooperativeLevel(), D3DERR_DEVICELOST);
    EXPECT_EQ(device_->Reset(&pp), D3DERR_DEVICELOST);

    SendWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_EQ(device_->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);
    ASSERT_EQ(device_->Reset(&pp), D3D_OK);
    EXPECT_EQ(device_->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);

    pp.Windowed = TRUE;
    pp.FullScreen_RefreshRateInHz = 0;
    ASSERT_EQ(device_->Reset(&pp), D3D_OK);
    SendWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_EQ(device_->TestCooperativeLevel(), D3D_OK) << "a windowed device keeps working without the focus";
}

}  // namespace
}  // namespace ondrel::testing
