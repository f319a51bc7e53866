#pragma once
// One usable combination of adapter format, back-buffer format and windowed
// flag on one device, with everything that may go with it.

#include "devicesettings/enumeration/GrowableArray.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::devicesettings {

struct AdapterInfo;
struct DeviceInfo;

// A depth-stencil format and a multisample type that cannot be used together.
struct DepthStencilMultiSampleConflict {
    D3DFORMAT depthStencilFormat = D3DFMT_UNKNOWN;
    D3DMULTISAMPLE_TYPE multiSampleType = D3DMULTISAMPLE_NONE;

    bool operator==(const DepthStencilMultiSampleConflict&) const = default;
};

struct DeviceCombo {
    UINT adapterOrdinal = 0;
    D3DDEVTYPE deviceType = D3DDEVTYPE_HAL;
    D3DFORMAT adapterFormat = D3DFMT_UNKNOWN;
    D3DFORMAT backBufferFormat = D3DFMT_UNKNOWN;
    bool windowed = false;

    GrowableArray<D3DFORMAT> depthStencilFormats;
    GrowableArray<D3DMULTISAMPLE_TYPE> multiSampleTypes;
    GrowableArray<DWORD> multiSampleQualities;  // parallel to multiSampleTypes
    GrowableArray<UINT> presentIntervals;
    GrowableArray<DepthStencilMultiSampleConflict> depthStencilConflicts;

    AdapterInfo* adapterInfo = nullptr;
    DeviceInfo* deviceInfo = nullptr;
};

}  // namespace ondrel::devicesettings
