#pragma once
// A dialog on a scripted window with the recording device behind the
// resource manager: the test presses keys and buttons through the platform
// script, the window procedure hands every message to the dialog (as the
// application does), and the events the dialog reports are collected.

#include "gui/GuiDialog.h"
#include "platform/scripted/ScriptedPlatformServices.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/RecordingFixture.h"
#include "tests/support/TestWindow.h"

namespace ondrel::testing {

struct SeenEvent {
    UINT event;
    int id;
    bool operator==(const SeenEvent&) const = default;
};

class GuiControlsTest : public RecordingDeviceTest {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Window() const { return window_->Handle(); }
    // Delivers everything the script queued.
    void Pump();
    void Press(int key, std::u16string text = {});
    void Release(int key);
    void Tap(int key, std::u16string text = {});
    // A key typed while a modifier is held.
    void Chord(int modifier, int key, std::u16string text = {});
    void Type(const std::u16string& text);
    void Click(int x, int y);
    void Wheel(int notches);
    // The framework's clock, which the scroll bar repeats by.
    void SetFrameworkTime(double seconds);
    // The platform counter the caret blinks by.
    void AdvanceCounter(DWORD milliseconds) { script_->AdvanceTime(milliseconds); }
    void RenderFrame(float elapsed = 0.016f);
    // Events seen since the last call.
    std::vector<SeenEvent> TakeEvents();
    bool LastMessageConsumed() const { return lastConsumed_; }

    static std::vector<SeenEvent>& Events();
    static void OnEvent(UINT event, int id, gui::GuiControl* control);

    platform::ScriptedPlatformServices* script_ = nullptr;
    std::unique_ptr<TestWindow> window_;
    std::unique_ptr<gui::GuiDialog> dialog_;
    bool lastConsumed_ = false;
};

}  // namespace ondrel::testing
