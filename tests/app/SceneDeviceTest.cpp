// The scene's device choice and its part in the device's life, on the
// recording backend.

#include <gtest/gtest.h>

#include "SceneFixture.h"
#include "app/DeviceChoice.h"
#include "app/SceneDevice.h"
#include "app/SceneObjects.h"
#include "app/ViewerCamera.h"
#include "app/ViewerLevel.h"

namespace ondrel::testing {
namespace {

using SceneDeviceTest = SceneFixture;

D3DCAPS9 CapsWith(DWORD pixelShader, DWORD vertexShader, DWORD devCaps) {
    D3DCAPS9 caps{};
    caps.DeviceType = D3DDEVTYPE_HAL;
    caps.PixelShaderVersion = pixelShader;
    caps.VertexShaderVersion = vertexShader;
    caps.DevCaps = devCaps;
    return caps;
}

TEST_F(SceneDeviceTest, AcceptsPixelShaders11WithBlendableBackBuffersOnly) {
    D3DCAPS9 caps{};
    ASSERT_EQ(d3d_->GetDeviceCaps(0, D3DDEVTYPE_HAL, &caps), D3D_OK);
    caps.PixelShaderVersion = D3DPS_VERSION(1, 1);
    EXPECT_TRUE(app::AcceptDevice(&caps, D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, true));
    EXPECT_TRUE(app::AcceptDevice(&caps, D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, false));
    const RecordedCall* asked = LastCall("IDirect3D9::CheckDeviceFormat");
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->arguments, "0, 1, 22, 524288, 3, 22");

    world_->ClearCalls();
    caps.PixelShaderVersion = D3DPS_VERSION(1, 0);
    EXPECT_FALSE(app::AcceptDevice(&caps, D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, true));
    EXPECT_EQ(Calls("IDirect3D9::CheckDeviceFormat"), 0u);
    // The comparison is unsigned: a vertex-shader-style word is not a newer version.
    caps.PixelShaderVersion = D3DVS_VERSION(3, 0);
    EXPECT_FALSE(app::AcceptDevice(&caps, D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, true));

