#pragma once
// One device type of one adapter: its capabilities and its combos.

#include <memory>

#include "devicesettings/enumeration/DeviceCombo.h"
#include "devicesettings/enumeration/GrowableArray.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::devicesettings {

struct DeviceInfo {
    UINT adapterOrdinal = 0;
    D3DDEVTYPE deviceType = D3DDEVTYPE_HAL;
    D3DCAPS9 caps{};
    GrowableArray<std::unique_ptr<DeviceCombo>> deviceCombos;
};

}  // namespace ondrel::devicesettings
