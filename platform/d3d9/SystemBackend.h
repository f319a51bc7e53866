#pragma once
// What a backend supplies to the shared system object: the adapter catalogue,
// window sizes, and a renderer for each new device.

#include <memory>

#include "platform/d3d9/AdapterCatalogue.h"
#include "platform/d3d9/CallObserver.h"
#include "platform/d3d9/DeviceRenderer.h"

namespace ondrel::graphics {

struct DeviceCreation {
    UINT adapter = 0;
    D3DDEVTYPE type = D3DDEVTYPE_HAL;
    HWND focusWindow = nullptr;
    DWORD behaviorFlags = 0;
    D3DPRESENT_PARAMETERS parameters{};  // completed and checked
    D3DCAPS9 caps{};
};

class SystemBackend {
public:
    virtual ~SystemBackend() = default;

    // The catalogue as it stands now; display modes may change between calls.
    virtual const AdapterCatalogue& Catalogue() = 0;
    virtual CallObserver* Observer() { return nullptr; }
    // The client size of a window, for windowed back buffers given as 0 x 0.
    virtual bool WindowClientSize(HWND window, UINT* width, UINT* height) = 0;
    // A renderer for a device about to be created, or a failure status.
    virtual HRESULT CreateRenderer(const DeviceCreation& creation, std::unique_ptr<DeviceRenderer>* renderer) = 0;
    virtual void DeviceCreated(DeviceCore* device) { (void)device; }
    virtual void DeviceDestroyed(DeviceCore* device) { (void)device; }
};

}  // namespace ondrel::graphics
