#pragma once
// A real OpenGL device on a hidden 64 x 64 SDL window, for pixel tests. SDL's
// offscreen video driver is used unless a test run asks for another, so no X
// server is needed.

#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include "platform/d3d9/D3D9.h"
#include "platform/d3d9/PixelImage.h"

namespace ondrel::graphics::testing {

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

class GlDeviceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The back buffer as GetBackBuffer + GetRenderTargetData give it.
    PixelImage Screenshot();
    // Red, green and blue of one back-buffer pixel as 0xRRGGBB.
    DWORD Pixel(UINT x, UINT y);

    void DrawScreenQuad(float left, float top, float right, float bottom, D3DCOLOR colour,
                        float u0 = 0.0f, float v0 = 0.0f, float u1 = 1.0f, float v1 = 1.0f);

    SDL_Window* window_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

// Channels of 0xRRGGBB.
inline int Red(DWORD rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
inline int Green(DWORD rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
inline int Blue(DWORD rgb) { return static_cast<int>(rgb & 0xFF); }

}  // namespace ondrel::graphics::testing
