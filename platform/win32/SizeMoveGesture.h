#pragma once
// A user's drag of a window border or title bar, as one gesture.
//
// Win32 brackets a whole drag with WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE; the
// window systems underneath report only the single steps of it and no end.
// The first step of a drag opens the gesture, and a short quiet spell with
// no further step closes it, so a program that rebuilds its device at the
// end of a drag does so once per drag.

#include <optional>

#include "platform/win32/PlatformSession.h"

namespace ondrel::platform {

// How long a drag must stay still to count as released.
inline constexpr DWORD kSizeMoveQuietMs = 250;

// Sends WM_ENTERSIZEMOVE unless the window is already inside a drag, and
// restarts the quiet spell.
void ContinueSizeMove(HWND window);
// Sends WM_EXITSIZEMOVE to every window whose drag has been quiet long
// enough.
void EndQuietSizeMoves();
// Milliseconds until the next drag may end; nothing when no drag is open.
std::optional<DWORD> NextSizeMoveEndMs();

}  // namespace ondrel::platform
