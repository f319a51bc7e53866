#pragma once
// A recording device with the dialogs' default font ("Arial", 14, normal) for
// tests that measure text, and the real measuring service installed for the
// test's duration.

#include "gfxutil/GfxUtil.h"
#include "tests/support/RecordingFixture.h"

namespace ondrel::testing {

class MeasuringFontTest : public RecordingDeviceTest {
protected:
    void SetUp() override;
    void TearDown() override;

    IGfxFont* font_ = nullptr;
};

}  // namespace ondrel::testing
