#include "devicesettings/enumeration/DeviceEnumeration.h"

#include "devicesettings/enumeration/AllocationGate.h"

namespace ondrel::devicesettings {
namespace {

std::unique_ptr<DeviceEnumeration>& Instance() {
    static std::unique_ptr<DeviceEnumeration> instance;
    return instance;
}

}  // namespace

DeviceEnumeration::DeviceEnumeration(const EnumerationSettings& settings) : settings_(settings) {}

DeviceEnumeration::~DeviceEnumeration() { KeepInterface(nullptr); }

void DeviceEnumeration::KeepInterface(IDirect3D9* d3d) {
    if (d3d != nullptr) d3d->AddRef();
    if (d3d_ != nullptr) d3d_->Release();
    d3d_ = d3d;
}

HRESULT DeviceEnumeration::Enumerate(IDirect3D9* d3d, AcceptDeviceCallback acceptDevice) {
    if (d3d == nullptr) return kEnumerationNoDirect3D;
    KeepInterface(d3d);
    acceptDevice_ = acceptDevice;
    adapters_.RemoveAll();

    HRESULT result = S_OK;
    const UINT adapterCount = d3d_->GetAdapterCount();
    for (UINT ordinal = 0; ordinal < adapterCount; ++ordinal) {
        result = EnumerateAdapter(ordinal);
        if (result < 0) break;
    }
    // Adapters appended before a failure stay, so they get their names too.
    MakeUniqueDescriptions(adapters_);
    return result;
}

HRESULT DeviceEnumeration::EnumerateAdapter(UINT ordinal) {
    std::unique_ptr<AdapterInfo> adapter(NewRecord<AdapterInfo>());
    if (!adapter) return E_OUTOFMEMORY;
    adapter->adapterOrdinal = ordinal;
    d3d_->GetAdapterIdentifier(ordinal, 0, &adapter->identifier);

    GrowableArray<D3DFORMAT> adapterFormats;
    CollectDisplayModes(*adapter, adapterFormats);
    const HRESULT devices = EnumerateDevices(*adapter, adapterFormats);
    if (devices < 0) return devices;
    if (adapter->deviceInfos.Empty()) return S_OK;
    return adapters_.Add(std::move(adapter));
}

AdapterInfo* DeviceEnumeration::GetAdapterInfo(UINT adapterOrdinal) const {
    for (const std::unique_ptr<AdapterInfo>& adapter : adapters_) {
        if (adapter->adapterOrdinal == adapterOrdinal) return adapter.get();
    }
    return nullptr;
}

DeviceInfo* DeviceEnumeration::GetDeviceInfo(UINT adapterOrdinal, D3DDEVTYPE deviceType) const {
    AdapterInfo* adapter = GetAdapterInfo(adapterOrdinal);
    if (adapter == nullptr) return nullptr;
    for (const std::unique_ptr<DeviceInfo>& device : adapter->deviceInfos) {
        if (device->deviceType == deviceType) return device.get();
    }
    return nullptr;
}

DeviceCombo* DeviceEnumeration::GetDeviceCombo(UINT adapterOrdinal, D3DDEVTYPE deviceType, D3DFORMAT adapterFormat,
                                               D3DFORMAT backBufferFormat, bool windowed) const {
    DeviceInfo* device = GetDeviceInfo(adapterOrdinal, deviceType);
    if (device == nullptr) return nullptr;
    for (const std::unique_ptr<DeviceCombo>& combo : device->deviceCombos) {
        if (combo->adapterFormat == adapterFormat && combo->backBufferFormat == backBufferFormat &&
            combo->windowed == windowed) {
            return combo.get();
        }
    }
    return nullptr;
}

DeviceEnumeration* GetDeviceEnumeration() {
    std::unique_ptr<DeviceEnumeration>& instance = Instance();
    if (!instance) instance = std::make_unique<DeviceEnumeration>();
    return instance.get();
}

void ResetDeviceEnumeration() { Instance().reset(); }

bool DeviceEnumerationExists() { return Instance() != nullptr; }

}  // namespace ondrel::devicesettings
