#pragma once
// MessageBoxW for the SDL backend.

#include "platform/win32/PlatformServices.h"

namespace ondrel::platform {

// IDOK..IDNO for the button pressed (the Escape key gives the cancelling
// button), 0 when no box could be shown.
int ShowSdlMessageBox(const MessageBoxRequest& request);

}  // namespace ondrel::platform
