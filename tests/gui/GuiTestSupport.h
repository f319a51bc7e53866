#pragma once
// A dialog's world for one test: the scripted platform (key state, capture),
// a recording device known to the resource manager, an event log behind the
// dialog's callback, and a leak check once everything is released.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gui/GuiDialog.h"
#include "platform/scripted/ScriptedPlatformServices.h"
#include "tests/support/RecordingFixture.h"

namespace ondrel::testing {

struct LoggedEvent {
    UINT event;
    int id;
    bool operator==(const LoggedEvent&) const = default;
};

// What the dialogs' callback received, oldest first.
std::vector<LoggedEvent>& EventLog();
void LogEvent(UINT event, int id, gui::GuiControl* control);

class GuiRecordingTest : public RecordingDeviceTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Messages as the window procedure would pass them; points in client
    // coordinates.
    bool Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return dialog_->HandleMessage(nullptr, message, wParam, lParam);
    }
    bool Press(int x, int y) { return Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    bool Release(int x, int y) { return Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    void Click(int x, int y) {
        Press(x, y);
        Release(x, y);
    }
    bool KeyDown(int key) { return Send(WM_KEYDOWN, static_cast<WPARAM>(key)); }
    bool KeyUp(int key) { return Send(WM_KEYUP, static_cast<WPARAM>(key)); }
    // Frames of the given length, each inside its own scene.
    void RenderFrames(int frames, float elapsed = 0.1f);

    platform::ScriptedPlatformServices* platform_ = nullptr;
    std::unique_ptr<gui::GuiDialog> dialog_;
};

}  // namespace ondrel::testing
