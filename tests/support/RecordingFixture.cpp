#include "tests/support/RecordingFixture.h"

namespace ondrel::testing {
namespace {
// The recording device only keeps the window handle; nothing reads through it.
int windowStandIn = 0;
}  // namespace

void RecordingDeviceTest::OpenDevice(UINT width, UINT height, HWND window) {
    installed_ = std::make_unique<recording::ScopedRecordingBackend>(world_);
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d_, nullptr);
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = width;
    pp.BackBufferHeight = height;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 1;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.Windowed = TRUE;
    if (window == nullptr) window = reinterpret_cast<HWND>(&windowStandIn);
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, window, D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &device_),
              D3D_OK);
}

void RecordingDeviceTest::CloseDevice() {
    if (device_ != nullptr) {
        EXPECT_EQ(device_->Release(), 0u) << "something still holds the device";
        device_ = nullptr;
    }
    if (d3d_ != nullptr) {
        d3d_->Release();
        d3d_ = nullptr;
    }
    EXPECT_EQ(world_->LiveObjectsTotal(), 0) << "objects leaked";
    installed_.reset();
}

void RecordingSceneTest::SetUp() {
    ASSERT_NO_FATAL_FAILURE(OpenDevice(320, 240));
    // Drawing is only allowed inside a scene.
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    world_->ClearCalls();
}

void RecordingSceneTest::TearDown() {
    if (device_ != nullptr) device_->EndScene();
    CloseDevice();
}

}  // namespace ondrel::testing
