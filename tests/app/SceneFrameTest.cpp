// The scene's frame callbacks, level drawing and message routing, on the
// recording backend: what reaches the device, in which order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <vector>

#include "SceneFixture.h"
#include "scene/DrawLevel.h"
#include "app/SceneFrame.h"
#include "app/SceneMessages.h"
#include "app/SceneObjects.h"
#include "app/ViewerCamera.h"
#include "app/ViewerLevel.h"
#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"
#include "platform/recording/RecordingRenderer.h"

namespace ondrel::testing {
namespace {

class SceneFrameTest : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        RunCreationSteps();
        const std::u16string stats = u"60.00 fps (800x600), X8R8G8B8 (D16)";
        std::copy(stats.begin(), stats.end(), framework::State().Address(&framework::StateFields::frameStats));
        world_->ClearCalls();
    }
    DWORD RenderState(D3DRENDERSTATETYPE state) {
        DWORD value = 0xDEADBEEF;
        EXPECT_EQ(device_->GetRenderState(state, &value), D3D_OK);
        return value;
    }
    D3DLIGHT9 Light0() {
        D3DLIGHT9 light{};
        EXPECT_EQ(device_->GetLight(0, &light), D3D_OK);
        return light;
    }
    bool LightOn(DWORD index) {
        BOOL on = TRUE;
        device_->GetLightEnable(index, &on);
        return on != FALSE;
    }
};

TEST_F(SceneFrameTest, FrameMoveSetsMaterialLightAndStatesEveryFrame) {
    device_->LightEnable(1, TRUE);
    app::FrameMove(device_, 0.0, 0.0f);

    D3DMATERIAL9 material{};
    ASSERT_EQ(device_->GetMaterial(&material), D3D_OK);
    D3DMATERIAL9 white{};
    white.Diffuse = white.Ambient = D3DCOLORVALUE{1.0f, 1.0f, 1.0f, 1.0f};
    EXPECT_EQ(std::memcmp(&material, &white, sizeof material), 0);

    D3DLIGHT9 expected{};
    expected.Type = D3DLIGHT_DIRECTIONAL;
    expected.Diffuse = D3DCOLORVALUE{1.0f, 1.0f, 1.0f, 0.0f};
    expected.Direction = D3DVECTOR{0.0f, 1.0f, 0.0f};  // sin 0 = 0 at clock 0
    expected.Range = 10000.0f;
    const D3DLIGHT9 light = Light0();
    EXPECT_EQ(std::memcmp(&light, &expected, sizeof light), 0);
    EXPECT_TRUE(LightOn(0));
    EXPECT_FALSE(LightOn(1));

    EXPECT_EQ(RenderState(D3DRS_LIGHTING), 1u);
    EXPECT_EQ(RenderState(D3DRS_AMBIENT), 0x00404040u);
    EXPECT_EQ(RenderState(D3DRS_ALPHATESTENABLE), 1u);
    EXPECT_EQ(Calls("IDirect3DDevice9::SetRenderState"), 3u) << "alpha reference and function stay untouched";
}

TEST_F(SceneFrameTest, TheLightSwaysWithTheWallClockEvenWhileTimeIsPaused) {
    framework::GetGlobalTimer().Stop();
    // A quarter period (1000 * pi / 2 ms): sin is 1, the light leans to +x.
    machine_->AdvanceTime(1571);
    app::FrameMove(device_, 0.0, 0.0f);
    D3DVECTOR d = Light0().Direction;
    EXPECT_NEAR(d.x, std::sqrt(0.5f), 1e-4f);
    EXPECT_NEAR(d.y, std::sqrt(0.5f), 1e-4f);
    EXPECT_EQ(d.z, 0.0f);
    // Three quarters: it leans the other way.
    machine_->AdvanceTime(3142);
    app::FrameMove(device_, 0.0, 0.0f);
    d = Light0().Direction;
    EXPECT_NEAR(d.x, -std::sqrt(0.5f), 1e-4f);
    EXPECT_NEAR(std::sqrt(d.x * d.x + d.y * d.y), 1.0f, 1e-6f);
    // The clock wraps after 49.7 days; the light just carries on.
    machine_->AdvanceTime(0xFFFFFFFFu);
    app::FrameMove(device_, 0.0, 0.0f);
    EXPECT_TRUE(std::isfinite(Light0().Direction.x));
}

