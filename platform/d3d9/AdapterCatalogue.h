#pragma once
// What a system object knows about the machine: its adapters, their display
// modes and, per device type, the capabilities and the formats and
// multisample types supported. The OpenGL backend fills it from the displays
// SDL reports; the recording backend takes it from a test's script. The
// Check* answers of the system object follow from it.

#include <string>
#include <vector>

#include "platform/d3d9/D3D9Types.h"

namespace ondrel::graphics {

struct FormatSupport {
    D3DRESOURCETYPE resourceType = D3DRTYPE_TEXTURE;
    D3DFORMAT format = D3DFMT_UNKNOWN;
    DWORD usages = 0;  // every usage and query bit the format supports
};

struct MultiSampleSupport {
    D3DMULTISAMPLE_TYPE type = D3DMULTISAMPLE_NONE;
    DWORD qualityLevels = 1;
    // Surface formats (back buffers and depth buffers) the type works with;
    // empty means every format the device knows. Lets a test script a depth
    // format that cannot be multisampled while its back buffer can.
    std::vector<D3DFORMAT> formats;
};

struct DeviceTypeSupport {
    D3DDEVTYPE type = D3DDEVTYPE_HAL;
    D3DCAPS9 caps{};  // DeviceType and AdapterOrdinal are filled in on request
    // Adapter (display) formats the device renders with.
    std::vector<D3DFORMAT> adapterFormats;
    // Back-buffer formats, usable with the adapter format of the same layout
    // in full screen and with any adapter format in a window.
    std::vector<D3DFORMAT> backBufferFormats;
    std::vector<D3DFORMAT> depthStencilFormats;
    std::vector<FormatSupport> resourceFormats;
    // "None" is supported for every known format unless an entry of type
    // none is listed, which then decides for it like any other entry.
    std::vector<MultiSampleSupport> multiSampleTypes;
};

struct AdapterDescription {
    D3DADAPTER_IDENTIFIER9 identifier{};
    std::vector<D3DDISPLAYMODE> modes;
    D3DDISPLAYMODE currentMode{};
    HMONITOR monitor = nullptr;
    std::vector<DeviceTypeSupport> devices;

    const DeviceTypeSupport* Device(D3DDEVTYPE type) const;
};

struct AdapterCatalogue {
    std::vector<AdapterDescription> adapters;
};

// Copies text into a fixed identifier field, truncating and terminating.
void CopyIdentifierText(char* field, std::size_t size, const std::string& text);

// A capable fixed-function hardware device: hardware transform and lighting,
// pure device, shader versions 2.0, presentation intervals immediate and one,
// eight lights, four texture stages. Backends adjust what they lack.
D3DCAPS9 TypicalHardwareCaps();

// The device support of a typical display: X8R8G8B8 and R5G6B5 adapter
// formats, their back-buffer formats, D16/D24S8/D24X8/D32 depth buffers,
// common texture formats with filtering and post-pixel-shader blending.
DeviceTypeSupport TypicalDeviceSupport(D3DDEVTYPE type);

// Answers of the system object's Check* calls for one adapter (D3D_OK,
// D3DERR_NOTAVAILABLE or D3DERR_INVALIDCALL).
HRESULT CheckDeviceType(const AdapterDescription& adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat,
                        D3DFORMAT backBufferFormat, BOOL windowed);
HRESULT CheckDeviceFormat(const AdapterDescription& adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat, DWORD usage,
                          D3DRESOURCETYPE resourceType, D3DFORMAT checkFormat);
HRESULT CheckDeviceMultiSampleType(const AdapterDescription& adapter, D3DDEVTYPE type, D3DFORMAT surfaceFormat,
                                   BOOL windowed, D3DMULTISAMPLE_TYPE multiSampleType, DWORD* qualityLevels);
HRESULT CheckDepthStencilMatch(const AdapterDescription& adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat,
                               D3DFORMAT renderTargetFormat, D3DFORMAT depthStencilFormat);

}  // namespace ondrel::graphics
