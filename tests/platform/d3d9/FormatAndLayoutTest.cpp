// Vertex layouts, vertex declarations and pixel formats: the byte-level
// contracts between callers' memory and the backends.

#include <gtest/gtest.h>

#include "tests/support/RecordingFixture.h"
#include "platform/d3d9/FvfLayout.h"
#include "platform/d3d9/PixelFormats.h"
#include "platform/d3d9/VertexDeclarationObject.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

TEST(FvfLayoutTest, OffsetsOfTheFormatsInUse) {
    const FvfLayout level = DescribeFvf(0x52);
    ASSERT_TRUE(level.valid);
    EXPECT_FALSE(level.pretransformed);
    EXPECT_EQ(level.normalOffset, 12);
    EXPECT_EQ(level.diffuseOffset, 24);
    EXPECT_EQ(level.stride, 28u);

    const FvfLayout screen = DescribeFvf(0x144);
    ASSERT_TRUE(screen.valid);
    EXPECT_TRUE(screen.pretransformed);
    EXPECT_EQ(screen.diffuseOffset, 16);
    EXPECT_EQ(screen.texCoordOffset[0], 20);
    EXPECT_EQ(screen.stride, 28u);

    const FvfLayout mixed = DescribeFvf(D3DFVF_XYZ | D3DFVF_SPECULAR | D3DFVF_TEX2 | D3DFVF_TEXCOORDSIZE3(1));
    EXPECT_EQ(mixed.specularOffset, 12);
    EXPECT_EQ(mixed.texCoordOffset[1], 24);
    EXPECT_EQ(mixed.texCoordFloats[1], 3u);
    EXPECT_EQ(mixed.stride, 36u);

    EXPECT_FALSE(DescribeFvf(D3DFVF_NORMAL | D3DFVF_DIFFUSE).valid) << "no position";
    EXPECT_FALSE(DescribeFvf(D3DFVF_XYZB2).valid) << "blend weights are not drawn";
}

TEST(VertexDeclarationTest, FormatsAndDeclarationsTranslateBothWays) {
    for (DWORD fvf : {0x52u, 0x144u, D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1,
                      D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX2 | D3DFVF_TEXCOORDSIZE4(1)}) {
        EXPECT_EQ(FvfOfDeclaration(DeclarationOfFvf(fvf)), fvf) << std::hex << fvf;
    }
    std::vector<D3DVERTEXELEMENT9> twoStreams = DeclarationOfFvf(0x52);
    twoStreams[1].Stream = 1;
    EXPECT_EQ(FvfOfDeclaration(twoStreams), 0u) << "only stream 0 layouts are formats";
}

TEST(PixelFormatTest, PixelsConvertToAndFromArgb) {
    BYTE pixel[4] = {};
    WriteArgb(D3DFMT_R5G6B5, pixel, 0xFFFFFFFF);
    EXPECT_EQ(pixel[0] | (pixel[1] << 8), 0xFFFF);
    const BYTE red565[2] = {0x00, 0xF8};
    EXPECT_EQ(ReadArgb(D3DFMT_R5G6B5, red565), 0xFFFF0000u);
    WriteArgb(D3DFMT_A1R5G5B5, pixel, 0x7F00FF00);
    EXPECT_EQ(ReadArgb(D3DFMT_A1R5G5B5, pixel), 0x0000FF00u) << "alpha below half is clear";
    const BYTE argb4444[2] = {0x0F, 0xF0};
    EXPECT_EQ(ReadArgb(D3DFMT_A4R4G4B4, argb4444), 0xFF0000FFu);
    const BYTE luminance = 0x80;
    EXPECT_EQ(ReadArgb(D3DFMT_L8, &luminance), 0xFF808080u);
    EXPECT_EQ(ReadArgb(D3DFMT_A8, &luminance), 0x80000000u) << "alpha-only reads black";
    const BYTE x8[4] = {0x11, 0x22, 0x33, 0x00};
    EXPECT_EQ(ReadArgb(D3DFMT_X8R8G8B8, x8), 0xFF332211u) << "unused byte reads opaque";
    EXPECT_EQ(BytesPerPixel(D3DFMT_DXT1), 0u) << "compressed formats are not stored";
}

class ResourceLayoutTest : public RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        ASSERT_EQ(MakeDevice(), D3D_OK);
    }
};

TEST_F(ResourceLayoutTest, SavedDeclarationBringsBackAFormatSetWithSetFvf) {
    ASSERT_EQ(device_->SetFVF(0x52), D3D_OK);
    IDirect3DVertexDeclaration9* saved = nullptr;
    ASSERT_EQ(device_->GetVertexDeclaration(&saved), D3D_OK);
    ASSERT_NE(saved, nullptr);
    device_->SetFVF(0x144);
    ASSERT_EQ(device_->SetVertexDeclaration(saved), D3D_OK);
    DWORD fvf = 0;
    device_->GetFVF(&fvf);
    EXPECT_EQ(fvf, 0x52u);
    UINT count = 0;
    ASSERT_EQ(saved->GetDeclaration(nullptr, &count), D3D_OK);
    EXPECT_EQ(count, 4u) << "position, normal, colour, end";
    saved->Release();
}

TEST_F(ResourceLayoutTest, TextureLevelsLockByRectangleAndShareTheirPixelsWithSurfaces) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(16, 8, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr), D3D_OK);
    ASSERT_EQ(texture->GetLevelCount(), 5u) << "16x8 down to 1x1";
    D3DSURFACE_DESC desc{};
    texture->GetLevelDesc(4, &desc);
    EXPECT_EQ(desc.Width, 1u);
    EXPECT_EQ(desc.Height, 1u);

    D3DLOCKED_RECT whole{}, part{};
    ASSERT_EQ(texture->LockRect(0, &whole, nullptr, 0), D3D_OK);
    EXPECT_EQ(texture->LockRect(0, &part, nullptr, 0), D3DERR_INVALIDCALL) << "already locked";
    texture->UnlockRect(0);
    const RECT inner{2, 3, 4, 5};
    ASSERT_EQ(texture->LockRect(0, &part, &inner, 0), D3D_OK);
    EXPECT_EQ(static_cast<BYTE*>(part.pBits) - static_cast<BYTE*>(whole.pBits), 3 * whole.Pitch + 2 * 4);
    static_cast<DWORD*>(part.pBits)[0] = 0xFFABCDEF;
    texture->UnlockRect(0);
    const RECT outside{0, 0, 17, 1};
    EXPECT_EQ(texture->LockRect(0, &part, &outside, 0), D3DERR_INVALIDCALL);

    IDirect3DSurface9* level = nullptr;
    ASSERT_EQ(texture->GetSurfaceLevel(0, &level), D3D_OK);
    D3DLOCKED_RECT viaSurface{};
    ASSERT_EQ(level->LockRect(&viaSurface, &inner, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(static_cast<DWORD*>(viaSurface.pBits)[0], 0xFFABCDEFu);
    level->UnlockRect();
    level->Release();
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(device_->CreateTexture(4, 4, 1, 0, D3DFMT_DXT1, D3DPOOL_MANAGED, &texture, nullptr),
              D3DERR_INVALIDCALL);
}

}  // namespace
}  // namespace ondrel::testing
