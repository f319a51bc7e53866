#pragma once
// What the enumeration looks for. The program runs with the defaults; tests
// build catalogues with other filters.

#include <array>

#include "platform/d3d9/D3D9.h"

namespace ondrel::devicesettings {

// Decides whether the application can use a candidate combo.
using AcceptDeviceCallback = bool (*)(const D3DCAPS9* caps, D3DFORMAT adapterFormat, D3DFORMAT backBufferFormat,
                                      bool windowed);

struct VertexProcessingAllowed {
    bool software = true;
    bool hardware = true;
    bool pureHardware = true;
    bool mixed = false;
};

struct EnumerationSettings {
    bool requirePostPixelShaderBlending = true;
    std::array<D3DFORMAT, 6> possibleDepthStencilFormats{D3DFMT_D16,  D3DFMT_D15S1,   D3DFMT_D24X8,
                                                         D3DFMT_D24S8, D3DFMT_D24X4S4, D3DFMT_D32};
    // None, non-maskable, then 2 to 16 samples.
    std::array<D3DMULTISAMPLE_TYPE, 17> possibleMultiSampleTypes = AllMultiSampleTypes();
    std::array<UINT, 6> possiblePresentIntervals{D3DPRESENT_INTERVAL_IMMEDIATE, D3DPRESENT_INTERVAL_DEFAULT,
                                                 D3DPRESENT_INTERVAL_ONE,       D3DPRESENT_INTERVAL_TWO,
                                                 D3DPRESENT_INTERVAL_THREE,     D3DPRESENT_INTERVAL_FOUR};
    VertexProcessingAllowed vertexProcessing;
    UINT minimumWidth = 0;
    UINT minimumHeight = 0;
    UINT maximumWidth = 0xFFFFFFFFu;
    UINT maximumHeight = 0xFFFFFFFFu;
    UINT minimumRefreshRate = 0;
    UINT maximumRefreshRate = 0xFFFFFFFFu;
    UINT multiSampleQualityMaximum = 65535;

private:
    static constexpr std::array<D3DMULTISAMPLE_TYPE, 17> AllMultiSampleTypes() {
        std::array<D3DMULTISAMPLE_TYPE, 17> types{};
        for (int i = 0; i < 17; ++i) types[static_cast<std::size_t>(i)] = static_cast<D3DMULTISAMPLE_TYPE>(i);
        return types;
    }
};

}  // namespace ondrel::devicesettings
