#pragma once
// The scene's share of every frame: moving things (light, camera) and
// drawing them (clear, level, panels, overlay). Presenting is the
// framework's.

#include "platform/d3d9/D3D9.h"
#include "scene/SceneLighting.h"  // the clear colour

namespace ondrel::app {

void FrameMove(IDirect3DDevice9* device, double time, float elapsedSeconds);
void FrameRender(IDirect3DDevice9* device, double time, float elapsedSeconds);

}  // namespace ondrel::app
