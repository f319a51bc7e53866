#include "GuiTestSupport.h"

#include "tests/gui/GuiResourceHookup.h"
#include "gui/GuiResourceManager.h"
#include "gui/GuiSharedState.h"
#include "platform/win32/PlatformServices.h"

namespace ondrel::testing {
std::vector<LoggedEvent>& EventLog() {
    static std::vector<LoggedEvent> log;
    return log;
}

void LogEvent(UINT event, int id, gui::GuiControl* /*control*/) { EventLog().push_back({event, id}); }

void GuiRecordingTest::SetUp() {
    platform_ = &platform::InstallScriptedPlatform();
    ASSERT_NO_FATAL_FAILURE(OpenDevice(640, 480));
    EventLog().clear();
    gui::ResetSharedGuiState();
    dialog_ = std::make_unique<gui::GuiDialog>();
    dialog_->SetCallback(&LogEvent);
    ASSERT_NO_FATAL_FAILURE(ConnectGuiResources(device_));
    world_->ClearCalls();
}

void GuiRecordingTest::TearDown() {
    dialog_.reset();
    DisconnectGuiResources();
    gui::ResetSharedGuiState();
    CloseDevice();
    platform::ResetPlatformServices();
}

void GuiRecordingTest::RenderFrames(int frames, float elapsed) {
    for (int i = 0; i < frames; ++i) {
        ASSERT_EQ(device_->BeginScene(), D3D_OK);
        EXPECT_EQ(dialog_->Render(elapsed), S_OK);
        ASSERT_EQ(device_->EndScene(), D3D_OK);
    }
}

}  // namespace ondrel::testing