TEST_F(SceneFrameTest, FrameMoveAdvancesTheCameraByTheElapsedTime) {
    bool stop = false;
    app::WindowMessage(window_, WM_KEYDOWN, 'W', 0, &stop);
    app::FrameMove(device_, 1.0, 0.1f);
    EXPECT_NEAR(app::ViewerCamera().Eye().z, -10.0f, 1e-4f);
}

TEST_F(SceneFrameTest, RenderClearsDrawsTheLevelThenThePanelsThenTheOverlay) {
    ImportSample();
    world_->ClearCalls();
    app::FrameRender(device_, 2.0, 0.25f);

    const RecordedCall* clear = LastCall("IDirect3DDevice9::Clear");
    ASSERT_NE(clear, nullptr);
    EXPECT_EQ(clear->arguments, "0, null, 3, " + std::to_string(0x8C004040u) + ", 1, 0");
    const std::size_t begin = FindCall("IDirect3DDevice9::BeginScene");
    const std::size_t levelDraw = FindCall("IDirect3DDevice9::DrawPrimitive");
    const std::size_t overlayBegin = FindCall("IDirect3DDevice9::DrawPrimitiveUP");
    const std::size_t end = FindCall("IDirect3DDevice9::EndScene");
    EXPECT_LT(FindCall("IDirect3DDevice9::Clear"), begin);
    EXPECT_LT(begin, levelDraw);
    EXPECT_LT(levelDraw, overlayBegin) << "the overlay text is drawn over the level";
    EXPECT_LT(overlayBegin, end);
    EXPECT_EQ(Calls("IDirect3DDevice9::Present"), 0u) << "presenting is the framework's";
    EXPECT_EQ(devicePanel_.rendered, std::vector<float>{0.25f});
    EXPECT_EQ(controlPanel_.rendered, std::vector<float>{0.25f});
}

TEST_F(SceneFrameTest, PanelsDrawBetweenTheLevelAndTheOverlay) {
    ImportSample();
    struct CallCounter : NotingPanel {
        recording::RecordingWorld* world = nullptr;
        std::size_t callsAtRender = 0;
        void Render(float) override { callsAtRender = world->Calls().size(); }
    };
    CallCounter first;
    CallCounter second;
    first.world = second.world = world_.get();
    app::Panels() = app::ScenePanels{&first, &second};
    world_->ClearCalls();
    app::FrameRender(device_, 0.0, 0.0f);
    EXPECT_GT(first.callsAtRender, FindCall("IDirect3DDevice9::DrawPrimitive"));
    EXPECT_LE(first.callsAtRender, second.callsAtRender);
    EXPECT_LE(second.callsAtRender, FindCall("IDirect3DDevice9::DrawPrimitiveUP"));
}

TEST_F(SceneFrameTest, AFailedSceneBeginSkipsTheFrameWithoutEndingTheScene) {
    ImportSample();
    world_->FailCall("IDirect3DDevice9::BeginScene", D3DERR_INVALIDCALL, 1);
    world_->ClearCalls();
    app::FrameRender(device_, 0.0, 0.0f);
    EXPECT_EQ(Calls("IDirect3DDevice9::Clear"), 1u);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitive"), 0u);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 0u);
    EXPECT_EQ(Calls("IDirect3DDevice9::EndScene"), 0u);
    EXPECT_TRUE(devicePanel_.rendered.empty());
}

TEST_F(SceneFrameTest, AnEmptyLevelDrawsNothingButThePanelsAndOverlayStillCome) {
    app::FrameRender(device_, 0.0, 0.0f);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitive"), 0u);
    EXPECT_EQ(Calls("IDirect3DDevice9::SetTransform"), 0u);
    EXPECT_EQ(devicePanel_.rendered.size(), 1u);
    EXPECT_GT(Calls("IDirect3DDevice9::DrawPrimitiveUP"), 0u) << "the overlay line";
}

