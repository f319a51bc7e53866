#include "framework/DeviceCatalogue.h"

#include "framework/FrameworkErrors.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

static_assert(devicesettings::kEnumerationNoDirect3D == NoDirect3D, "one code for a missing Direct3D");

devicesettings::DeviceEnumeration* PrepareDeviceCatalogue(bool refresh, HRESULT* status) {
    FrameworkState& state = State();
    devicesettings::DeviceEnumeration* catalogue = state.Get(&StateFields::enumeration);
    HRESULT result = S_OK;
    if (catalogue == nullptr || refresh) {
        const bool created = catalogue == nullptr;
        catalogue = devicesettings::GetDeviceEnumeration();
        state.Set(&StateFields::enumeration, catalogue);
        if (created || refresh) {
            result = catalogue->Enumerate(state.Get(&StateFields::direct3d),
                                          state.Get(&StateFields::acceptDeviceCallback));
        }
    }
    if (status != nullptr) *status = result;
    return catalogue;
}

void ForgetDeviceCatalogue() {
    State().Set(&StateFields::enumeration, nullptr);
    devicesettings::ResetDeviceEnumeration();
}

}  // namespace ondrel::framework
