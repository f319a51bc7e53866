#include "platform/d3d9/SystemCore.h"

#include <new>

#include "platform/d3d9/DeviceCore.h"

namespace ondrel::graphics {
namespace {

constexpr UINT kMaxBackBuffers = 3;

// The display format a full-screen back buffer runs in.
D3DFORMAT DisplayFormatOf(D3DFORMAT backBufferFormat) {
    switch (backBufferFormat) {
        case D3DFMT_A8R8G8B8: return D3DFMT_X8R8G8B8;
        case D3DFMT_A1R5G5B5: return D3DFMT_X1R5G5B5;
        default: return backBufferFormat;
    }
}

bool HasMode(const AdapterDescription& adapter, const D3DPRESENT_PARAMETERS& pp, D3DFORMAT displayFormat) {
    for (const D3DDISPLAYMODE& mode : adapter.modes) {
        if (mode.Width == pp.BackBufferWidth && mode.Height == pp.BackBufferHeight && mode.Format == displayFormat &&
            (pp.FullScreen_RefreshRateInHz == 0 || pp.FullScreen_RefreshRateInHz == mode.RefreshRate)) {
            return true;
        }
    }
    return false;
}

bool IsKnownInterval(UINT interval, bool windowed) {
    switch (interval) {
        case D3DPRESENT_INTERVAL_DEFAULT:
        case D3DPRESENT_INTERVAL_ONE:
        case D3DPRESENT_INTERVAL_IMMEDIATE: return true;
        case D3DPRESENT_INTERVAL_TWO:
        case D3DPRESENT_INTERVAL_THREE:
        case D3DPRESENT_INTERVAL_FOUR: return !windowed;
        default: return false;
    }
}

}  // namespace

SystemCore* SystemCore::Create(std::unique_ptr<SystemBackend> backend, std::shared_ptr<ObjectCensus> census) {
    return new (std::nothrow) SystemCore(std::move(backend), std::move(census));
}

SystemCore::SystemCore(std::unique_ptr<SystemBackend> backend, std::shared_ptr<ObjectCensus> census)
    : ComObject(census, ObjectKind::System), census_(std::move(census)), backend_(std::move(backend)) {}

HRESULT SystemCore::Observe(std::string_view call, const std::string& arguments) {
    CallObserver* observer = backend_->Observer();
    return observer != nullptr ? observer->OnCall(call, arguments) : D3D_OK;
}

const AdapterDescription* SystemCore::Adapter(UINT adapter) {
    const AdapterCatalogue& catalogue = backend_->Catalogue();
    return adapter < catalogue.adapters.size() ? &catalogue.adapters[adapter] : nullptr;
}

UINT SystemCore::GetAdapterCount() {
    Observe("IDirect3D9::GetAdapterCount", {});
    return static_cast<UINT>(backend_->Catalogue().adapters.size());
}

HRESULT SystemCore::GetAdapterIdentifier(UINT adapter, DWORD flags, D3DADAPTER_IDENTIFIER9* identifier) {
    if (HRESULT hr = Observe("IDirect3D9::GetAdapterIdentifier", FormatArguments(adapter, flags)); FAILED(hr)) return hr;
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr || identifier == nullptr) return D3DERR_INVALIDCALL;
    *identifier = description->identifier;
    return D3D_OK;
}

UINT SystemCore::GetAdapterModeCount(UINT adapter, D3DFORMAT format) {
    Observe("IDirect3D9::GetAdapterModeCount", FormatArguments(adapter, format));
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr) return 0;
    UINT count = 0;
    for (const D3DDISPLAYMODE& mode : description->modes) count += mode.Format == format ? 1 : 0;
    return count;
}

HRESULT SystemCore::EnumAdapterModes(UINT adapter, D3DFORMAT format, UINT index, D3DDISPLAYMODE* displayMode) {
    if (HRESULT hr = Observe("IDirect3D9::EnumAdapterModes", FormatArguments(adapter, format, index)); FAILED(hr)) {
        return hr;
    }
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr || displayMode == nullptr) return D3DERR_INVALIDCALL;
    for (const D3DDISPLAYMODE& mode : description->modes) {
        if (mode.Format != format) continue;
        if (index-- == 0) {
            *displayMode = mode;
            return D3D_OK;
        }
    }
    return D3DERR_INVALIDCALL;
}

