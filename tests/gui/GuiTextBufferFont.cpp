#include "GuiTextBufferFont.h"

#include "gui/GuiTextBufferService.h"

namespace ondrel::testing {
namespace {
// The recording device keeps the window handle and never reads through it.
int windowStandIn = 0;
}  // namespace

void MeasuringFontTest::SetUp() {
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
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, reinterpret_cast<HWND>(&windowStandIn),
                                 D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &device_),
              D3D_OK);
    ASSERT_EQ(GfxCreateFontW(device_, 14, 0, FW_NORMAL, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, u"Arial", &font_),
              D3D_OK);
    gui::LoadTextMeasuring();
}

void MeasuringFontTest::TearDown() {
    gui::ResetTextMeasuring();
    if (font_ != nullptr) {
        font_->Release();
    }
    if (device_ != nullptr) {
        EXPECT_EQ(device_->Release(), 0u) << "something still holds the device";
    }
    if (d3d_ != nullptr) {
        d3d_->Release();
    }
    EXPECT_EQ(world_->LiveObjectsTotal(), 0) << "objects leaked";
    installed_.reset();
}

}  // namespace ondrel::testing
