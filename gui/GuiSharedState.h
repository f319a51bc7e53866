#pragma once
// What all dialogs share: one keyboard focus across every dialog, the
// caption drag in progress, and the time a refresh of every dialog was last
// asked for.

namespace ondrel::gui {

class GuiControl;

struct GuiSharedState {
    GuiControl* focusedControl = nullptr;
    bool captionDrag = false;
    double refreshTime = 0.0;
};

GuiSharedState& SharedGuiState();
// Back to no focus, no drag, refresh time 0. For tests.
void ResetSharedGuiState();

}  // namespace ondrel::gui
