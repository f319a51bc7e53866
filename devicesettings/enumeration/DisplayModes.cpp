// The display modes of an adapter and the adapter formats they bring.
#include <algorithm>
#include <cstdint>
#include <tuple>

#include "devicesettings/enumeration/DeviceEnumeration.h"

namespace ondrel::devicesettings {
namespace {

// Formats an adapter may run the desktop in, in the order combos are made.
constexpr D3DFORMAT kAllowedAdapterFormats[] = {D3DFMT_X8R8G8B8, D3DFMT_X1R5G5B5, D3DFMT_R5G6B5,
                                                D3DFMT_A2R10G10B10};

void AddUnlessListed(GrowableArray<D3DFORMAT>& formats, D3DFORMAT format) {
    if (!formats.Contains(format)) formats.Add(format);
}

}  // namespace

bool DeviceEnumeration::ModePassesFilter(const D3DDISPLAYMODE& mode) const {
    return settings_.minimumWidth <= mode.Width && mode.Width <= settings_.maximumWidth &&
           settings_.minimumHeight <= mode.Height && mode.Height <= settings_.maximumHeight &&
           settings_.minimumRefreshRate <= mode.RefreshRate && mode.RefreshRate <= settings_.maximumRefreshRate;
}

void DeviceEnumeration::CollectDisplayModes(AdapterInfo& adapter, GrowableArray<D3DFORMAT>& adapterFormats) {
    const UINT ordinal = adapter.adapterOrdinal;
    for (D3DFORMAT format : kAllowedAdapterFormats) {
        const UINT modeCount = d3d_->GetAdapterModeCount(ordinal, format);
        for (UINT index = 0; index < modeCount; ++index) {
            D3DDISPLAYMODE mode{};
            if (d3d_->EnumAdapterModes(ordinal, format, index, &mode) < 0) continue;
            if (!ModePassesFilter(mode)) continue;
            adapter.displayModes.Add(mode);
            AddUnlessListed(adapterFormats, mode.Format);
        }
    }
    // The desktop's own format counts even when it is none of the allowed
    // ones, so windowed combos on such a desktop exist.
    D3DDISPLAYMODE desktop{};
    if (d3d_->GetAdapterDisplayMode(ordinal, &desktop) >= 0) AddUnlessListed(adapterFormats, desktop.Format);
    SortDisplayModes(adapter.displayModes);
}

void SortDisplayModes(GrowableArray<D3DDISPLAYMODE>& modes) {
    std::sort(modes.begin(), modes.end(), [](const D3DDISPLAYMODE& a, const D3DDISPLAYMODE& b) {
        return std::make_tuple(a.Width, a.Height, static_cast<std::int32_t>(a.Format), a.RefreshRate) <
               std::make_tuple(b.Width, b.Height, static_cast<std::int32_t>(b.Format), b.RefreshRate);
    });
}

}  // namespace ondrel::devicesettings
