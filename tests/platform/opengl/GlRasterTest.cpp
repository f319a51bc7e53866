// What a person sees of clears, pre-transformed quads, culling and fill modes
// on the OpenGL backend.

#include "tests/support/GlTestDevice.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

using GlRasterTest = GlDeviceTest;

TEST_F(GlRasterTest, ClearFillsTheViewportOnlyAndRectanglesWithinIt) {
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0x8C004040, 1.0f, 0), D3D_OK);
    EXPECT_EQ(Pixel(0, 0), 0x004040u);
    EXPECT_EQ(Pixel(63, 63), 0x004040u);

    const D3DVIEWPORT9 inner{8, 8, 16, 16, 0.0f, 1.0f};
    ASSERT_EQ(device_->SetViewport(&inner), D3D_OK);
    const D3DRECT beyond{0, 0, 12, 12};  // partly outside the viewport
    ASSERT_EQ(device_->Clear(1, &beyond, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0), D3D_OK);
    EXPECT_EQ(Pixel(8, 8), 0xFF0000u);
    EXPECT_EQ(Pixel(11, 11), 0xFF0000u);
    EXPECT_EQ(Pixel(7, 7), 0x004040u) << "outside the viewport";
    EXPECT_EQ(Pixel(12, 12), 0x004040u) << "outside the rectangle";
}

TEST_F(GlRasterTest, PreTransformedQuadsCoverExactPixelsWithCentresOnIntegers) {
    // From (-0.5, -0.5) to (w - 0.5, h - 0.5): every pixel, nothing more.
    DrawScreenQuad(-0.5f, -0.5f, kTargetSize - 0.5f, kTargetSize - 0.5f, 0xFF00FF00);
    const PixelImage whole = Screenshot();
    for (UINT y = 0; y < kTargetSize; ++y) {
        for (UINT x = 0; x < kTargetSize; ++x) ASSERT_EQ(whole.PixelArgb(x, y) & 0xFFFFFF, 0x00FF00u) << x << "," << y;
    }

    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0), D3D_OK);
    DrawScreenQuad(9.5f, 19.5f, 19.5f, 29.5f, 0xFFFFFFFF);  // pixels 10..19 by 20..29
    const PixelImage part = Screenshot();
    auto lit = [&](UINT x, UINT y) { return (part.PixelArgb(x, y) & 0xFFFFFF) == 0xFFFFFFu; };
    EXPECT_TRUE(lit(10, 20));
    EXPECT_TRUE(lit(19, 29));
    EXPECT_FALSE(lit(9, 20));
    EXPECT_FALSE(lit(20, 20));
    EXPECT_FALSE(lit(10, 19));
    EXPECT_FALSE(lit(10, 30));
    int count = 0;
    for (UINT y = 0; y < kTargetSize; ++y) {
        for (UINT x = 0; x < kTargetSize; ++x) count += lit(x, y) ? 1 : 0;
    }
    EXPECT_EQ(count, 100);
}

TEST_F(GlRasterTest, IndexedUserMemoryDrawsReadTheIndicesGiven) {
    const ScreenVertex corners[5] = {{0, 0, 0.5f, 1, 0xFFFF0000, 0, 0},  // never indexed
                                     {9.5f, 9.5f, 0.5f, 1, 0xFF00FFFF, 0, 0},
                                     {19.5f, 9.5f, 0.5f, 1, 0xFF00FFFF, 0, 0},
                                     {19.5f, 19.5f, 0.5f, 1, 0xFF00FFFF, 0, 0},
                                     {9.5f, 19.5f, 0.5f, 1, 0xFF00FFFF, 0, 0}};
    const WORD indices16[6] = {1, 2, 3, 1, 3, 4};
    device_->SetFVF(kScreenVertexFvf);
    ASSERT_EQ(device_->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 1, 4, 2, indices16, D3DFMT_INDEX16, corners,
                                              sizeof(ScreenVertex)),
              D3D_OK);
    EXPECT_EQ(Pixel(10, 10), 0x00FFFFu);
    EXPECT_EQ(Pixel(19, 19), 0x00FFFFu);
    EXPECT_EQ(Pixel(20, 19), 0x000000u);

    const DWORD indices32[3] = {1, 3, 4};  // the lower-left half only
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    ASSERT_EQ(device_->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 1, 4, 1, indices32, D3DFMT_INDEX32, corners,
                                              sizeof(ScreenVertex)),
              D3D_OK);
    EXPECT_EQ(Pixel(10, 18), 0x00FFFFu);
    EXPECT_EQ(Pixel(18, 10), 0x000000u);
    const WORD outside[3] = {0, 1, 2};
    EXPECT_EQ(device_->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 1, 4, 1, outside, D3DFMT_INDEX16, corners,
                                              sizeof(ScreenVertex)),
              D3DERR_INVALIDCALL)
        << "index below the stated range";
}

