#pragma once
// The scene's share of every frame: moving things (light, camera) and
// drawing them (clear, level, panels, overlay). Presenting is the
// framework's.

#include "platform/d3d9/D3D9.h"

namespace ondrel::app {

inline constexpr D3DCOLOR kSceneClearColour = 0x8C004040;

void FrameMove(IDirect3DDevice9* device, double time, float elapsedSeconds);
void FrameRender(IDirect3DDevice9* device, double time, float elapsedSeconds);

}  // namespace ondrel::app