HRESULT SystemCore::GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) {
    if (HRESULT hr = Observe("IDirect3D9::GetAdapterDisplayMode", FormatArguments(adapter)); FAILED(hr)) return hr;
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr || mode == nullptr) return D3DERR_INVALIDCALL;
    *mode = description->currentMode;
    return D3D_OK;
}

HRESULT SystemCore::CheckDeviceType(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT adapterFormat,
                                    D3DFORMAT backBufferFormat, BOOL windowed) {
    if (HRESULT hr = Observe("IDirect3D9::CheckDeviceType",
                             FormatArguments(adapter, deviceType, adapterFormat, backBufferFormat, windowed));
        FAILED(hr)) {
        return hr;
    }
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr) return D3DERR_INVALIDCALL;
    return graphics::CheckDeviceType(*description, deviceType, adapterFormat, backBufferFormat, windowed);
}

HRESULT SystemCore::CheckDeviceFormat(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT adapterFormat, DWORD usage,
                                      D3DRESOURCETYPE resourceType, D3DFORMAT checkFormat) {
    if (HRESULT hr = Observe("IDirect3D9::CheckDeviceFormat",
                             FormatArguments(adapter, deviceType, adapterFormat, usage, resourceType, checkFormat));
        FAILED(hr)) {
        return hr;
    }
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr) return D3DERR_INVALIDCALL;
    return graphics::CheckDeviceFormat(*description, deviceType, adapterFormat, usage, resourceType, checkFormat);
}

HRESULT SystemCore::CheckDeviceMultiSampleType(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT surfaceFormat,
                                               BOOL windowed, D3DMULTISAMPLE_TYPE multiSampleType,
                                               DWORD* qualityLevels) {
    if (HRESULT hr = Observe("IDirect3D9::CheckDeviceMultiSampleType",
                             FormatArguments(adapter, deviceType, surfaceFormat, windowed, multiSampleType));
        FAILED(hr)) {
        return hr;
    }
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr) return D3DERR_INVALIDCALL;
    return graphics::CheckDeviceMultiSampleType(*description, deviceType, surfaceFormat, windowed, multiSampleType,
                                                qualityLevels);
}

HRESULT SystemCore::CheckDepthStencilMatch(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT adapterFormat,
                                           D3DFORMAT renderTargetFormat, D3DFORMAT depthStencilFormat) {
    if (HRESULT hr = Observe("IDirect3D9::CheckDepthStencilMatch",
                             FormatArguments(adapter, deviceType, adapterFormat, renderTargetFormat, depthStencilFormat));
        FAILED(hr)) {
        return hr;
    }
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr) return D3DERR_INVALIDCALL;
    return graphics::CheckDepthStencilMatch(*description, deviceType, adapterFormat, renderTargetFormat,
                                            depthStencilFormat);
}

HRESULT SystemCore::CheckDeviceFormatConversion(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT sourceFormat,
                                                D3DFORMAT targetFormat) {
    if (HRESULT hr = Observe("IDirect3D9::CheckDeviceFormatConversion",
                             FormatArguments(adapter, deviceType, sourceFormat, targetFormat));
        FAILED(hr)) {
        return hr;
    }
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr) return D3DERR_INVALIDCALL;
    const DeviceTypeSupport* device = description->Device(deviceType);
    if (device == nullptr) return D3DERR_NOTAVAILABLE;
    auto known = [&](D3DFORMAT f) {
        for (D3DFORMAT b : device->backBufferFormats) {
            if (b == f) return true;
        }
        return false;
    };
    return known(sourceFormat) && known(targetFormat) ? D3D_OK : D3DERR_NOTAVAILABLE;
}

