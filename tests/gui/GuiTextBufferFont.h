#pragma once
// A recording device with the dialogs' default font ("Arial", 14, normal) for
// tests that measure text, and the real measuring service installed for the
// test's duration.

#include "gfxutil/GfxUtil.h"
#include "platform/recording/RecordingWorld.h"

#include <gtest/gtest.h>

#include <memory>

namespace ondrel::testing {

class MeasuringFontTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::shared_ptr<recording::RecordingWorld> world_ = recording::RecordingWorld::Create();
    std::unique_ptr<recording::ScopedRecordingBackend> installed_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    IGfxFont* font_ = nullptr;
};

}  // namespace ondrel::testing
