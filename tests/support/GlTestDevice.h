#pragma once
// A real OpenGL device on a hidden SDL window, for pixel tests of the OpenGL
// backend and of what the graphics utility library draws. SDL's offscreen
// video driver is used unless a test run asks for another, so no X server is
// needed. One set-up, one back-buffer read-back and one PNG saver for both.

#include <gtest/gtest.h>

#include <string>

#include "gfxutil/Image.h"
#include "platform/d3d9/D3D9.h"
#include "platform/d3d9/PixelImage.h"

struct SDL_Window;

namespace ondrel::testing {

struct GlTarget {
    UINT width = 64;
    UINT height = 64;
    bool depth = true;
    DWORD vertexProcessing = D3DCREATE_HARDWARE_VERTEXPROCESSING;
    // Clear to black and open a scene at the end of SetUp.
    bool openScene = true;
};

// The back buffer as GetBackBuffer + GetRenderTargetData + LockRect give it,
// in X8R8G8B8; empty when any step fails (the step's failure is reported).
graphics::PixelImage ReadBackBuffer(IDirect3DDevice9* device, UINT width, UINT height);
// The same pixels as an opaque image.
gfxutil::Image ToImage(const graphics::PixelImage& pixels);
// Saves the image as <name>.png when ONDREL_SCREENSHOT_DIR names a folder.
void KeepScreenshot(const gfxutil::Image& image, const std::string& name);

// A windowed OpenGL device on an existing window, its back buffer the
// window's client size (a 0 x 0 request); `taken` receives the parameters
// the device took. A failed step fails the test: callers wrap the call in
// ASSERT_NO_FATAL_FAILURE.
void OpenWindowedGlDevice(HWND window, IDirect3D9*& d3d, IDirect3DDevice9*& device, D3DPRESENT_PARAMETERS& taken);

class GlDeviceFixture : public ::testing::Test {
protected:
    explicit GlDeviceFixture(GlTarget target) : target_(target) {}

    void SetUp() override;
    void TearDown() override;

    graphics::PixelImage Screenshot() { return ReadBackBuffer(device_, target_.width, target_.height); }

    GlTarget target_;
    SDL_Window* window_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

inline constexpr UINT kTargetSize = 64;

// One pre-transformed vertex (D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1).
struct ScreenVertex {
    float x, y, z, rhw;
    D3DCOLOR colour;
    float u, v;
};
inline constexpr DWORD kScreenVertexFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

// One model-space vertex with normal and colour (format 0x52).
struct LitVertex {
    float x, y, z;
    float nx, ny, nz;
    D3DCOLOR colour;
};
inline constexpr DWORD kLitVertexFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE;

// The backend's own tests: a 64 x 64 target with depth, inside a scene.
class GlDeviceTest : public GlDeviceFixture {
protected:
    GlDeviceTest() : GlDeviceFixture(GlTarget{}) {}

    // Red, green and blue of one back-buffer pixel as 0xRRGGBB.
    DWORD Pixel(UINT x, UINT y);
    void DrawScreenQuad(float left, float top, float right, float bottom, D3DCOLOR colour,
                        float u0 = 0.0f, float v0 = 0.0f, float u1 = 1.0f, float v1 = 1.0f);
};

// What a library draws in a frame: 320 x 240, no depth, frames opened and
// closed by the test.
class GlFrameTest : public GlDeviceFixture {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;
    GlFrameTest()
        : GlDeviceFixture(GlTarget{kWidth, kHeight, false, D3DCREATE_SOFTWARE_VERTEXPROCESSING, false}) {}

    // Clears to the colour and opens a scene.
    void BeginFrame(D3DCOLOR clear);
    // Closes the scene and reads the back buffer.
    gfxutil::Image EndFrame();
};

// Channels of 0xRRGGBB.
inline int Red(DWORD rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
inline int Green(DWORD rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
inline int Blue(DWORD rgb) { return static_cast<int>(rgb & 0xFF); }

struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool empty = true;
};

// The box around every pixel that differs from the background.
PixelBox LitBox(const gfxutil::Image& image, std::uint32_t background, const RECT* within = nullptr);

}  // namespace ondrel::testing
