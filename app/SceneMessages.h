#pragma once
// Where the window's messages go: the panels first, the camera last.

#include "platform/win32/Windows.h"

namespace ondrel::app {

// Sets *noFurtherProcessing when a panel took the message. Always 0.
LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* noFurtherProcessing);

}  // namespace ondrel::app
