#pragma once
// A state block: a copy of the device state parts its mask covers, taken at
// creation and by Capture, written back by Apply.

#include "platform/d3d9/ComObject.h"
#include "platform/d3d9/DeviceState.h"

namespace ondrel::graphics {

class DeviceCore;

class StateBlockObject final : public ComObject<IDirect3DStateBlock9> {
public:
    // Captures the device's current values, or those of `recorded` when given
    // (a block made by BeginStateBlock/EndStateBlock).
    static StateBlockObject* Create(DeviceCore* device, const StateMask& mask,
                                    const DeviceState* recorded = nullptr);

    HRESULT GetDevice(IDirect3DDevice9** device) override;
    HRESULT Capture() override;
    HRESULT Apply() override;

private:
    StateBlockObject(DeviceCore* device, const StateMask& mask);
    ~StateBlockObject() override = default;
    void OnLastPublicRelease() override;
    void OnRevived() override;

    DeviceCore* device_;
    StateMask mask_;
    DeviceState saved_;
};

}  // namespace ondrel::graphics