TEST_F(SceneFrameTest, DrawLevelPutsTheWholeTransformInTheWorldMatrixAndDrawsOneList) {
    ImportSample();
    LevelData& level = app::ViewerLevel();
    const app::FlyCamera& camera = app::ViewerCamera();
    world_->ClearCalls();
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    EXPECT_EQ(scene::DrawLevel(level, device_, camera.ViewMatrix(), camera.ProjectionMatrix()), 1);
    device_->EndScene();

    D3DMATRIX world{};
    ASSERT_EQ(device_->GetTransform(D3DTS_WORLD, &world), D3D_OK);
    EXPECT_EQ(GFXMATRIX(world), camera.ViewMatrix() * camera.ProjectionMatrix());
    GFXMATRIX identity;
    GfxMatrixIdentity(&identity);
    D3DMATRIX view{};
    D3DMATRIX projection{};
    device_->GetTransform(D3DTS_VIEW, &view);
    device_->GetTransform(D3DTS_PROJECTION, &projection);
    EXPECT_EQ(GFXMATRIX(view), identity);
    EXPECT_EQ(GFXMATRIX(projection), identity);
    EXPECT_EQ(RenderState(D3DRS_CULLMODE), static_cast<DWORD>(D3DCULL_CW));
    EXPECT_EQ(LastCall("IDirect3DDevice9::SetTexture")->arguments, "0, null");
    EXPECT_EQ(LastCall("IDirect3DDevice9::SetFVF")->arguments, "82");
    EXPECT_EQ(LastCall("IDirect3DDevice9::SetStreamSource")->arguments, "0, ptr, 0, 28");
    EXPECT_EQ(LastCall("IDirect3DDevice9::DrawPrimitive")->arguments,
              "4, 0, " + std::to_string(level.sourceCount / 3));
    EXPECT_EQ(world_->Renderer().PrimitiveCount(), level.sourceCount / 3);
}

TEST_F(SceneFrameTest, AfterAConversionTheSolidsAreDrawnUntilTheNextImport) {
    ImportSample();
    LevelData& level = app::ViewerLevel();
    // What a conversion leaves behind: preview triangles in their own buffer.
    {
        std::lock_guard<std::recursive_mutex> held(level.lock);
        const std::uint32_t preview = level.sourceCount * 4;
        std::vector<LevelVertex> records(preview, LevelVertex{});
        level.previewBuffer = app::Scene().bufferFactory->CreateBuffer(preview);
        ASSERT_NE(level.previewBuffer, nullptr);
        ASSERT_TRUE(level.previewBuffer->Fill(records.data(), preview));
        level.previewCount = preview;
    }
    world_->ClearCalls();
    app::FrameRender(device_, 0.0, 0.0f);
    EXPECT_EQ(LastCall("IDirect3DDevice9::DrawPrimitive")->arguments,
              "4, 0, " + std::to_string(level.previewCount / 3));

    ImportSample();
    world_->ClearCalls();
    app::FrameRender(device_, 0.0, 0.0f);
    EXPECT_EQ(LastCall("IDirect3DDevice9::DrawPrimitive")->arguments,
              "4, 0, " + std::to_string(level.sourceCount / 3));
}

TEST_F(SceneFrameTest, APreviewWithoutItsBufferShowsNothingRatherThanTheWrongBuffer) {
    ImportSample();
    LevelData& level = app::ViewerLevel();
    level.previewCount = 3;  // as after a conversion whose buffer could not be made
    level.previewBuffer.reset();
    world_->ClearCalls();
    app::FrameRender(device_, 0.0, 0.0f);
    EXPECT_EQ(Calls("IDirect3DDevice9::DrawPrimitive"), 0u);
    EXPECT_EQ(Calls("IDirect3DDevice9::SetStreamSource"), 0u);
    EXPECT_EQ(Calls("IDirect3DDevice9::EndScene"), 1u);
}

TEST_F(SceneFrameTest, MessagesGoToThePanelsFirstAndTheCameraLast) {
    bool stop = true;
    EXPECT_EQ(app::WindowMessage(window_, WM_KEYDOWN, 'W', 0, &stop), 0);
    EXPECT_FALSE(stop);
    EXPECT_EQ(devicePanel_.offered, std::vector<UINT>{WM_KEYDOWN});
    EXPECT_EQ(controlPanel_.offered, std::vector<UINT>{WM_KEYDOWN});
    EXPECT_TRUE(app::ViewerCamera().IsHeld(app::CameraAction::MoveForward));

    // A press the control panel takes never reaches the camera.
    controlPanel_.takesMessages = true;
    EXPECT_EQ(app::WindowMessage(window_, WM_LBUTTONDOWN, 0, 0, &stop), 0);
    EXPECT_TRUE(stop);
    EXPECT_EQ(app::ViewerCamera().ButtonMask(), 0);
    EXPECT_EQ(GetCapture(), nullptr);

    // The device panel, when it takes one, hides it from the control panel too.
    devicePanel_.takesMessages = true;
    stop = false;
    app::WindowMessage(window_, WM_KEYUP, 'W', 0, &stop);
    EXPECT_TRUE(stop);
    EXPECT_EQ(controlPanel_.offered.size(), 2u);
    EXPECT_TRUE(app::ViewerCamera().IsHeld(app::CameraAction::MoveForward));
}

}  // namespace
}  // namespace ondrel::testing
