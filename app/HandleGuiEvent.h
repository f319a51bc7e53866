#pragma once
// The one event callback of both panels: what the user's clicks and typing
// do. It looks at the control id only.

#include "gui/GuiControl.h"
#include "platform/win32/Windows.h"

namespace ondrel::app {

void HandleGuiEvent(UINT event, int controlId, gui::GuiControl* control);

}  // namespace ondrel::app
