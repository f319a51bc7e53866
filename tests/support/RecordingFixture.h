#pragma once
// The recording backend installed for one test. RecordingTest makes the
// device itself (MakeDevice: windowed 640 x 480, as the framework makes it);
// RecordingDeviceTest gives fixtures of their own a device to open and close;
// RecordingSceneTest starts with a 320 x 240 device inside a scene and an
// empty call log. All check that every object the test made is gone.

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "platform/recording/RecordingWorld.h"

namespace ondrel::testing {

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

// A device with one back buffer and software vertex processing, opened by
// the fixture that derives from this one when its own set-up allows, and the
// leak check once the fixture closes it.
class RecordingDeviceTest : public ::testing::Test {
protected:
    // Installs the backend and makes the device. Without a window the device
    // gets a stand-in handle: the recording device never reads through it.
    void OpenDevice(UINT width, UINT height, HWND window = nullptr);
    // Releases the device (nothing else may still hold it), then checks that
    // every object the test made is gone, and uninstalls the backend.
    void CloseDevice();

    std::shared_ptr<recording::RecordingWorld> world_ = recording::RecordingWorld::Create();
    std::unique_ptr<recording::ScopedRecordingBackend> installed_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

class RecordingSceneTest : public RecordingDeviceTest {
protected:
    void SetUp() override;
    void TearDown() override;

    recording::RecordingWorld& World() { return *world_; }
    std::size_t Calls(std::string_view name) const { return world_->CountCalls(name); }
};

}  // namespace ondrel::testing
