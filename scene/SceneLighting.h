#pragma once
// How the level looks, in the viewer and in the converter's preview: a white
// material that takes its diffuse colour from the vertices, one directional
// light swaying with the wall clock, a quarter-grey ambient floor, drawn
// against a dark teal.

#include "platform/d3d9/D3D9.h"

namespace ondrel::scene {

inline constexpr D3DCOLOR kSceneAmbient = 0x00404040;
inline constexpr D3DCOLOR kSceneClearColour = 0x8C004040;

// The light's direction at a wall-clock reading in milliseconds: it sways in
// the x-y plane between (-1, 1, 0) and (1, 1, 0), normalised.
D3DVECTOR SwayingLightDirection(DWORD milliseconds);

// Material, light 0 (light 1 off) and the render states, for this frame.
void ApplySceneLighting(IDirect3DDevice9* device, DWORD milliseconds);

}  // namespace ondrel::scene
