#include "platform/d3d9/StateMask.h"

#include <initializer_list>

namespace ondrel::graphics {
namespace {

constexpr std::initializer_list<D3DRENDERSTATETYPE> kPixelRenderStates = {
    D3DRS_ZENABLE, D3DRS_FILLMODE, D3DRS_SHADEMODE, D3DRS_ZWRITEENABLE, D3DRS_ALPHATESTENABLE,
    D3DRS_LASTPIXEL, D3DRS_SRCBLEND, D3DRS_DESTBLEND, D3DRS_ZFUNC, D3DRS_ALPHAREF, D3DRS_ALPHAFUNC,
    D3DRS_DITHERENABLE, D3DRS_FOGSTART, D3DRS_FOGEND, D3DRS_FOGDENSITY, D3DRS_ALPHABLENDENABLE,
    D3DRS_DEPTHBIAS, D3DRS_STENCILENABLE, D3DRS_STENCILFAIL, D3DRS_STENCILZFAIL, D3DRS_STENCILPASS,
    D3DRS_STENCILFUNC, D3DRS_STENCILREF, D3DRS_STENCILMASK, D3DRS_STENCILWRITEMASK, D3DRS_TEXTUREFACTOR,
    D3DRS_WRAP0, D3DRS_WRAP1, D3DRS_WRAP2, D3DRS_WRAP3, D3DRS_WRAP4, D3DRS_WRAP5, D3DRS_WRAP6, D3DRS_WRAP7,
    D3DRS_WRAP8, D3DRS_WRAP9, D3DRS_WRAP10, D3DRS_WRAP11, D3DRS_WRAP12, D3DRS_WRAP13, D3DRS_WRAP14,
    D3DRS_WRAP15, D3DRS_COLORWRITEENABLE, D3DRS_COLORWRITEENABLE1, D3DRS_COLORWRITEENABLE2,
    D3DRS_COLORWRITEENABLE3, D3DRS_BLENDOP, D3DRS_SCISSORTESTENABLE, D3DRS_SLOPESCALEDEPTHBIAS,
    D3DRS_ANTIALIASEDLINEENABLE, D3DRS_TWOSIDEDSTENCILMODE, D3DRS_CCW_STENCILFAIL, D3DRS_CCW_STENCILZFAIL,
    D3DRS_CCW_STENCILPASS, D3DRS_CCW_STENCILFUNC, D3DRS_BLENDFACTOR, D3DRS_SRGBWRITEENABLE,
    D3DRS_SEPARATEALPHABLENDENABLE, D3DRS_SRCBLENDALPHA, D3DRS_DESTBLENDALPHA, D3DRS_BLENDOPALPHA};

constexpr std::initializer_list<D3DRENDERSTATETYPE> kVertexRenderStates = {
    D3DRS_CULLMODE, D3DRS_FOGENABLE, D3DRS_FOGCOLOR, D3DRS_FOGTABLEMODE, D3DRS_FOGSTART, D3DRS_FOGEND,
    D3DRS_FOGDENSITY, D3DRS_RANGEFOGENABLE, D3DRS_AMBIENT, D3DRS_COLORVERTEX, D3DRS_FOGVERTEXMODE,
    D3DRS_CLIPPING, D3DRS_LIGHTING, D3DRS_LOCALVIEWER, D3DRS_EMISSIVEMATERIALSOURCE,
    D3DRS_AMBIENTMATERIALSOURCE, D3DRS_DIFFUSEMATERIALSOURCE, D3DRS_SPECULARMATERIALSOURCE,
    D3DRS_VERTEXBLEND, D3DRS_CLIPPLANEENABLE, D3DRS_POINTSIZE, D3DRS_POINTSIZE_MIN,
    D3DRS_POINTSPRITEENABLE, D3DRS_POINTSCALEENABLE, D3DRS_POINTSCALE_A, D3DRS_POINTSCALE_B,
    D3DRS_POINTSCALE_C, D3DRS_MULTISAMPLEANTIALIAS, D3DRS_MULTISAMPLEMASK, D3DRS_PATCHEDGESTYLE,
    D3DRS_POINTSIZE_MAX, D3DRS_INDEXEDVERTEXBLENDENABLE, D3DRS_TWEENFACTOR, D3DRS_POSITIONDEGREE,
    D3DRS_NORMALDEGREE, D3DRS_MINTESSELLATIONLEVEL, D3DRS_MAXTESSELLATIONLEVEL, D3DRS_ADAPTIVETESS_X,
    D3DRS_ADAPTIVETESS_Y, D3DRS_ADAPTIVETESS_Z, D3DRS_ADAPTIVETESS_W, D3DRS_ENABLEADAPTIVETESSELLATION,
    D3DRS_NORMALIZENORMALS, D3DRS_SPECULARENABLE, D3DRS_SHADEMODE};

}  // namespace

int TransformSlot(D3DTRANSFORMSTATETYPE state) {
    if (state == D3DTS_VIEW) return 0;
    if (state == D3DTS_PROJECTION) return 1;
    if (state >= D3DTS_TEXTURE0 && state <= D3DTS_TEXTURE7) return 2 + static_cast<int>(state - D3DTS_TEXTURE0);
    if (state >= D3DTS_WORLD && state <= D3DTS_WORLD3) return 10 + static_cast<int>(state - D3DTS_WORLD);
    return -1;
}

int SamplerSlot(DWORD sampler) {
    if (sampler < 16) return static_cast<int>(sampler);
    if (sampler >= 256 && sampler <= 260) return 16 + static_cast<int>(sampler - 256);
    return -1;
}

StateMask StateMask::All() {
    StateMask mask;
    mask.renderStates.set();
    mask.transforms.set();
    mask.allLights = true;
    mask.material = mask.viewport = mask.scissor = mask.vertexFormat = true;
    mask.vertexShader = mask.pixelShader = true;
    mask.textures.set();
    for (auto& stage : mask.stageStates) stage.set();
    for (auto& sampler : mask.samplerStates) sampler.set();
    mask.streams.set();
    return mask;
}

StateMask StateMask::PixelState() {
    StateMask mask;
    for (D3DRENDERSTATETYPE state : kPixelRenderStates) mask.renderStates.set(state);
    for (auto& stage : mask.stageStates) {
        stage.set();
        stage.reset(D3DTSS_TEXCOORDINDEX);
        stage.reset(D3DTSS_TEXTURETRANSFORMFLAGS);
    }
    for (auto& sampler : mask.samplerStates) {
        sampler.set();
        sampler.reset(D3DSAMP_DMAPOFFSET);
    }
    mask.pixelShader = true;
    return mask;
}

StateMask StateMask::VertexState() {
    StateMask mask;
    for (D3DRENDERSTATETYPE state : kVertexRenderStates) mask.renderStates.set(state);
    for (auto& stage : mask.stageStates) {
        stage.set(D3DTSS_TEXCOORDINDEX);
        stage.set(D3DTSS_TEXTURETRANSFORMFLAGS);
    }
    for (auto& sampler : mask.samplerStates) sampler.set(D3DSAMP_DMAPOFFSET);
    mask.allLights = true;
    mask.vertexFormat = true;
    mask.vertexShader = true;
    return mask;
}

}  // namespace ondrel::graphics
