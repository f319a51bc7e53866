#pragma once
// The steps of the device search (FindValidDeviceSettings): the optimal
// settings built from the input, the Preserve tests, the rank of a combo and
// the settings made from the winning combo. Separate so that tests can check
// each rule on its own.

#include "devicesettings/enumeration/DeviceEnumeration.h"
#include "framework/DeviceSettings.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::framework {

// The settings the search aims at: the input where an option is not Ignore,
// else the default. desktop is the optimal adapter's current display mode.
DeviceSettings BuildOptimalSettings(const DeviceSettings& input, const MatchOptions& options,
                                    const D3DDISPLAYMODE& desktop);

// False when the combo fails any Preserve option of the input.
bool MatchesPreserveOptions(const devicesettings::DeviceCombo& combo, const DeviceSettings& input,
                            const MatchOptions& options);

// A 32-bit float sum, each term added in a fixed order so equal machines give
// equal ranks. desktop is the combo's adapter's current display mode.
float RankCombo(const devicesettings::DeviceCombo& combo, const DeviceSettings& optimal,
                const D3DDISPLAYMODE& desktop);

// The settings a device is created with from the winning combo.
DeviceSettings BuildValidSettings(const devicesettings::DeviceCombo& combo, const DeviceSettings& input,
                                  const MatchOptions& options, const D3DDISPLAYMODE& desktop);

// Whether the combo's adapter has a display mode in the combo's adapter
// format matching the predicate.
template <class Predicate>
bool HasModeInAdapterFormat(const devicesettings::DeviceCombo& combo, Predicate predicate) {
    for (const D3DDISPLAYMODE& mode : combo.adapterInfo->displayModes) {
        if (mode.Format == combo.adapterFormat && predicate(mode)) return true;
    }
    return false;
}

inline bool HasHardwareTransformAndLighting(const devicesettings::DeviceCombo& combo) {
    return (combo.deviceInfo->caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT) != 0;
}

// The quality count the combo lists for a multisample type, or -1.
long long QualityCountOf(const devicesettings::DeviceCombo& combo, D3DMULTISAMPLE_TYPE type);

// The display format a full-screen device should run in: the desktop's, or
// X8R8G8B8 when the desktop has fewer than 8 bits per channel.
D3DFORMAT PreferredFullScreenFormat(D3DFORMAT desktopFormat);

}  // namespace ondrel::framework
