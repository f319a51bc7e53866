#pragma once
// A framework on the scripted platform and a recording machine, with the
// application's callbacks and the two device followers (resource manager,
// settings dialog) writing one shared log of who was told what, in order.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "devicesettings/enumeration/DeviceEnumeration.h"
#include "framework/Framework.h"
#include "framework/FrameworkState.h"
#include "platform/recording/RecordingWorld.h"
#include "platform/scripted/ScriptedPlatformServices.h"

namespace ondrel::testing {

struct StepLog {
    static inline std::vector<std::string> entries;
    static inline HRESULT deviceCreatedResult = S_OK;
    static inline HRESULT deviceResetResult = S_OK;
    static inline HRESULT managerCreateResult = S_OK;
    static inline bool (*accept)(const D3DCAPS9*, D3DFORMAT, D3DFORMAT, bool) = nullptr;

    static void Reset() {
        entries.clear();
        deviceCreatedResult = deviceResetResult = managerCreateResult = S_OK;
        accept = nullptr;
    }
    static bool Accept(const D3DCAPS9* caps, D3DFORMAT adapter, D3DFORMAT backBuffer, bool windowed) {
        return accept == nullptr || accept(caps, adapter, backBuffer, windowed);
    }
    static HRESULT DeviceCreated(IDirect3DDevice9*, const D3DSURFACE_DESC*) {
        entries.push_back("DeviceCreated");
        return deviceCreatedResult;
    }
    static HRESULT DeviceReset(IDirect3DDevice9*, const D3DSURFACE_DESC*) {
        entries.push_back("DeviceReset");
        return deviceResetResult;
    }
    static void DeviceLost() { entries.push_back("DeviceLost"); }
    static void DeviceDestroyed() { entries.push_back("DeviceDestroyed"); }
};

class RecordingFollower : public framework::SettingsDialogSteps {
public:
    explicit RecordingFollower(std::string name) : name_(std::move(name)) {}
    HRESULT OnCreateDevice(IDirect3DDevice9*) override { return Note("Create", StepLog::managerCreateResult); }
    HRESULT OnResetDevice() override { return Note("Reset", S_OK); }
    void OnLostDevice() override { Note("Lost", S_OK); }
    void OnDestroyDevice() override { Note("Destroy", S_OK); }
    bool MessageHandler(HWND, UINT, WPARAM, LPARAM) override { return false; }
    HRESULT Draw(float) override { return S_OK; }
    void Refresh() override {}

private:
    HRESULT Note(const char* step, HRESULT result) {
        StepLog::entries.push_back(name_ + "." + step);
        return result;
    }
    std::string name_;
};

class RecordingManager : public framework::ResourceManagerSteps {
public:
    HRESULT OnCreateDevice(IDirect3DDevice9*) override { return Note("Create", StepLog::managerCreateResult); }
    HRESULT OnResetDevice() override { return Note("Reset", S_OK); }
    void OnLostDevice() override { Note("Lost", S_OK); }
    void OnDestroyDevice() override { Note("Destroy", S_OK); }

private:
    static HRESULT Note(const char* step, HRESULT result) {
        StepLog::entries.push_back(std::string("Manager.") + step);
        return result;
    }
};

class LifecycleTest : public ::testing::Test {
protected:
    LifecycleTest() : world_(recording::RecordingWorld::Create()), backend_(world_) {}

    void SetUp() override {
        StepLog::Reset();
        platform_ = &platform::InstallScriptedPlatform();
        framework::ResetFrameworkState();
        framework::SetResourceManager(&manager_);
        framework::SetDeviceCreatedCallback(&StepLog::DeviceCreated);
        framework::SetDeviceResetCallback(&StepLog::DeviceReset);
        framework::SetDeviceLostCallback(&StepLog::DeviceLost);
        framework::SetDeviceDestroyedCallback(&StepLog::DeviceDestroyed);
    }

    void TearDown() override {
        framework::Shutdown();
        framework::ResetFrameworkState();
        devicesettings::ResetDeviceEnumeration();
        platform::ResetPlatformServices();
        if (expectNoLeaks_) {
            EXPECT_EQ(world_->LiveObjectsTotal(), 0) << "objects left alive after shutdown";
        }
    }

    // As the application starts: Init, its window, a windowed 640 x 480 device.
    HRESULT Start(bool windowed = true, int width = 640, int height = 480) {
        if (HRESULT hr = framework::Init(false, true, true); FAILED(hr)) return hr;
        if (HRESULT hr = framework::CreateAppWindow(u"Lifecycle", nullptr, nullptr, nullptr, CW_USEDEFAULT,
                                                    CW_USEDEFAULT);
            FAILED(hr)) {
            return hr;
        }
        StepLog::entries.clear();
        return framework::CreateDevice(0, windowed, width, height, &StepLog::Accept, nullptr);
    }

    framework::DeviceSettings Current() const { return framework::GetDeviceSettings(); }
    const D3DPRESENT_PARAMETERS& Presented() const { current_ = Current(); return current_.presentParameters; }
    std::vector<std::u16string> MessageTexts() const {
        std::vector<std::u16string> texts;
        for (const auto& box : platform_->MessageBoxes()) texts.push_back(box.text);
        return texts;
    }
    void AddReferenceDevice() { world_->Catalogue().adapters[0].devices.push_back(
        graphics::TypicalDeviceSupport(D3DDEVTYPE_REF)); }

    std::shared_ptr<recording::RecordingWorld> world_;
    recording::ScopedRecordingBackend backend_;
    platform::ScriptedPlatformServices* platform_ = nullptr;
    RecordingManager manager_;
    bool expectNoLeaks_ = true;
    mutable framework::DeviceSettings current_{};
};

}  // namespace ondrel::testing
