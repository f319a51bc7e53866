#pragma once
// Which parts of the device state a state block covers.

#include <array>
#include <bitset>
#include <set>

#include "platform/d3d9/D3D9Types.h"

namespace ondrel::graphics {

inline constexpr std::size_t kTransformSlots = 14;  // view, projection, 8 texture, 4 world
inline constexpr std::size_t kSamplerSlots = 21;    // 16 pixel samplers, displacement, 4 vertex
inline constexpr std::size_t kStreamSlots = 16;

// Slot of a transform in the state tables, or -1 for one the layer keeps no
// record of (world matrices beyond the fourth).
int TransformSlot(D3DTRANSFORMSTATETYPE state);
// Slot of a sampler number, or -1 when there is no such sampler.
int SamplerSlot(DWORD sampler);

struct StateMask {
    std::bitset<D3DRS_STATE_COUNT> renderStates;
    std::bitset<kTransformSlots> transforms;
    bool allLights = false;  // every light present at capture time
    std::set<DWORD> lights;  // record and enable flag of these slots
    bool material = false;
    bool viewport = false;
    bool scissor = false;
    bool vertexFormat = false;  // FVF and vertex declaration
    bool vertexShader = false;
    bool pixelShader = false;
    std::bitset<D3DTEXTURE_STAGE_COUNT> textures;
    std::array<std::bitset<D3DTSS_STATE_COUNT>, D3DTEXTURE_STAGE_COUNT> stageStates;
    std::array<std::bitset<D3DSAMP_STATE_COUNT>, kSamplerSlots> samplerStates;
    std::bitset<kStreamSlots> streams;

    static StateMask All();
    static StateMask PixelState();
    static StateMask VertexState();
};

}  // namespace ondrel::graphics
