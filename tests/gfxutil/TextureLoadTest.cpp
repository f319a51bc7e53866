// Loading DDS files into managed textures, and refusing damaged ones.

#include "tests/support/RecordingFixture.h"
#include "gfxutil/GfxErrors.h"
#include "gfxutil/GfxTexture.h"
#include "gfxutil/DdsCodec.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class TextureLoadTest : public ondrel::testing::RecordingSceneTest {
protected:
    void SetUp() override {
        RecordingSceneTest::SetUp();
        folder_ = std::filesystem::temp_directory_path() /
                  ("gfxutil-textures-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        RecordingSceneTest::TearDown();
    }
    std::u16string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
        const std::string narrow = path.string();
        return std::u16string(narrow.begin(), narrow.end());
    }
    HRESULT Load(const std::u16string& path, GFXIMAGE_INFO* info, IDirect3DTexture9** texture) {
        return GfxCreateTextureFromFileExW(device_, path.c_str(), GFX_DEFAULT, GFX_DEFAULT, GFX_DEFAULT, 0,
                                            D3DFMT_UNKNOWN, D3DPOOL_MANAGED, GFX_DEFAULT, GFX_DEFAULT, 0, info,
                                            nullptr, texture);
    }
    std::filesystem::path folder_;
};

TEST_F(TextureLoadTest, TheSkinLoadsIntoTheManagedPoolWithItsSize) {
    // Windows-style separators, as the media search hands paths out.
    const std::u16string path = u"" ONDREL_SOURCE_DIR "/media/UI\\Controls.dds";
    GFXIMAGE_INFO info{};
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(Load(path, &info, &texture), D3D_OK);
    EXPECT_EQ(info.Width, 512u);
    EXPECT_EQ(info.Height, 512u);
    EXPECT_EQ(info.Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(info.ImageFileFormat, GFXIFF_DDS);
    D3DSURFACE_DESC desc{};
    ASSERT_EQ(texture->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_EQ(desc.Pool, D3DPOOL_MANAGED);
    EXPECT_EQ(desc.Width, 512u);
    texture->Release();
}

TEST_F(TextureLoadTest, PixelsArriveAsStoredAndAColourKeyClearsThem) {
    gfxutil::Image image(2, 1);
    image.pixels = {0xFF00FF00u, 0x80123456u};
    const auto path = Write("two.dds", gfxutil::EncodeDds(image));
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(GfxCreateTextureFromFileExW(device_, path.c_str(), GFX_DEFAULT, GFX_DEFAULT, GFX_DEFAULT, 0,
                                           D3DFMT_UNKNOWN, D3DPOOL_MANAGED, GFX_DEFAULT, GFX_DEFAULT, 0xFF00FF00u,
                                           nullptr, nullptr, &texture),
              D3D_OK);
    D3DLOCKED_RECT locked{};
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    const auto* row = static_cast<const std::uint32_t*>(locked.pBits);
    EXPECT_EQ(row[0], 0u);
    EXPECT_EQ(row[1], 0x80123456u);
    texture->UnlockRect(0);
    texture->Release();
}

TEST_F(TextureLoadTest, MissingDamagedAndRefusedLoadsFailCleanly) {
    IDirect3DTexture9* texture = reinterpret_cast<IDirect3DTexture9*>(1);
    GFXIMAGE_INFO info{};
    EXPECT_EQ(Load(u"/no/such/file.dds", &info, &texture), GFXERR_FILENOTFOUND);
    EXPECT_EQ(texture, nullptr);

    auto bytes = gfxutil::EncodeDds(gfxutil::Image(8, 8, 0xFFFFFFFF));
    bytes.resize(bytes.size() - 1);
    EXPECT_EQ(Load(Write("short.dds", bytes), &info, &texture), GFXERR_INVALIDDATA);
    EXPECT_EQ(Load(Write("empty.dds", {}), &info, &texture), GFXERR_INVALIDDATA);
    EXPECT_EQ(Calls("IDirect3DDevice9::CreateTexture"), 0u);

    const auto good = Write("good.dds", gfxutil::EncodeDds(gfxutil::Image(8, 8, 0xFFFFFFFF)));
    World().FailCall("IDirect3DDevice9::CreateTexture", E_OUTOFMEMORY, 1);
    EXPECT_EQ(Load(good, &info, &texture), E_OUTOFMEMORY);
    World().FailCall("IDirect3DTexture9::LockRect", D3DERR_INVALIDCALL, 1);
    EXPECT_EQ(Load(good, &info, &texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture, nullptr);
    EXPECT_EQ(World().LiveObjects(ondrel::graphics::ObjectKind::Texture), 0);

    ASSERT_EQ(GfxGetImageInfoFromFileW(good.c_str(), &info), D3D_OK);
    EXPECT_EQ(info.Width, 8u);
}

}  // namespace