HRESULT SystemCore::GetDeviceCaps(UINT adapter, D3DDEVTYPE deviceType, D3DCAPS9* caps) {
    if (HRESULT hr = Observe("IDirect3D9::GetDeviceCaps", FormatArguments(adapter, deviceType)); FAILED(hr)) return hr;
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr || caps == nullptr) return D3DERR_INVALIDCALL;
    const DeviceTypeSupport* device = description->Device(deviceType);
    if (device == nullptr) return D3DERR_NOTAVAILABLE;
    *caps = device->caps;
    caps->DeviceType = deviceType;
    caps->AdapterOrdinal = adapter;
    caps->MasterAdapterOrdinal = adapter;
    caps->AdapterOrdinalInGroup = 0;
    caps->NumberOfAdaptersInGroup = 1;
    return D3D_OK;
}

HMONITOR SystemCore::GetAdapterMonitor(UINT adapter) {
    Observe("IDirect3D9::GetAdapterMonitor", FormatArguments(adapter));
    const AdapterDescription* description = Adapter(adapter);
    return description != nullptr ? description->monitor : nullptr;
}

HRESULT SystemCore::CompletePresentation(UINT adapter, D3DDEVTYPE type, HWND focusWindow,
                                         D3DPRESENT_PARAMETERS& pp) {
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr) return D3DERR_INVALIDCALL;
    const DeviceTypeSupport* device = description->Device(type);
    if (device == nullptr) return D3DERR_NOTAVAILABLE;
    if (pp.BackBufferCount == 0) pp.BackBufferCount = 1;
    if (pp.BackBufferCount > kMaxBackBuffers) return D3DERR_INVALIDCALL;
    if (pp.SwapEffect < D3DSWAPEFFECT_DISCARD || pp.SwapEffect > D3DSWAPEFFECT_COPY) return D3DERR_INVALIDCALL;
    if (pp.SwapEffect == D3DSWAPEFFECT_COPY && pp.BackBufferCount != 1) return D3DERR_INVALIDCALL;
    const HWND window = pp.hDeviceWindow != nullptr ? pp.hDeviceWindow : focusWindow;
    if (window == nullptr) return D3DERR_INVALIDCALL;
    if (!IsKnownInterval(pp.PresentationInterval, pp.Windowed != FALSE)) return D3DERR_INVALIDCALL;
    if (pp.PresentationInterval != D3DPRESENT_INTERVAL_DEFAULT &&
        (device->caps.PresentationIntervals & pp.PresentationInterval) == 0) {
        return D3DERR_INVALIDCALL;
    }

    D3DFORMAT adapterFormat;
    if (pp.Windowed) {
        if (pp.FullScreen_RefreshRateInHz != 0) return D3DERR_INVALIDCALL;
        if (pp.BackBufferWidth == 0 || pp.BackBufferHeight == 0) {
            UINT width = 0, height = 0;
            if (!backend_->WindowClientSize(window, &width, &height)) return D3DERR_INVALIDCALL;
            if (pp.BackBufferWidth == 0) pp.BackBufferWidth = width > 0 ? width : 1;
            if (pp.BackBufferHeight == 0) pp.BackBufferHeight = height > 0 ? height : 1;
        }
        adapterFormat = description->currentMode.Format;
        if (pp.BackBufferFormat == D3DFMT_UNKNOWN) pp.BackBufferFormat = adapterFormat;
        if (FAILED(graphics::CheckDeviceType(*description, type, adapterFormat, pp.BackBufferFormat, TRUE))) {
            return D3DERR_INVALIDCALL;
        }
    } else {
        if (focusWindow == nullptr) return D3DERR_INVALIDCALL;
        adapterFormat = DisplayFormatOf(pp.BackBufferFormat);
        if (FAILED(graphics::CheckDeviceType(*description, type, adapterFormat, pp.BackBufferFormat, FALSE))) {
            return D3DERR_INVALIDCALL;
        }
        if (!HasMode(*description, pp, adapterFormat)) return D3DERR_INVALIDCALL;
    }

    DWORD qualityLevels = 0;
    if (FAILED(graphics::CheckDeviceMultiSampleType(*description, type, pp.BackBufferFormat, pp.Windowed,
                                                    pp.MultiSampleType, &qualityLevels)) ||
        pp.MultiSampleQuality >= qualityLevels) {
        return D3DERR_INVALIDCALL;
    }
    if (pp.MultiSampleType != D3DMULTISAMPLE_NONE &&
        (pp.SwapEffect != D3DSWAPEFFECT_DISCARD || (pp.Flags & D3DPRESENTFLAG_LOCKABLE_BACKBUFFER) != 0)) {
        return D3DERR_INVALIDCALL;
    }
    if (pp.EnableAutoDepthStencil &&
        FAILED(graphics::CheckDepthStencilMatch(*description, type, adapterFormat, pp.BackBufferFormat,
                                                pp.AutoDepthStencilFormat))) {
        return D3DERR_INVALIDCALL;
    }
    if ((pp.Flags & D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL) != 0 && !pp.EnableAutoDepthStencil) {
        return D3DERR_INVALIDCALL;
    }
    return D3D_OK;
}

