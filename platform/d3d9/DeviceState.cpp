#include "platform/d3d9/DeviceState.h"

#include <bit>

namespace ondrel::graphics {
namespace {

DWORD FloatBits(float value) { return std::bit_cast<DWORD>(value); }

void SetRenderStateDefaults(std::array<DWORD, D3DRS_STATE_COUNT>& rs, const D3DPRESENT_PARAMETERS& pp) {
    rs.fill(0);
    rs[D3DRS_ZENABLE] = pp.EnableAutoDepthStencil ? D3DZB_TRUE : D3DZB_FALSE;
    rs[D3DRS_FILLMODE] = D3DFILL_SOLID;
    rs[D3DRS_SHADEMODE] = D3DSHADE_GOURAUD;
    rs[D3DRS_ZWRITEENABLE] = TRUE;
    rs[D3DRS_LASTPIXEL] = TRUE;
    rs[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    rs[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    rs[D3DRS_CULLMODE] = D3DCULL_CCW;
    rs[D3DRS_ZFUNC] = D3DCMP_LESSEQUAL;
    rs[D3DRS_ALPHAFUNC] = D3DCMP_ALWAYS;
    rs[D3DRS_FOGSTART] = FloatBits(0.0f);
    rs[D3DRS_FOGEND] = FloatBits(1.0f);
    rs[D3DRS_FOGDENSITY] = FloatBits(1.0f);
    rs[D3DRS_STENCILFAIL] = D3DSTENCILOP_KEEP;
    rs[D3DRS_STENCILZFAIL] = D3DSTENCILOP_KEEP;
    rs[D3DRS_STENCILPASS] = D3DSTENCILOP_KEEP;
    rs[D3DRS_STENCILFUNC] = D3DCMP_ALWAYS;
    rs[D3DRS_STENCILMASK] = 0xFFFFFFFFu;
    rs[D3DRS_STENCILWRITEMASK] = 0xFFFFFFFFu;
    rs[D3DRS_TEXTUREFACTOR] = 0xFFFFFFFFu;
    rs[D3DRS_CLIPPING] = TRUE;
    rs[D3DRS_LIGHTING] = TRUE;
    rs[D3DRS_COLORVERTEX] = TRUE;
    rs[D3DRS_LOCALVIEWER] = TRUE;
    rs[D3DRS_DIFFUSEMATERIALSOURCE] = D3DMCS_COLOR1;
    rs[D3DRS_SPECULARMATERIALSOURCE] = D3DMCS_COLOR2;
    rs[D3DRS_AMBIENTMATERIALSOURCE] = D3DMCS_MATERIAL;
    rs[D3DRS_EMISSIVEMATERIALSOURCE] = D3DMCS_MATERIAL;
    rs[D3DRS_POINTSIZE] = FloatBits(1.0f);
    rs[D3DRS_POINTSIZE_MIN] = FloatBits(1.0f);
    rs[D3DRS_POINTSCALE_A] = FloatBits(1.0f);
    rs[D3DRS_POINTSCALE_B] = FloatBits(0.0f);
    rs[D3DRS_POINTSCALE_C] = FloatBits(0.0f);
    rs[D3DRS_MULTISAMPLEANTIALIAS] = TRUE;
    rs[D3DRS_MULTISAMPLEMASK] = 0xFFFFFFFFu;
    rs[D3DRS_POINTSIZE_MAX] = FloatBits(64.0f);
    rs[D3DRS_COLORWRITEENABLE] = 0x0000000Fu;
    rs[D3DRS_COLORWRITEENABLE1] = 0x0000000Fu;
    rs[D3DRS_COLORWRITEENABLE2] = 0x0000000Fu;
    rs[D3DRS_COLORWRITEENABLE3] = 0x0000000Fu;
    rs[D3DRS_BLENDOP] = D3DBLENDOP_ADD;
    rs[D3DRS_POSITIONDEGREE] = 3;  // cubic
    rs[D3DRS_NORMALDEGREE] = 1;    // linear
    rs[D3DRS_MINTESSELLATIONLEVEL] = FloatBits(1.0f);
    rs[D3DRS_MAXTESSELLATIONLEVEL] = FloatBits(1.0f);
    rs[D3DRS_ADAPTIVETESS_W] = FloatBits(1.0f);
    rs[D3DRS_CCW_STENCILFAIL] = D3DSTENCILOP_KEEP;
    rs[D3DRS_CCW_STENCILZFAIL] = D3DSTENCILOP_KEEP;
    rs[D3DRS_CCW_STENCILPASS] = D3DSTENCILOP_KEEP;
    rs[D3DRS_CCW_STENCILFUNC] = D3DCMP_ALWAYS;
    rs[D3DRS_BLENDFACTOR] = 0xFFFFFFFFu;
    rs[D3DRS_SRCBLENDALPHA] = D3DBLEND_ONE;
    rs[D3DRS_DESTBLENDALPHA] = D3DBLEND_ZERO;
    rs[D3DRS_BLENDOPALPHA] = D3DBLENDOP_ADD;
}

void SetStageDefaults(DeviceState& state) {
    for (DWORD stage = 0; stage < D3DTEXTURE_STAGE_COUNT; ++stage) {
        auto& s = state.stageStates[stage];
        s.fill(0);
        s[D3DTSS_COLOROP] = stage == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
        s[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
        s[D3DTSS_COLORARG2] = D3DTA_CURRENT;
        s[D3DTSS_ALPHAOP] = stage == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
        s[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
        s[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
        s[D3DTSS_TEXCOORDINDEX] = stage;
        s[D3DTSS_TEXTURETRANSFORMFLAGS] = D3DTTFF_DISABLE;
        s[D3DTSS_COLORARG0] = D3DTA_CURRENT;
        s[D3DTSS_ALPHAARG0] = D3DTA_CURRENT;
        s[D3DTSS_RESULTARG] = D3DTA_CURRENT;
    }
    for (auto& s : state.samplerStates) {
        s.fill(0);
        s[D3DSAMP_ADDRESSU] = D3DTADDRESS_WRAP;
        s[D3DSAMP_ADDRESSV] = D3DTADDRESS_WRAP;
        s[D3DSAMP_ADDRESSW] = D3DTADDRESS_WRAP;
        s[D3DSAMP_MAGFILTER] = D3DTEXF_POINT;
        s[D3DSAMP_MINFILTER] = D3DTEXF_POINT;
        s[D3DSAMP_MIPFILTER] = D3DTEXF_NONE;
        s[D3DSAMP_MAXANISOTROPY] = 1;
    }
}

}  // namespace

D3DMATRIX IdentityMatrix() {
    D3DMATRIX m{};
    m._11 = m._22 = m._33 = m._44 = 1.0f;
    return m;
}

D3DLIGHT9 DefaultLight() {
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 0.0f};
    light.Direction = {0.0f, 0.0f, 1.0f};
    return light;
}

void ResetToDefaults(DeviceState& state, const D3DPRESENT_PARAMETERS& parameters) {
    SetRenderStateDefaults(state.renderStates, parameters);
    state.transforms.fill(IdentityMatrix());
    state.lights.clear();
    state.material = D3DMATERIAL9{};
    for (auto& texture : state.textures) texture.Reset(nullptr);
    SetStageDefaults(state);
    state.viewport = D3DVIEWPORT9{0, 0, parameters.BackBufferWidth, parameters.BackBufferHeight, 0.0f, 1.0f};
    state.scissor = RECT{0, 0, static_cast<LONG>(parameters.BackBufferWidth),
                         static_cast<LONG>(parameters.BackBufferHeight)};
    state.fvf = 0;
    state.declaration.Reset(nullptr);
    state.vertexShader = nullptr;
    state.pixelShader = nullptr;
    for (auto& stream : state.streams) stream = StreamSource{};
}

void CopyMasked(const DeviceState& from, DeviceState& to, const StateMask& mask) {
    for (std::size_t i = 0; i < from.renderStates.size(); ++i) {
        if (mask.renderStates.test(i)) to.renderStates[i] = from.renderStates[i];
    }
    for (std::size_t i = 0; i < kTransformSlots; ++i) {
        if (mask.transforms.test(i)) to.transforms[i] = from.transforms[i];
    }
    if (mask.allLights) {
        for (const auto& [index, slot] : from.lights) to.lights[index] = slot;
    }
    for (DWORD index : mask.lights) {
        auto found = from.lights.find(index);
        if (found != from.lights.end()) to.lights[index] = found->second;
    }
    if (mask.material) to.material = from.material;
    if (mask.viewport) to.viewport = from.viewport;
    if (mask.scissor) to.scissor = from.scissor;
    if (mask.vertexFormat) {
        to.fvf = from.fvf;
        to.declaration = from.declaration;
    }
    if (mask.vertexShader) to.vertexShader = from.vertexShader;
    if (mask.pixelShader) to.pixelShader = from.pixelShader;
    for (std::size_t stage = 0; stage < D3DTEXTURE_STAGE_COUNT; ++stage) {
        if (mask.textures.test(stage)) to.textures[stage] = from.textures[stage];
        for (std::size_t i = 0; i < D3DTSS_STATE_COUNT; ++i) {
            if (mask.stageStates[stage].test(i)) to.stageStates[stage][i] = from.stageStates[stage][i];
        }
    }
    for (std::size_t sampler = 0; sampler < kSamplerSlots; ++sampler) {
        for (std::size_t i = 0; i < D3DSAMP_STATE_COUNT; ++i) {
            if (mask.samplerStates[sampler].test(i)) to.samplerStates[sampler][i] = from.samplerStates[sampler][i];
        }
    }
    for (std::size_t i = 0; i < kStreamSlots; ++i) {
        if (mask.streams.test(i)) to.streams[i] = from.streams[i];
    }
}

}  // namespace ondrel::graphics
