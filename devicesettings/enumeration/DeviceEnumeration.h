#pragma once
// The catalogue of every adapter, display mode, device and combo that the
// machine offers and the application accepts. The framework searches it for
// device settings, the statistics look up the current combo, the settings
// dialog fills its lists from it. Enumerating again empties and refills it.

#include <memory>

#include "devicesettings/enumeration/AdapterInfo.h"
#include "devicesettings/enumeration/DeviceCombo.h"
#include "devicesettings/enumeration/DeviceInfo.h"
#include "devicesettings/enumeration/EnumerationSettings.h"
#include "devicesettings/enumeration/GrowableArray.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::devicesettings {

// The framework's code for "no Direct3D": Enumerate answers it when it is
// given no interface, and the framework reports it with its message.
inline constexpr HRESULT kEnumerationNoDirect3D = static_cast<HRESULT>(0x80040901u);

class DeviceEnumeration {
public:
    explicit DeviceEnumeration(const EnumerationSettings& settings = {});
    ~DeviceEnumeration();
    DeviceEnumeration(const DeviceEnumeration&) = delete;
    DeviceEnumeration& operator=(const DeviceEnumeration&) = delete;

    // Replaces the catalogue. The interface is kept (with a reference of its
    // own) until the next Enumerate or destruction.
    HRESULT Enumerate(IDirect3D9* d3d, AcceptDeviceCallback acceptDevice);

    // Linear searches in catalogue order; the first match wins.
    AdapterInfo* GetAdapterInfo(UINT adapterOrdinal) const;
    DeviceInfo* GetDeviceInfo(UINT adapterOrdinal, D3DDEVTYPE deviceType) const;
    DeviceCombo* GetDeviceCombo(UINT adapterOrdinal, D3DDEVTYPE deviceType, D3DFORMAT adapterFormat,
                                D3DFORMAT backBufferFormat, bool windowed) const;

    const GrowableArray<std::unique_ptr<AdapterInfo>>& GetAdapters() const { return adapters_; }
    VertexProcessingAllowed GetVertexProcessingAllowed() const { return settings_.vertexProcessing; }
    const EnumerationSettings& Settings() const { return settings_; }
    IDirect3D9* Direct3D() const { return d3d_; }
    AcceptDeviceCallback AcceptDevice() const { return acceptDevice_; }

private:
    HRESULT EnumerateAdapter(UINT ordinal);
    void CollectDisplayModes(AdapterInfo& adapter, GrowableArray<D3DFORMAT>& adapterFormats);
    bool ModePassesFilter(const D3DDISPLAYMODE& mode) const;
    HRESULT EnumerateDevices(AdapterInfo& adapter, const GrowableArray<D3DFORMAT>& adapterFormats);
    HRESULT EnumerateCombos(AdapterInfo& adapter, DeviceInfo& device, const GrowableArray<D3DFORMAT>& adapterFormats);
    bool IsCandidate(const AdapterInfo& adapter, const DeviceInfo& device, D3DFORMAT adapterFormat,
                     D3DFORMAT backBufferFormat, bool windowed);
    void FillDepthStencilFormats(DeviceCombo& combo);
    void FillMultiSampleTypes(DeviceCombo& combo);
    void FillConflicts(DeviceCombo& combo);
    void FillPresentIntervals(DeviceCombo& combo, const D3DCAPS9& caps);
    void KeepInterface(IDirect3D9* d3d);

    EnumerationSettings settings_;
    IDirect3D9* d3d_ = nullptr;
    AcceptDeviceCallback acceptDevice_ = nullptr;
    GrowableArray<std::unique_ptr<AdapterInfo>> adapters_;
};

// Sorts display modes by width, then height, then format (as signed
// numbers), then refresh rate.
void SortDisplayModes(GrowableArray<D3DDISPLAYMODE>& modes);

// Fills every adapter's unique description from its identifier; when two
// identifiers share a description, every adapter gets " (#ordinal)".
void MakeUniqueDescriptions(GrowableArray<std::unique_ptr<AdapterInfo>>& adapters);

// The single instance, made on first use with the default settings and
// destroyed at exit (or by ResetDeviceEnumeration).
DeviceEnumeration* GetDeviceEnumeration();
// Destroys the single instance; the next GetDeviceEnumeration makes a new one.
void ResetDeviceEnumeration();
bool DeviceEnumerationExists();

}  // namespace ondrel::devicesettings
