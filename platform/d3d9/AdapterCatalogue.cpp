#include "platform/d3d9/AdapterCatalogue.h"

#include <algorithm>
#include <cstring>

#include "platform/d3d9/PixelFormats.h"

namespace ondrel::graphics {
namespace {

template <class T>
bool Contains(const std::vector<T>& list, const T& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// Back-buffer formats that share an adapter format's layout and differ at most
// in the use of the spare bits.
bool SameLayout(D3DFORMAT adapterFormat, D3DFORMAT backBufferFormat) {
    if (adapterFormat == backBufferFormat) return true;
    switch (adapterFormat) {
        case D3DFMT_X8R8G8B8: return backBufferFormat == D3DFMT_A8R8G8B8;
        case D3DFMT_X1R5G5B5: return backBufferFormat == D3DFMT_A1R5G5B5;
        default: return false;
    }
}

}  // namespace

const DeviceTypeSupport* AdapterDescription::Device(D3DDEVTYPE type) const {
    for (const DeviceTypeSupport& device : devices) {
        if (device.type == type) return &device;
    }
    return nullptr;
}

void CopyIdentifierText(char* field, std::size_t size, const std::string& text) {
    const std::size_t n = std::min(size - 1, text.size());
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

D3DCAPS9 TypicalHardwareCaps() {
    D3DCAPS9 caps{};
    caps.DeviceType = D3DDEVTYPE_HAL;
    caps.Caps2 = D3DCAPS2_CANMANAGERESOURCE | D3DCAPS2_DYNAMICTEXTURES;
    caps.Caps3 = D3DCAPS3_ALPHA_FULLSCREEN_FLIP_OR_DISCARD;
    caps.PresentationIntervals = D3DPRESENT_INTERVAL_IMMEDIATE | D3DPRESENT_INTERVAL_ONE;
    caps.CursorCaps = D3DCURSORCAPS_COLOR;
    caps.DevCaps = D3DDEVCAPS_EXECUTESYSTEMMEMORY | D3DDEVCAPS_TLVERTEXSYSTEMMEMORY |
                   D3DDEVCAPS_TEXTURESYSTEMMEMORY | D3DDEVCAPS_TEXTUREVIDEOMEMORY | D3DDEVCAPS_DRAWPRIMTLVERTEX |
                   D3DDEVCAPS_CANRENDERAFTERFLIP | D3DDEVCAPS_DRAWPRIMITIVES2 | D3DDEVCAPS_DRAWPRIMITIVES2EX |
                   D3DDEVCAPS_HWTRANSFORMANDLIGHT | D3DDEVCAPS_HWRASTERIZATION | D3DDEVCAPS_PUREDEVICE;
    caps.PrimitiveMiscCaps = D3DPMISCCAPS_MASKZ | D3DPMISCCAPS_CULLNONE | D3DPMISCCAPS_CULLCW |
                             D3DPMISCCAPS_CULLCCW | D3DPMISCCAPS_COLORWRITEENABLE | D3DPMISCCAPS_BLENDOP |
                             D3DPMISCCAPS_SEPARATEALPHABLEND;
    caps.RasterCaps = D3DPRASTERCAPS_ZTEST | D3DPRASTERCAPS_SCISSORTEST;
    caps.ZCmpCaps = caps.AlphaCmpCaps = 0xFF;  // every comparison
    caps.SrcBlendCaps = caps.DestBlendCaps = 0x3FFF;
    caps.ShadeCaps = D3DPSHADECAPS_COLORGOURAUDRGB | D3DPSHADECAPS_SPECULARGOURAUDRGB | D3DPSHADECAPS_ALPHAGOURAUDBLEND;
    caps.TextureCaps = D3DPTEXTURECAPS_PERSPECTIVE | D3DPTEXTURECAPS_ALPHA | D3DPTEXTURECAPS_MIPMAP;
    caps.TextureFilterCaps = D3DPTFILTERCAPS_MINFPOINT | D3DPTFILTERCAPS_MINFLINEAR | D3DPTFILTERCAPS_MIPFPOINT |
                             D3DPTFILTERCAPS_MIPFLINEAR | D3DPTFILTERCAPS_MAGFPOINT | D3DPTFILTERCAPS_MAGFLINEAR;
    caps.TextureAddressCaps =
        D3DPTADDRESSCAPS_WRAP | D3DPTADDRESSCAPS_MIRROR | D3DPTADDRESSCAPS_CLAMP | D3DPTADDRESSCAPS_BORDER;
    caps.LineCaps = D3DLINECAPS_TEXTURE | D3DLINECAPS_ZTEST | D3DLINECAPS_BLEND | D3DLINECAPS_ALPHACMP;
    caps.MaxTextureWidth = caps.MaxTextureHeight = 4096;
    caps.MaxTextureRepeat = 8192;
    caps.MaxTextureAspectRatio = 4096;
    caps.MaxAnisotropy = 1;
    caps.MaxVertexW = 1e10f;
    caps.GuardBandLeft = caps.GuardBandTop = -8192.0f;
    caps.GuardBandRight = caps.GuardBandBottom = 8192.0f;
    caps.FVFCaps = 8;  // texture coordinate sets
    caps.TextureOpCaps =
        D3DTEXOPCAPS_DISABLE | D3DTEXOPCAPS_SELECTARG1 | D3DTEXOPCAPS_SELECTARG2 | D3DTEXOPCAPS_MODULATE;
    caps.MaxTextureBlendStages = 4;
    caps.MaxSimultaneousTextures = 4;
    caps.VertexProcessingCaps =
        D3DVTXPCAPS_MATERIALSOURCE7 | D3DVTXPCAPS_DIRECTIONALLIGHTS | D3DVTXPCAPS_POSITIONALLIGHTS;
    caps.MaxActiveLights = 8;
    caps.MaxPointSize = 1.0f;
    caps.MaxPrimitiveCount = 0x00FFFFFF;
    caps.MaxVertexIndex = 0x00FFFFFF;
    caps.MaxStreams = 1;
    caps.MaxStreamStride = 255;
    caps.VertexShaderVersion = D3DVS_VERSION(2, 0);
    caps.MaxVertexShaderConst = 256;
    caps.PixelShaderVersion = D3DPS_VERSION(2, 0);
    caps.PixelShader1xMaxValue = 8.0f;
    caps.NumberOfAdaptersInGroup = 1;
    caps.NumSimultaneousRTs = 1;
    return caps;
}

DeviceTypeSupport TypicalDeviceSupport(D3DDEVTYPE type) {
    DeviceTypeSupport device;
    device.type = type;
    device.caps = TypicalHardwareCaps();
    device.caps.DeviceType = type;
    device.adapterFormats = {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5};
    device.backBufferFormats = {D3DFMT_A8R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_R5G6B5};
    device.depthStencilFormats = {D3DFMT_D16, D3DFMT_D24X8, D3DFMT_D24S8, D3DFMT_D32};
    const DWORD textureUsage = D3DUSAGE_DYNAMIC | D3DUSAGE_QUERY_FILTER | D3DUSAGE_QUERY_POSTPIXELSHADER_BLENDING |
                               D3DUSAGE_QUERY_WRAPANDMIP;
    for (D3DFORMAT format : {D3DFMT_A8R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_R5G6B5, D3DFMT_X1R5G5B5, D3DFMT_A1R5G5B5,
                             D3DFMT_A4R4G4B4, D3DFMT_A8B8G8R8, D3DFMT_X8B8G8R8}) {
        device.resourceFormats.push_back({D3DRTYPE_TEXTURE, format, textureUsage});
        device.resourceFormats.push_back({D3DRTYPE_SURFACE, format, D3DUSAGE_QUERY_FILTER});
    }
    for (D3DFORMAT format : {D3DFMT_A8, D3DFMT_L8, D3DFMT_A8L8}) {
        device.resourceFormats.push_back({D3DRTYPE_TEXTURE, format, D3DUSAGE_DYNAMIC | D3DUSAGE_QUERY_FILTER});
    }
    for (D3DFORMAT format : device.depthStencilFormats) {
        device.resourceFormats.push_back({D3DRTYPE_SURFACE, format, D3DUSAGE_DEPTHSTENCIL});
    }
    for (D3DFORMAT format : device.backBufferFormats) {
        for (FormatSupport& support : device.resourceFormats) {
            if (support.format == format) support.usages |= D3DUSAGE_RENDERTARGET;
        }
    }
    return device;
}

HRESULT CheckDeviceType(const AdapterDescription& adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat,
                        D3DFORMAT backBufferFormat, BOOL windowed) {
    const DeviceTypeSupport* device = adapter.Device(type);
    if (device == nullptr) return D3DERR_NOTAVAILABLE;
    if (!Contains(device->adapterFormats, adapterFormat)) return D3DERR_NOTAVAILABLE;
    if (windowed && backBufferFormat == D3DFMT_UNKNOWN) return D3D_OK;
    if (!Contains(device->backBufferFormats, backBufferFormat)) return D3DERR_NOTAVAILABLE;
    if (!windowed && !SameLayout(adapterFormat, backBufferFormat)) return D3DERR_NOTAVAILABLE;
    return D3D_OK;
}

HRESULT CheckDeviceFormat(const AdapterDescription& adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat, DWORD usage,
                          D3DRESOURCETYPE resourceType, D3DFORMAT checkFormat) {
    const DeviceTypeSupport* device = adapter.Device(type);
    if (device == nullptr) return D3DERR_NOTAVAILABLE;
    if (!Contains(device->adapterFormats, adapterFormat)) return D3DERR_NOTAVAILABLE;
    for (const FormatSupport& support : device->resourceFormats) {
        if (support.resourceType == resourceType && support.format == checkFormat &&
            (support.usages & usage) == usage) {
            return D3D_OK;
        }
    }
    return D3DERR_NOTAVAILABLE;
}

HRESULT CheckDeviceMultiSampleType(const AdapterDescription& adapter, D3DDEVTYPE type, D3DFORMAT surfaceFormat,
                                   BOOL, D3DMULTISAMPLE_TYPE multiSampleType, DWORD* qualityLevels) {
    if (qualityLevels != nullptr) *qualityLevels = 0;
    const DeviceTypeSupport* device = adapter.Device(type);
    if (device == nullptr) return D3DERR_NOTAVAILABLE;
    if (multiSampleType > D3DMULTISAMPLE_16_SAMPLES) return D3DERR_INVALIDCALL;
    if (!Contains(device->backBufferFormats, surfaceFormat) && !Contains(device->depthStencilFormats, surfaceFormat)) {
        return D3DERR_NOTAVAILABLE;
    }
    for (const MultiSampleSupport& support : device->multiSampleTypes) {
        if (support.type != multiSampleType) continue;
        if (!support.formats.empty() && !Contains(support.formats, surfaceFormat)) return D3DERR_NOTAVAILABLE;
        if (qualityLevels != nullptr) *qualityLevels = support.qualityLevels;
        return D3D_OK;
    }
    if (multiSampleType == D3DMULTISAMPLE_NONE) {
        if (qualityLevels != nullptr) *qualityLevels = 1;
        return D3D_OK;
    }
    return D3DERR_NOTAVAILABLE;
}

HRESULT CheckDepthStencilMatch(const AdapterDescription& adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat,
                               D3DFORMAT renderTargetFormat, D3DFORMAT depthStencilFormat) {
    const DeviceTypeSupport* device = adapter.Device(type);
    if (device == nullptr) return D3DERR_NOTAVAILABLE;
    if (!Contains(device->adapterFormats, adapterFormat)) return D3DERR_NOTAVAILABLE;
    if (!IsDepthStencilFormat(depthStencilFormat)) return D3DERR_INVALIDCALL;
    if (!Contains(device->depthStencilFormats, depthStencilFormat)) return D3DERR_NOTAVAILABLE;
    if (!Contains(device->backBufferFormats, renderTargetFormat)) return D3DERR_NOTAVAILABLE;
    return D3D_OK;
}

}  // namespace ondrel::graphics