    // A back-buffer format that cannot blend after the pixel shader is refused.
    caps.PixelShaderVersion = D3DPS_VERSION(2, 0);
    for (auto& support : world_->Catalogue().adapters[0].devices[0].resourceFormats) {
        if (support.resourceType == D3DRTYPE_TEXTURE && support.format == D3DFMT_X8R8G8B8) {
            support.usages &= ~D3DUSAGE_QUERY_POSTPIXELSHADER_BLENDING;
        }
    }
    EXPECT_FALSE(app::AcceptDevice(&caps, D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, true));
    EXPECT_TRUE(app::AcceptDevice(&caps, D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8, true));
}

TEST_F(SceneDeviceTest, VertexProcessingFollowsTransformAndLightingAndShaderVersion) {
    struct Row {
        DWORD vertexShader;
        DWORD devCaps;
        DWORD expected;
    };
    const DWORD tnl = D3DDEVCAPS_HWTRANSFORMANDLIGHT;
    const DWORD pure = D3DDEVCAPS_PUREDEVICE;
    const Row rows[] = {
        {D3DVS_VERSION(1, 1), tnl, D3DCREATE_HARDWARE_VERTEXPROCESSING},
        {D3DVS_VERSION(1, 1), tnl | pure, D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_PUREDEVICE},
        {D3DVS_VERSION(1, 0), tnl | pure, D3DCREATE_SOFTWARE_VERTEXPROCESSING},
        {D3DVS_VERSION(3, 0), pure, D3DCREATE_SOFTWARE_VERTEXPROCESSING},
        {D3DPS_VERSION(1, 1), tnl, D3DCREATE_HARDWARE_VERTEXPROCESSING},
    };
    for (const Row& row : rows) {
        framework::DeviceSettings settings{};
        // Earlier flags (multithreaded, mixed) are replaced, not kept.
        settings.behaviorFlags = D3DCREATE_MULTITHREADED | D3DCREATE_MIXED_VERTEXPROCESSING;
        const D3DCAPS9 caps = CapsWith(D3DPS_VERSION(2, 0), row.vertexShader, row.devCaps);
        app::AdjustDeviceSettings(&settings, &caps);
        EXPECT_EQ(settings.behaviorFlags, row.expected) << std::hex << row.vertexShader << " " << row.devCaps;
    }
}

TEST_F(SceneDeviceTest, CreationMakesTheFontSpriteAndStartViewAndPlacesThePanels) {
    RunCreationSteps();
    const app::SceneObjects& scene = app::Scene();
    ASSERT_NE(scene.font, nullptr);
    ASSERT_NE(scene.sprite, nullptr);
    GFXFONT_DESCW desc{};
    ASSERT_EQ(scene.font->GetDescW(&desc), D3D_OK);
    EXPECT_EQ(desc.Height, 15);
    EXPECT_EQ(desc.Weight, 700u);
    EXPECT_EQ(std::u16string(desc.FaceName), u"Arial");

    const app::FlyCamera& camera = app::ViewerCamera();
    EXPECT_EQ(camera.Eye(), GFXVECTOR3(0.0f, 0.0f, -15.0f));
    GFXMATRIX projection;
    GfxMatrixPerspectiveFovLH(&projection, 0.785398163f, 800.0f / 600.0f, 0.1f, 50000.0f);
    EXPECT_EQ(camera.ProjectionMatrix(), projection);

    EXPECT_EQ(devicePanel_.place.left, 630);
    EXPECT_EQ(devicePanel_.place.top, 0);
    EXPECT_EQ(devicePanel_.place.right, 800);
    EXPECT_EQ(devicePanel_.place.bottom, 170);
    EXPECT_EQ(controlPanel_.place.left, 630);
    EXPECT_EQ(controlPanel_.place.top, 300);
    EXPECT_EQ(controlPanel_.place.right, 800);
    EXPECT_EQ(controlPanel_.place.bottom, 600);
}

TEST_F(SceneDeviceTest, ResetRebuildsTheSpriteProjectionAndPlacesButKeepsTheFontAndCamera) {
    RunCreationSteps();
    IGfxFont* font = app::Scene().font;
    const GFXVECTOR3 elsewhere{3.0f, 4.0f, 5.0f};
    const GFXVECTOR3 origin{0.0f, 0.0f, 0.0f};
    app::ViewerCamera().SetView(&elsewhere, &origin);

    app::DeviceLost();
    EXPECT_EQ(app::Scene().sprite, nullptr);
    EXPECT_EQ(app::Scene().font, font);
    backBuffer_.Width = 1024;
    backBuffer_.Height = 768;
    ASSERT_EQ(app::DeviceReset(device_, &backBuffer_), S_OK);
    EXPECT_NE(app::Scene().sprite, nullptr);
    EXPECT_EQ(app::Scene().font, font);
    EXPECT_EQ(app::ViewerCamera().Eye(), elsewhere);
    GFXMATRIX projection;
    GfxMatrixPerspectiveFovLH(&projection, 0.785398163f, 1024.0f / 768.0f, 0.1f, 50000.0f);
    EXPECT_EQ(app::ViewerCamera().ProjectionMatrix(), projection);
    EXPECT_EQ(devicePanel_.place.left, 854);
    EXPECT_EQ(controlPanel_.place.top, 468);
}

TEST_F(SceneDeviceTest, LevelBuffersLiveInTheManagedPoolAndGoWithTheDevice) {
    RunCreationSteps();
    ImportSample();
    const RecordedCall* made = LastCall("IDirect3DDevice9::CreateVertexBuffer");
    ASSERT_NE(made, nullptr);
    const UINT bytes = app::ViewerLevel().sourceCount * 28;
    EXPECT_EQ(made->arguments, std::to_string(bytes) + ", 0, 82, 1");
    EXPECT_EQ(world_->LiveObjects(graphics::ObjectKind::VertexBuffer), 1);

    // A reset keeps the level; a destruction empties it.
    app::DeviceLost();
    ASSERT_EQ(app::DeviceReset(device_, &backBuffer_), S_OK);
    EXPECT_GT(app::ViewerLevel().sourceCount, 0u);

    RunDestructionSteps();
    EXPECT_EQ(app::ViewerLevel().sourceCount, 0u);
    EXPECT_EQ(app::ViewerLevel().sourceBuffer, nullptr);
    EXPECT_EQ(app::Scene().font, nullptr);
    EXPECT_EQ(world_->LiveObjects(graphics::ObjectKind::VertexBuffer), 0);
    // Without a device the level cannot make buffers, so an import fails
    // cleanly instead of reaching the old device.
    EXPECT_FALSE(app::ViewerLevel().Import(std::filesystem::path(ONDREL_SOURCE_DIR) / "samples" / "facility.txt",
                                           false));
}

TEST_F(SceneDeviceTest, ANewDevicePutsTheCameraBackToItsStartView) {
    RunCreationSteps();
    const GFXVECTOR3 elsewhere{30.0f, 4.0f, 5.0f};
    const GFXVECTOR3 origin{0.0f, 0.0f, 0.0f};
    app::ViewerCamera().SetView(&elsewhere, &origin);
    RunDestructionSteps();
    ASSERT_EQ(device_->Release(), 0u);
    device_ = nullptr;

    RunCreationSteps();
    EXPECT_EQ(app::ViewerCamera().Eye(), GFXVECTOR3(0.0f, 0.0f, -15.0f));
    EXPECT_EQ(app::ViewerCamera().LookAt(), GFXVECTOR3(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(app::ViewerCamera().Yaw(), 0.0f);
}

}  // namespace
}  // namespace ondrel::testing
