#pragma once
// A device of the recording backend for one test, with a leak check: every
// object the test made must be gone once the device is.

#include "platform/recording/RecordingWorld.h"

#include <gtest/gtest.h>

#include <memory>

namespace gfxtest {

class RecordingDeviceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ondrel::recording::RecordingWorld& World() { return *world_; }
    std::size_t Calls(std::string_view name) const { return world_->CountCalls(name); }

    std::shared_ptr<ondrel::recording::RecordingWorld> world_ = ondrel::recording::RecordingWorld::Create();
    std::unique_ptr<ondrel::recording::ScopedRecordingBackend> installed_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

}  // namespace gfxtest
