#pragma once
// The viewer's two dialogs, `DevicePanel` (top right) and `ControlPanel`
// (bottom right), and their place among the scene's panels. Both are made
// on first use and live until the program ends or a test resets them.

#include "gui/GuiDialog.h"

namespace ondrel::app {

gui::GuiDialog& DevicePanel();
gui::GuiDialog& ControlPanel();

// Hands both dialogs to the scene, which routes messages to them, draws
// them and places them on every device reset.
void ShowPanelsInScene();

// Destroys both dialogs and takes them out of the scene. For tests.
void ResetAppPanels();

}  // namespace ondrel::app
