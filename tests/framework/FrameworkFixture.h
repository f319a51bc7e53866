#pragma once
// A fresh framework on the scripted platform and the recording graphics
// backend for every test.

#include <gtest/gtest.h>

#include "devicesettings/enumeration/DeviceEnumeration.h"
#include "framework/Direct3DLibrary.h"
#include "framework/FrameTimer.h"
#include "framework/Framework.h"
#include "framework/FrameworkState.h"
#include "platform/recording/RecordingWorld.h"
#include "platform/scripted/ScriptedPlatformServices.h"

namespace ondrel::testing {

class FrameworkFixture : public ::testing::Test {
protected:
    FrameworkFixture()
        : platform_(platform::InstallScriptedPlatform()),
          world_(recording::RecordingWorld::Create()),
          backend_(world_) {
        framework::ResetFrameworkState();
        framework::ResetGlobalTimer();
        framework::ResetDirect3DLibrary();
        platform::SetCommandLineForTesting(u"viewer.exe");
    }
    ~FrameworkFixture() override {
        framework::Shutdown();
        framework::ResetFrameworkState();
        devicesettings::ResetDeviceEnumeration();
        framework::ResetDirect3DLibrary();
        platform::ResetLibraryTable();
        platform::ResetCommandLineForTesting();
        platform::ClearRegistryValues();
        platform::ResetPlatformServices();
    }

    platform::ScriptedPlatformServices& platform_;
    std::shared_ptr<recording::RecordingWorld> world_;
    recording::ScopedRecordingBackend backend_;
};

}  // namespace ondrel::testing
