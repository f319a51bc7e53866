#pragma once
// A recording device on a scripted machine (one window, for mouse capture), with every single instance the
// scene touches (framework state, camera, level, scene objects, panels)
// fresh for each test and checked for leaks afterwards.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ScenePanel.h"
#include "platform/recording/RecordingWorld.h"
#include "platform/scripted/ScriptedPlatformServices.h"

namespace ondrel::testing {

using RecordedCall = recording::RecordedCall;

// A panel that notes what the scene asked of it, and takes the messages it
// is told to take.
class NotingPanel : public app::ScenePanel {
public:
    bool HandleMessage(HWND, UINT message, WPARAM, LPARAM) override {
        offered.push_back(message);
        return takesMessages;
    }
    void Render(float elapsedSeconds) override { rendered.push_back(elapsedSeconds); }
    void Place(int x, int y, int width, int height) override { place = RECT{x, y, x + width, y + height}; }

    bool takesMessages = false;
    std::vector<UINT> offered;
    std::vector<float> rendered;
    RECT place{-1, -1, -1, -1};
};

class SceneFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The device the framework would hand the callbacks: 800 x 600 windowed.
    void CreateDevice();
    // The framework's creation steps: DeviceCreated then DeviceReset.
    void RunCreationSteps();
    // The framework's destruction steps: DeviceLost then DeviceDestroyed.
    void RunDestructionSteps();
    std::size_t Calls(std::string_view name) const { return world_->CountCalls(name); }
    // Position of the first call named so in the log at or after `from`, or npos.
    std::size_t FindCall(std::string_view name, std::size_t from = 0) const;
    const RecordedCall* LastCall(std::string_view name) const;
    // Imports the bundled text sample into the viewer's level.
    void ImportSample();

    HWND window_ = nullptr;
    std::shared_ptr<recording::RecordingWorld> world_ = recording::RecordingWorld::Create();
    std::unique_ptr<recording::ScopedRecordingBackend> installed_;
    platform::ScriptedPlatformServices* machine_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    D3DSURFACE_DESC backBuffer_{};
    NotingPanel devicePanel_;
    NotingPanel controlPanel_;
};

}  // namespace ondrel::testing
