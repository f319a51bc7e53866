#pragma once
// The framework's view of the device catalogue: made and enumerated on first
// need with the framework's Direct3D interface and the application's
// AcceptDevice callback.

#include "devicesettings/enumeration/DeviceEnumeration.h"

namespace ondrel::framework {

// The catalogue; enumerated now when the framework had none yet or when
// refresh is asked for (every CreateDevice). Null with no Direct3D.
devicesettings::DeviceEnumeration* PrepareDeviceCatalogue(bool refresh, HRESULT* status = nullptr);

// The framework lets go of the catalogue (and the catalogue of its
// reference to the Direct3D interface).
void ForgetDeviceCatalogue();

}  // namespace ondrel::framework