// Two triangles in clip space with identity transforms: the left one runs
// clockwise on screen, the right one counter-clockwise.
void DrawWindingPair(IDirect3DDevice9* device) {
    const LitVertex triangles[6] = {
        {-1.0f, 1.0f, 0.5f, 0, 0, -1, 0xFFFF0000}, {0.0f, 1.0f, 0.5f, 0, 0, -1, 0xFFFF0000},
        {-1.0f, -1.0f, 0.5f, 0, 0, -1, 0xFFFF0000},  // clockwise: top-left, top-right, bottom-left
        {1.0f, 1.0f, 0.5f, 0, 0, -1, 0xFF0000FF},  {0.0f, 1.0f, 0.5f, 0, 0, -1, 0xFF0000FF},
        {1.0f, -1.0f, 0.5f, 0, 0, -1, 0xFF0000FF}};  // counter-clockwise: top-right, top-middle, bottom-right
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetFVF(kLitVertexFvf);
    ASSERT_EQ(device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 2, triangles, sizeof(LitVertex)), D3D_OK);
}

TEST_F(GlRasterTest, CullModesDropTheWindingDirect3DNames) {
    DrawWindingPair(device_);  // default: counter-clockwise culled
    EXPECT_EQ(Pixel(8, 16), 0xFF0000u);
    EXPECT_EQ(Pixel(56, 16), 0x000000u);

    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    DrawWindingPair(device_);
    EXPECT_EQ(Pixel(8, 16), 0x000000u);
    EXPECT_EQ(Pixel(56, 16), 0x0000FFu);

    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    DrawWindingPair(device_);
    EXPECT_EQ(Pixel(8, 16), 0xFF0000u);
    EXPECT_EQ(Pixel(56, 16), 0x0000FFu);
}

TEST_F(GlRasterTest, WireframeDrawsEdgesAndLeavesTheInsideAlone) {
    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
    const ScreenVertex triangle[3] = {{8.0f, 8.0f, 0.5f, 1.0f, 0xFFFFFF00, 0, 0},
                                      {56.0f, 8.0f, 0.5f, 1.0f, 0xFFFFFF00, 0, 0},
                                      {8.0f, 56.0f, 0.5f, 1.0f, 0xFFFFFF00, 0, 0}};
    device_->SetFVF(kScreenVertexFvf);
    ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(ScreenVertex)), D3D_OK);
    const PixelImage shot = Screenshot();
    EXPECT_EQ(shot.PixelArgb(30, 8) & 0xFFFFFF, 0xFFFF00u) << "top edge";
    EXPECT_EQ(shot.PixelArgb(8, 30) & 0xFFFFFF, 0xFFFF00u) << "left edge";
    EXPECT_EQ(shot.PixelArgb(20, 20) & 0xFFFFFF, 0x000000u) << "inside";

    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(ScreenVertex)), D3D_OK);
    EXPECT_EQ(Pixel(20, 20), 0xFFFF00u);
}

TEST_F(GlRasterTest, DepthTestKeepsTheNearerSurface) {
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    device_->SetFVF(kScreenVertexFvf);
    auto quadAt = [&](float z, D3DCOLOR colour) {
        const ScreenVertex quad[4] = {{-0.5f, -0.5f, z, 1.0f, colour, 0, 0},
                                      {63.5f, -0.5f, z, 1.0f, colour, 0, 0},
                                      {63.5f, 63.5f, z, 1.0f, colour, 0, 0},
                                      {-0.5f, 63.5f, z, 1.0f, colour, 0, 0}};
        ASSERT_EQ(device_->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(ScreenVertex)), D3D_OK);
    };
    quadAt(0.3f, 0xFF00FF00);
    quadAt(0.6f, 0xFFFF0000);  // behind: rejected by LESSEQUAL
    EXPECT_EQ(Pixel(32, 32), 0x00FF00u);
    device_->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    quadAt(0.6f, 0xFFFF0000);
    EXPECT_EQ(Pixel(32, 32), 0xFF0000u);
}

}  // namespace
}  // namespace ondrel::testing
