#pragma once
// Builds the two panels: their controls at their places and
// HandleGuiEvent as the event callback of both.

#include "platform/win32/Windows.h"

namespace ondrel::app {

// The texts the three parameter boxes start with; they show the numbers the
// level and ExportScale start with.
inline constexpr WCHAR kInitialTrisText[] = u"5";
inline constexpr WCHAR kInitialBlocksText[] = u"6";
inline constexpr WCHAR kInitialScaleText[] = u"40";

// S_OK, or the first failure of adding a control.
HRESULT InitApplication();

}  // namespace ondrel::app
