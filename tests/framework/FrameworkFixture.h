#pragma once
// A fresh framework on the scripted platform and the recording graphics
// backend for every test.

#include <gtest/gtest.h>

#include "framework/Direct3DLibrary.h"
#include "framework/FrameTimer.h"
#include "framework/Framework.h"
#include "framework/FrameworkState.h"
#include "platform/recording/RecordingWorld.h"
#include "platform/scripted/ScriptedPlatformServices.h"
#include "tests/framework/LifecycleStandIns.h"

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
        LifecycleCalls().clear();
        platform::SetCommandLineForTesting(u"viewer.exe");
    }
    ~FrameworkFixture() override {
        if (IDirect3D9* direct3d = framework::State().Get(&framework::StateFields::direct3d)) direct3d->Release();
        framework::ResetFrameworkState();
        framework::ResetDirect3DLibrary();
        platform::ResetLibraryTable();
        platform::ResetCommandLineForTesting();
        platform::ResetPlatformServices();
    }

    platform::ScriptedPlatformServices& platform_;
    std::shared_ptr<recording::RecordingWorld> world_;
    recording::ScopedRecordingBackend backend_;
};

}  // namespace ondrel::testing
