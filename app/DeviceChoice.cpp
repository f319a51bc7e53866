#include "app/DeviceChoice.h"

#include "framework/Framework.h"

namespace ondrel::app {

bool AcceptDevice(const D3DCAPS9* caps, D3DFORMAT adapterFormat, D3DFORMAT backBufferFormat, bool /*windowed*/) {
    if (caps == nullptr || caps->PixelShaderVersion < D3DPS_VERSION(1, 1)) {
        return false;
    }
    IDirect3D9* direct3d = framework::GetDirect3D();
    if (direct3d == nullptr) {
        return false;
    }
    return SUCCEEDED(direct3d->CheckDeviceFormat(caps->AdapterOrdinal, caps->DeviceType, adapterFormat,
                                                 D3DUSAGE_QUERY_POSTPIXELSHADER_BLENDING, D3DRTYPE_TEXTURE,
                                                 backBufferFormat));
}

bool AdjustDeviceSettings(framework::DeviceSettings* settings, const D3DCAPS9* caps) {
    if (settings == nullptr || caps == nullptr) {
        return false;
    }
    const bool hardwareLighting = (caps->DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT) != 0 &&
                                  caps->VertexShaderVersion >= D3DVS_VERSION(1, 1);
    settings->behaviorFlags =
        hardwareLighting ? D3DCREATE_HARDWARE_VERTEXPROCESSING : D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    if ((caps->DevCaps & D3DDEVCAPS_PUREDEVICE) != 0 &&
        (settings->behaviorFlags & D3DCREATE_HARDWARE_VERTEXPROCESSING) != 0) {
        settings->behaviorFlags |= D3DCREATE_PUREDEVICE;
    }
    return true;
}

}  // namespace ondrel::app
