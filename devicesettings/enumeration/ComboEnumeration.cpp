// The devices of an adapter and the combos of a device. The orders below are
// the catalogue's order, and the device search takes the first of equally
// ranked combos, so they decide which device a machine gets.
#include <cstdint>

#include "devicesettings/enumeration/AllocationGate.h"
#include "devicesettings/enumeration/DeviceEnumeration.h"

namespace ondrel::devicesettings {
namespace {

constexpr D3DDEVTYPE kDeviceTypes[] = {D3DDEVTYPE_HAL, D3DDEVTYPE_SW, D3DDEVTYPE_REF};

constexpr D3DFORMAT kBackBufferFormats[] = {D3DFMT_A8R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_A2R10G10B10,
                                            D3DFMT_R5G6B5,   D3DFMT_A1R5G5B5, D3DFMT_X1R5G5B5};

bool Succeeded(HRESULT hr) { return hr >= 0; }

// Intervals above one would stall a window sharing the desktop's refresh.
bool IsMultiFrameInterval(UINT interval) {
    return interval == D3DPRESENT_INTERVAL_TWO || interval == D3DPRESENT_INTERVAL_THREE ||
           interval == D3DPRESENT_INTERVAL_FOUR;
}

}  // namespace

HRESULT DeviceEnumeration::EnumerateDevices(AdapterInfo& adapter, const GrowableArray<D3DFORMAT>& adapterFormats) {
    for (D3DDEVTYPE type : kDeviceTypes) {
        std::unique_ptr<DeviceInfo> device(NewRecord<DeviceInfo>());
        if (!device) return E_OUTOFMEMORY;
        device->adapterOrdinal = adapter.adapterOrdinal;
        device->deviceType = type;
        if (!Succeeded(d3d_->GetDeviceCaps(adapter.adapterOrdinal, type, &device->caps))) continue;
        if (HRESULT hr = EnumerateCombos(adapter, *device, adapterFormats); hr < 0) return hr;
        if (device->deviceCombos.Empty()) continue;
        adapter.deviceInfos.Add(std::move(device));
    }
    return S_OK;
}

bool DeviceEnumeration::IsCandidate(const AdapterInfo& adapter, const DeviceInfo& device, D3DFORMAT adapterFormat,
                                    D3DFORMAT backBufferFormat, bool windowed) {
    const UINT ordinal = adapter.adapterOrdinal;
    if (!windowed && adapter.displayModes.Empty()) return false;
    if (!Succeeded(d3d_->CheckDeviceType(ordinal, device.deviceType, adapterFormat, backBufferFormat, windowed))) {
        return false;
    }
    if (settings_.requirePostPixelShaderBlending &&
        !Succeeded(d3d_->CheckDeviceFormat(ordinal, device.deviceType, adapterFormat,
                                           D3DUSAGE_QUERY_POSTPIXELSHADER_BLENDING, D3DRTYPE_TEXTURE,
                                           backBufferFormat))) {
        return false;
    }
    return acceptDevice_ == nullptr || acceptDevice_(&device.caps, adapterFormat, backBufferFormat, windowed);
}

HRESULT DeviceEnumeration::EnumerateCombos(AdapterInfo& adapter, DeviceInfo& device,
                                           const GrowableArray<D3DFORMAT>& adapterFormats) {
    for (D3DFORMAT adapterFormat : adapterFormats) {
        for (D3DFORMAT backBufferFormat : kBackBufferFormats) {
            for (bool windowed : {false, true}) {
                if (!IsCandidate(adapter, device, adapterFormat, backBufferFormat, windowed)) continue;
                std::unique_ptr<DeviceCombo> combo(NewRecord<DeviceCombo>());
                if (!combo) return E_OUTOFMEMORY;
                combo->adapterOrdinal = adapter.adapterOrdinal;
                combo->deviceType = device.deviceType;
                combo->adapterFormat = adapterFormat;
                combo->backBufferFormat = backBufferFormat;
                combo->windowed = windowed;
                FillDepthStencilFormats(*combo);
                FillMultiSampleTypes(*combo);
                if (combo->multiSampleTypes.Empty()) continue;
                FillConflicts(*combo);
                FillPresentIntervals(*combo, device.caps);
                combo->adapterInfo = &adapter;
                combo->deviceInfo = &device;
                device.deviceCombos.Add(std::move(combo));
            }
        }
    }
    return S_OK;
}

void DeviceEnumeration::FillDepthStencilFormats(DeviceCombo& combo) {
    for (D3DFORMAT format : settings_.possibleDepthStencilFormats) {
        if (Succeeded(d3d_->CheckDeviceFormat(combo.adapterOrdinal, combo.deviceType, combo.adapterFormat,
                                              D3DUSAGE_DEPTHSTENCIL, D3DRTYPE_SURFACE, format)) &&
            Succeeded(d3d_->CheckDepthStencilMatch(combo.adapterOrdinal, combo.deviceType, combo.adapterFormat,
                                                   combo.backBufferFormat, format))) {
            combo.depthStencilFormats.Add(format);
        }
    }
}

void DeviceEnumeration::FillMultiSampleTypes(DeviceCombo& combo) {
    const std::uint64_t qualityCap = std::uint64_t{settings_.multiSampleQualityMaximum} + 1;
    for (D3DMULTISAMPLE_TYPE type : settings_.possibleMultiSampleTypes) {
        DWORD levels = 0;
        if (!Succeeded(d3d_->CheckDeviceMultiSampleType(combo.adapterOrdinal, combo.deviceType,
                                                        combo.backBufferFormat, combo.windowed, type, &levels))) {
            continue;
        }
        // The cap is at most 2^32, so the smaller of the two fits a DWORD.
        const auto quality = static_cast<DWORD>(levels > qualityCap ? qualityCap : levels);
        // The two lists stay parallel: a type is listed only with its count.
        if (combo.multiSampleTypes.Add(type) < 0) continue;
        if (combo.multiSampleQualities.Add(quality) < 0) {
            combo.multiSampleTypes.Remove(combo.multiSampleTypes.GetSize() - 1);
        }
    }
}

void DeviceEnumeration::FillConflicts(DeviceCombo& combo) {
    for (D3DFORMAT depthStencil : combo.depthStencilFormats) {
        for (D3DMULTISAMPLE_TYPE type : combo.multiSampleTypes) {
            if (!Succeeded(d3d_->CheckDeviceMultiSampleType(combo.adapterOrdinal, combo.deviceType, depthStencil,
                                                            combo.windowed, type, nullptr))) {
                combo.depthStencilConflicts.Add(DepthStencilMultiSampleConflict{depthStencil, type});
            }
        }
    }
}

void DeviceEnumeration::FillPresentIntervals(DeviceCombo& combo, const D3DCAPS9& caps) {
    for (UINT interval : settings_.possiblePresentIntervals) {
        if (combo.windowed && IsMultiFrameInterval(interval)) continue;
        if (interval != D3DPRESENT_INTERVAL_DEFAULT && (caps.PresentationIntervals & interval) == 0) continue;
        combo.presentIntervals.Add(interval);
    }
}

}  // namespace ondrel::devicesettings
