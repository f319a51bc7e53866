#include "GuiControlsFixture.h"

#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"
#include "gui/GuiSharedState.h"
#include "gui/GuiTextBufferService.h"
#include "platform/win32/WinLibraries.h"
#include "tests/gui/GuiResourceHookup.h"
#include "tests/support/SourceTreeMedia.h"

namespace ondrel::testing {

std::vector<SeenEvent>& GuiControlsTest::Events() {
    static std::vector<SeenEvent> events;
    return events;
}

void GuiControlsTest::OnEvent(UINT event, int id, gui::GuiControl*) { Events().push_back({event, id}); }

void GuiControlsTest::SetUp() {
    script_ = &platform::InstallScriptedPlatform();
    framework::ResetFrameworkState();
    framework::ResetGlobalTimer();
    gui::ResetSharedGuiState();
    gui::LoadTextMeasuring();
    Events().clear();

    window_ = std::make_unique<TestWindow>();
    ShowWindow(window_->Handle(), SW_SHOW);
    PumpMessages();
    window_->handler = [this](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        lastConsumed_ = dialog_ != nullptr && dialog_->HandleMessage(Window(), message, wParam, lParam);
        if (lastConsumed_) {
            return 0;
        }
        return std::nullopt;
    };
    framework::State().Set(&framework::StateFields::deviceWindowFullScreen, window_->Handle());
    framework::State().Set(&framework::StateFields::deviceWindowWindowed, window_->Handle());

    ASSERT_NO_FATAL_FAILURE(OpenDevice(640, 480, window_->Handle()));
    gui::GetGlobalResourceManager().SetMediaFinder(&SourceTreeMedia);
    ASSERT_NO_FATAL_FAILURE(ConnectGuiResources(device_));

    // The framework runs its timer from start-up on; the caret blinks by it.
    framework::GetGlobalTimer().Start();
    dialog_ = std::make_unique<gui::GuiDialog>();
    dialog_->SetCallback(&OnEvent);
    dialog_->SetSize(400, 300);
}

void GuiControlsTest::TearDown() {
    dialog_.reset();
    DisconnectGuiResources();
    CloseDevice();
    window_.reset();
    gui::ResetTextMeasuring();
    gui::ResetSharedGuiState();
    framework::ResetFrameworkState();
    framework::ResetGlobalTimer();
    platform::ResetLibraryTable();
    platform::ResetPlatformServices();
}

void GuiControlsTest::Pump() { PumpMessages(); }

void GuiControlsTest::Press(int key, std::u16string text) {
    script_->PressKey(Window(), key, std::move(text));
    Pump();
}

void GuiControlsTest::Release(int key) {
    script_->ReleaseKey(Window(), key);
    Pump();
}

void GuiControlsTest::Tap(int key, std::u16string text) {
    Press(key, std::move(text));
    Release(key);
}

void GuiControlsTest::Chord(int modifier, int key, std::u16string text) {
    Press(modifier);
    Tap(key, std::move(text));
    Release(modifier);
}

void GuiControlsTest::Type(const std::u16string& text) {
    for (char16_t c : text) {
        const int key = c >= u'a' && c <= u'z' ? c - u'a' + 'A' : static_cast<int>(c);
        Tap(key, std::u16string(1, c));
    }
}

void GuiControlsTest::Click(int x, int y) {
    script_->PressButton(Window(), platform::MouseButton::Left, x, y);
    script_->ReleaseButton(Window(), platform::MouseButton::Left, x, y);
    Pump();
}

void GuiControlsTest::Wheel(int notches) {
    script_->TurnWheel(Window(), notches * 120);
    Pump();
}

void GuiControlsTest::SetFrameworkTime(double seconds) { framework::State().Set(&framework::StateFields::time, seconds); }

void GuiControlsTest::RenderFrame(float elapsed) {
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    dialog_->Render(elapsed);
    device_->EndScene();
}

std::vector<SeenEvent> GuiControlsTest::TakeEvents() {
    std::vector<SeenEvent> taken;
    taken.swap(Events());
    return taken;
}

}  // namespace ondrel::testing