HRESULT SystemCore::CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow, DWORD behaviorFlags,
                                 D3DPRESENT_PARAMETERS* presentationParameters,
                                 IDirect3DDevice9** returnedDeviceInterface) {
    if (HRESULT hr = Observe("IDirect3D9::CreateDevice",
                             FormatArguments(adapter, deviceType, focusWindow, behaviorFlags, presentationParameters));
        FAILED(hr)) {
        if (returnedDeviceInterface != nullptr) *returnedDeviceInterface = nullptr;
        return hr;
    }
    if (returnedDeviceInterface == nullptr || presentationParameters == nullptr) return D3DERR_INVALIDCALL;
    *returnedDeviceInterface = nullptr;
    const AdapterDescription* description = Adapter(adapter);
    if (description == nullptr) return D3DERR_INVALIDCALL;
    const DeviceTypeSupport* device = description->Device(deviceType);
    if (device == nullptr) return D3DERR_NOTAVAILABLE;

    const DWORD processing = behaviorFlags & (D3DCREATE_SOFTWARE_VERTEXPROCESSING |
                                              D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_MIXED_VERTEXPROCESSING);
    if (processing != D3DCREATE_SOFTWARE_VERTEXPROCESSING && processing != D3DCREATE_HARDWARE_VERTEXPROCESSING &&
        processing != D3DCREATE_MIXED_VERTEXPROCESSING) {
        return D3DERR_INVALIDCALL;
    }
    const bool hardwareTnl = (device->caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT) != 0;
    if (processing != D3DCREATE_SOFTWARE_VERTEXPROCESSING && !hardwareTnl) return D3DERR_INVALIDCALL;
    if ((behaviorFlags & D3DCREATE_PUREDEVICE) != 0 &&
        (processing != D3DCREATE_HARDWARE_VERTEXPROCESSING || (device->caps.DevCaps & D3DDEVCAPS_PUREDEVICE) == 0)) {
        return D3DERR_INVALIDCALL;
    }

    D3DPRESENT_PARAMETERS completed = *presentationParameters;
    if (HRESULT hr = CompletePresentation(adapter, deviceType, focusWindow, completed); FAILED(hr)) return hr;

    DeviceCreation creation;
    creation.adapter = adapter;
    creation.type = deviceType;
    creation.focusWindow = focusWindow;
    creation.behaviorFlags = behaviorFlags;
    creation.parameters = completed;
    creation.caps = device->caps;
    creation.caps.DeviceType = deviceType;
    creation.caps.AdapterOrdinal = adapter;
    creation.caps.MasterAdapterOrdinal = adapter;

    std::unique_ptr<DeviceRenderer> renderer;
    if (HRESULT hr = backend_->CreateRenderer(creation, &renderer); FAILED(hr)) return hr;
    DeviceCore* created = DeviceCore::Create(this, creation, std::move(renderer));
    if (created == nullptr) return E_OUTOFMEMORY;
    *presentationParameters = completed;
    *returnedDeviceInterface = created;
    return D3D_OK;
}

}  // namespace ondrel::graphics
