#pragma once
// A recording world installed as the graphics backend, with a windowed
// 640 x 480 device made through Direct3DCreate9 as the framework makes it.

#include <gtest/gtest.h>

#include "platform/recording/RecordingWorld.h"

namespace ondrel::graphics::testing {

inline HWND FakeWindow(std::uintptr_t n = 1) { return reinterpret_cast<HWND>(n * 16); }

inline D3DPRESENT_PARAMETERS WindowedParameters() {
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = 640;
    pp.BackBufferHeight = 480;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 2;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.hDeviceWindow = FakeWindow();
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D16;
    pp.Flags = D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    return pp;
}

class RecordingTest : public ::testing::Test {
protected:
    RecordingTest() : world_(recording::RecordingWorld::Create()), installed_(world_) {}

    void SetUp() override {
        d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d_, nullptr);
    }

    void TearDown() override {
        if (device_ != nullptr) device_->Release();
        if (d3d_ != nullptr) d3d_->Release();
        EXPECT_EQ(world_->LiveObjectsTotal(), 0) << "objects left alive";
    }

    HRESULT MakeDevice(D3DPRESENT_PARAMETERS pp = WindowedParameters(),
                       DWORD flags = D3DCREATE_HARDWARE_VERTEXPROCESSING) {
        return d3d_->CreateDevice(0, D3DDEVTYPE_HAL, FakeWindow(), flags, &pp, &device_);
    }

    std::shared_ptr<recording::RecordingWorld> world_;
    recording::ScopedRecordingBackend installed_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

}  // namespace ondrel::graphics::testing
