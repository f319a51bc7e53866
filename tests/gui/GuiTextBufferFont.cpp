#include "GuiTextBufferFont.h"

#include "gui/GuiTextBufferService.h"

namespace ondrel::testing {
void MeasuringFontTest::SetUp() {
    ASSERT_NO_FATAL_FAILURE(OpenDevice(640, 480));
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
    CloseDevice();
}

}  // namespace ondrel::testing
