#pragma once
// One usable adapter: its identifier, the name shown for it, its display
// modes and its devices.

#include <memory>

#include "devicesettings/enumeration/DeviceInfo.h"
#include "devicesettings/enumeration/GrowableArray.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::devicesettings {

struct AdapterInfo {
    static constexpr int kUniqueDescriptionLength = 100;  // UTF-16 units, terminator included

    UINT adapterOrdinal = 0;
    D3DADAPTER_IDENTIFIER9 identifier{};
    WCHAR uniqueDescription[kUniqueDescriptionLength]{};
    GrowableArray<D3DDISPLAYMODE> displayModes;  // sorted by width, height, format, refresh rate
    GrowableArray<std::unique_ptr<DeviceInfo>> deviceInfos;
};

}  // namespace ondrel::devicesettings
