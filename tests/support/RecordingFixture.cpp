#include "tests/support/RecordingFixture.h"

namespace ondrel::testing {
namespace {
// The recording device only keeps the window handle; nothing reads through it.
int windowStandIn = 0;
}  // namespace

void RecordingSceneTest::SetUp() {
    installed_ = std::make_unique<recording::ScopedRecordingBackend>(world_);
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d_, nullptr);
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = 320;
    pp.BackBufferHeight = 240;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 1;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.Windowed = TRUE;
    const HWND window = reinterpret_cast<HWND>(&windowStandIn);
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, window, D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &device_),
              D3D_OK);
    // Drawing is only allowed inside a scene.
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    world_->ClearCalls();
}

void RecordingSceneTest::TearDown() {
    if (device_ != nullptr) {
        device_->EndScene();
        EXPECT_EQ(device_->Release(), 0u) << "something still holds the device";
    }
    if (d3d_ != nullptr) {
        d3d_->Release();
    }
    EXPECT_EQ(world_->LiveObjectsTotal(), 0) << "objects leaked";
    installed_.reset();
}

}  // namespace ondrel::testing
