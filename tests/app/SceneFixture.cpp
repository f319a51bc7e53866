#include "SceneFixture.h"

#include "app/SceneDevice.h"
#include "app/SceneObjects.h"
#include "app/ViewerCamera.h"
#include "app/ViewerLevel.h"
#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"

namespace ondrel::testing {
namespace {
constexpr char16_t kClassName[] = u"SceneTestWindow";
}  // namespace

void SceneFixture::SetUp() {
    machine_ = &platform::InstallScriptedPlatform();
    framework::ResetFrameworkState();
    framework::ResetGlobalTimer();
    framework::GetGlobalTimer().Reset();  // running, as after the framework's Init
    app::ResetScene();
    app::ResetViewerLevel();
    app::ResetViewerCamera();
    app::ResetPanels();
    app::Panels() = app::ScenePanels{&devicePanel_, &controlPanel_};

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, u"scene", WS_OVERLAPPEDWINDOW, 0, 0, 816, 639, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_NE(window_, nullptr);

    installed_ = std::make_unique<recording::ScopedRecordingBackend>(world_);
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d_, nullptr);
    framework::State().Set(&framework::StateFields::direct3d, d3d_);
}

void SceneFixture::CreateDevice() {
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = 800;
    pp.BackBufferHeight = 600;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 1;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.hDeviceWindow = window_;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D16;
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, window_, D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device_),
              D3D_OK);
    framework::State().Set(&framework::StateFields::device, device_);
    backBuffer_.Format = D3DFMT_X8R8G8B8;
    backBuffer_.Type = D3DRTYPE_SURFACE;
    backBuffer_.Width = 800;
    backBuffer_.Height = 600;
}

void SceneFixture::RunCreationSteps() {
    CreateDevice();
    ASSERT_EQ(app::DeviceCreated(device_, &backBuffer_), S_OK);
    ASSERT_EQ(app::DeviceReset(device_, &backBuffer_), S_OK);
}

void SceneFixture::RunDestructionSteps() {
    app::DeviceLost();
    app::DeviceDestroyed();
}

void SceneFixture::TearDown() {
    if (device_ != nullptr) {
        RunDestructionSteps();
        EXPECT_EQ(device_->Release(), 0u) << "something of the scene still holds the device";
        device_ = nullptr;
    }
    app::ResetScene();
    app::ResetViewerLevel();
    app::ResetViewerCamera();
    app::ResetPanels();
    framework::ResetFrameworkState();
    framework::ResetGlobalTimer();
    if (d3d_ != nullptr) {
        d3d_->Release();
    }
    EXPECT_EQ(world_->LiveObjectsTotal(), 0) << "device objects leaked";
    installed_.reset();
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    UnregisterClassW(kClassName, nullptr);
    platform::ResetPlatformServices();
}

std::size_t SceneFixture::FindCall(std::string_view name, std::size_t from) const {
    const auto& calls = world_->Calls();
    for (std::size_t i = from; i < calls.size(); ++i) {
        if (calls[i].name == name) return i;
    }
    return std::string::npos;
}

const RecordedCall* SceneFixture::LastCall(std::string_view name) const {
    const auto& calls = world_->Calls();
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
        if (it->name == name) return &*it;
    }
    return nullptr;
}

void SceneFixture::ImportSample() {
    ASSERT_TRUE(app::ViewerLevel().Import(std::filesystem::path(ONDREL_SOURCE_DIR) / "samples" / "facility.txt",
                                          false));
    ASSERT_GT(app::ViewerLevel().sourceCount, 0u);
}

}  // namespace ondrel::testing
