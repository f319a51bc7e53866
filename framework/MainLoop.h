#pragma once
// The message pump that renders whenever the queue is empty, one frame, and
// the counted pause.

#include "platform/win32/Windows.h"

namespace ondrel::framework {

HRESULT MainLoop(HACCEL accelerators);
void RenderFrame();
// Counted: every call with true is balanced by a later call with false.
void Pause(bool pauseTime, bool pauseRendering);
void SetConstantFrameTime(bool enabled, float secondsPerFrame);

}  // namespace ondrel::framework
