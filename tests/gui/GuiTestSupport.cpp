#include "GuiTestSupport.h"

#include "gui/GuiResourceManager.h"
#include "gui/GuiSharedState.h"
#include "platform/win32/PlatformServices.h"

namespace ondrel::testing {
namespace {
// The recording device keeps the handle only; nothing reads through it.
int windowStandIn = 0;
}  // namespace

std::vector<LoggedEvent>& EventLog() {
    static std::vector<LoggedEvent> log;
    return log;
}

void LogEvent(UINT event, int id, gui::GuiControl* /*control*/) { EventLog().push_back({event, id}); }

void GuiRecordingTest::SetUp() {
    platform_ = &platform::InstallScriptedPlatform();
    installed_ = std::make_unique<recording::ScopedRecordingBackend>(world_);
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d_, nullptr);
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = 640;
    pp.BackBufferHeight = 480;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 1;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.Windowed = TRUE;
    const HWND window = reinterpret_cast<HWND>(&windowStandIn);
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, window, D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &device_),
              D3D_OK);
    EventLog().clear();
    gui::ResetSharedGuiState();
    gui::GuiResourceManager& manager = gui::GetGlobalResourceManager();
    dialog_ = std::make_unique<gui::GuiDialog>();
    dialog_->SetCallback(&LogEvent);
    ASSERT_EQ(manager.OnDeviceCreated(device_), S_OK);
    ASSERT_EQ(manager.OnDeviceReset(), S_OK);
    world_->ClearCalls();
}

void GuiRecordingTest::TearDown() {
    dialog_.reset();
    gui::GuiResourceManager& manager = gui::GetGlobalResourceManager();
    manager.OnDeviceLost();
    manager.OnDeviceDestroyed();
    gui::ResetGlobalResourceManager();
    gui::ResetSharedGuiState();
    if (device_ != nullptr) {
        EXPECT_EQ(device_->Release(), 0u) << "something still holds the device";
    }
    if (d3d_ != nullptr) d3d_->Release();
    EXPECT_EQ(world_->LiveObjectsTotal(), 0) << "objects leaked";
    installed_.reset();
    platform::ResetPlatformServices();
}

void GuiRecordingTest::RenderFrames(int frames, float elapsed) {
    for (int i = 0; i < frames; ++i) {
        ASSERT_EQ(device_->BeginScene(), D3D_OK);
        EXPECT_EQ(dialog_->Render(elapsed), S_OK);
        ASSERT_EQ(device_->EndScene(), D3D_OK);
    }
}

}  // namespace ondrel::testing
