// The counted pause and the constant frame time.

#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"
#include "framework/MainLoop.h"

namespace ondrel::framework {

namespace {

int Counted(int count, bool more) { return more ? count + 1 : (count > 0 ? count - 1 : 0); }

}  // namespace

void Pause(bool pauseTime, bool pauseRendering) {
    FrameworkState& state = State();
    int timeCount = Counted(state.Get(&StateFields::pauseTimeCount), pauseTime);
    int renderingCount = Counted(state.Get(&StateFields::pauseRenderingCount), pauseRendering);
    state.Set(&StateFields::pauseTimeCount, timeCount);
    state.Set(&StateFields::pauseRenderingCount, renderingCount);
    if (timeCount > 0) GetGlobalTimer().Stop();
    else GetGlobalTimer().Start();
    state.Set(&StateFields::renderingPaused, renderingCount > 0);
    state.Set(&StateFields::timePaused, timeCount > 0);
}

void SetConstantFrameTime(bool enabled, float secondsPerFrame) {
    FrameworkState& state = State();
    if (state.Get(&StateFields::overrideConstantFrameTime)) {
        enabled = true;
        secondsPerFrame = state.Get(&StateFields::overrideConstantTimePerFrame);
    }
    state.Set(&StateFields::constantFrameTime, enabled);
    state.Set(&StateFields::timePerFrame, secondsPerFrame);
}

}  // namespace ondrel::framework
