// A device on a window made through the platform layer's CreateWindowExW:
// the OpenGL backend finds the SDL window behind the HWND by itself.

#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <cstdlib>

#include "platform/d3d9/D3D9.h"
#include "platform/sdl/SdlWindowSystem.h"
#include "platform/win32/PlatformServices.h"
#include "platform/win32/Windows.h"
#include "tests/support/GlTestDevice.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

LRESULT PlainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakePlatformWindow() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    platform::UseSdlWindowSystem();
    platform::ResetPlatformServices();
    // Held to the end of the run so the leak check can still name the GL
    // driver's lasting allocations (see GlTestDevice.cpp).
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0 || SDL_GL_LoadLibrary(nullptr) != 0) return nullptr;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &PlainProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = u"OndrelGraphicsTest";
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, u"OndrelGraphicsTest", u"graphics", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

TEST(GlPlatformWindowTest, DeviceRendersIntoAWindowMadeByCreateWindowEx) {
    HWND window = MakePlatformWindow();
    ASSERT_NE(window, nullptr);
    RECT client{};
    GetClientRect(window, &client);

    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    D3DPRESENT_PARAMETERS pp{};
    ASSERT_NO_FATAL_FAILURE(OpenWindowedGlDevice(window, d3d, device, pp));
    EXPECT_EQ(pp.BackBufferWidth, static_cast<UINT>(client.right)) << "windowed 0 x 0 takes the client size";
    EXPECT_EQ(pp.BackBufferHeight, static_cast<UINT>(client.bottom));
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF204080, 1.0f, 0), D3D_OK);

    IDirect3DSurface9* backBuffer = nullptr;
    IDirect3DSurface9* copy = nullptr;
    ASSERT_EQ(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
    ASSERT_EQ(device->CreateOffscreenPlainSurface(pp.BackBufferWidth, pp.BackBufferHeight, pp.BackBufferFormat,
                                                  D3DPOOL_SYSTEMMEM, &copy, nullptr),
              D3D_OK);
    ASSERT_EQ(device->GetRenderTargetData(backBuffer, copy), D3D_OK);
    D3DLOCKED_RECT locked{};
    ASSERT_EQ(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(static_cast<const DWORD*>(locked.pBits)[0] & 0xFFFFFFu, 0x204080u);
    copy->UnlockRect();
    copy->Release();
    backBuffer->Release();
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);

    EXPECT_EQ(device->Release(), 0u);
    d3d->Release();
    DestroyWindow(window);
    UnregisterClassW(u"OndrelGraphicsTest", GetModuleHandleW(nullptr));
}

// A program that shuts down closes its window first and releases the device
// afterwards; the device must neither draw into the freed window nor touch
// it while letting go of its objects.
TEST(GlPlatformWindowTest, DeviceOutlivingItsWindowFailsToDrawAndReleasesCleanly) {
    HWND window = MakePlatformWindow();
    ASSERT_NE(window, nullptr);
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    D3DPRESENT_PARAMETERS pp{};
    ASSERT_NO_FATAL_FAILURE(OpenWindowedGlDevice(window, d3d, device, pp));
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device->CreateTexture(16, 16, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr), D3D_OK);
    ASSERT_EQ(device->SetTexture(0, texture), D3D_OK);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);

    ASSERT_TRUE(DestroyWindow(window));
    // A window made next may take the freed one's memory; it is not the
    // device's window all the same.
    HWND next = CreateWindowExW(0, u"OndrelGraphicsTest", u"next", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(next, nullptr);
    EXPECT_NE(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0), D3D_OK);
    EXPECT_NE(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    device->SetTexture(0, nullptr);
    texture->Release();
    EXPECT_EQ(device->Release(), 0u);
    d3d->Release();
    DestroyWindow(next);
    UnregisterClassW(u"OndrelGraphicsTest", GetModuleHandleW(nullptr));
}

}  // namespace
}  // namespace ondrel::testing
