// FindValidDeviceSettings: the best combo of the catalogue for the input and
// its match options, turned into settings a device can be created with.
#include "framework/DeviceCatalogue.h"
#include "framework/DeviceSearchSteps.h"
#include "framework/FrameworkErrors.h"
#include "framework/FrameworkState.h"
#include "framework/LifecycleCalls.h"

namespace ondrel::framework {
namespace {

D3DDISPLAYMODE DesktopOf(IDirect3D9* d3d, UINT adapter) {
    D3DDISPLAYMODE desktop{};
    if (d3d != nullptr) d3d->GetAdapterDisplayMode(adapter, &desktop);
    return desktop;
}

}  // namespace

HRESULT FindValidDeviceSettings(DeviceSettings* out, const DeviceSettings* in, const MatchOptions* options) {
    if (out == nullptr) return E_INVALIDARG;
    devicesettings::DeviceEnumeration* catalogue = PrepareDeviceCatalogue(false);
    // Copies first: out and in may be the same record.
    const DeviceSettings input = in != nullptr ? *in : DeviceSettings{};
    const MatchOptions match = options != nullptr ? *options : MatchOptions{};
    IDirect3D9* d3d = State().Get(&StateFields::direct3d);
    const UINT optimalAdapter = match.adapterOrdinal == Ignore ? 0 : input.adapterOrdinal;
    const DeviceSettings optimal = BuildOptimalSettings(input, match, DesktopOf(d3d, optimalAdapter));

    const devicesettings::DeviceCombo* best = nullptr;
    D3DDISPLAYMODE bestDesktop{};
    float bestRank = -1.0f;
    for (const auto& adapter : catalogue->GetAdapters()) {
        const D3DDISPLAYMODE desktop = DesktopOf(d3d, adapter->adapterOrdinal);
        for (const auto& device : adapter->deviceInfos) {
            for (const auto& combo : device->deviceCombos) {
                if (combo->windowed && combo->adapterFormat != desktop.Format) continue;
                if (!MatchesPreserveOptions(*combo, input, match)) continue;
                const float rank = RankCombo(*combo, optimal, desktop);
                if (rank > bestRank) {
                    bestRank = rank;
                    best = combo.get();
                    bestDesktop = desktop;
                }
            }
        }
    }
    if (best == nullptr) return NoCompatibleDevices;
    *out = BuildValidSettings(*best, input, match, bestDesktop);
    return S_OK;
}

}  // namespace ondrel::framework
