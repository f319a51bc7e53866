#pragma once
// Everything a Direct3D 9 device remembers between calls: render, texture
// stage and sampler states, transforms, lights, material, bound resources.
// Devices keep one; state blocks keep copies of the parts they cover.

#include <array>
#include <map>

#include "platform/d3d9/StateMask.h"
#include "platform/d3d9/TextureObject.h"
#include "platform/d3d9/VertexBufferObject.h"
#include "platform/d3d9/VertexDeclarationObject.h"

namespace ondrel::graphics {

struct LightSlot {
    D3DLIGHT9 light{};
    bool enabled = false;
};

struct StreamSource {
    Binding<VertexBufferObject> buffer;
    UINT offset = 0;
    UINT stride = 0;
};

struct DeviceState {
    std::array<DWORD, D3DRS_STATE_COUNT> renderStates{};
    std::array<D3DMATRIX, kTransformSlots> transforms{};
    std::map<DWORD, LightSlot> lights;
    D3DMATERIAL9 material{};
    std::array<Binding<TextureObject>, D3DTEXTURE_STAGE_COUNT> textures;
    std::array<std::array<DWORD, D3DTSS_STATE_COUNT>, D3DTEXTURE_STAGE_COUNT> stageStates{};
    std::array<std::array<DWORD, D3DSAMP_STATE_COUNT>, kSamplerSlots> samplerStates{};
    D3DVIEWPORT9 viewport{};
    RECT scissor{};
    DWORD fvf = 0;
    Binding<VertexDeclarationObject> declaration;
    IDirect3DVertexShader9* vertexShader = nullptr;
    IDirect3DPixelShader9* pixelShader = nullptr;
    std::array<StreamSource, kStreamSlots> streams;

    const D3DMATRIX& Transform(D3DTRANSFORMSTATETYPE state) const {
        return transforms[static_cast<std::size_t>(TransformSlot(state))];
    }
    DWORD RenderState(D3DRENDERSTATETYPE state) const { return renderStates[state]; }
    DWORD StageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type) const { return stageStates[stage][type]; }
    DWORD SamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type) const {
        return samplerStates[static_cast<std::size_t>(SamplerSlot(sampler))][type];
    }
};

D3DMATRIX IdentityMatrix();
// The light a slot holds when it is enabled before it was ever set.
D3DLIGHT9 DefaultLight();

// The state of a device just created or reset with these parameters.
void ResetToDefaults(DeviceState& state, const D3DPRESENT_PARAMETERS& parameters);

// Copies what the mask covers from one state to another.
void CopyMasked(const DeviceState& from, DeviceState& to, const StateMask& mask);

}  // namespace ondrel::graphics
