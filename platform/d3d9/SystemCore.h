#pragma once
// The system object (IDirect3D9) shared by the backends: adapter queries and
// format checks answered from the backend's catalogue, and device creation
// with the presentation parameters checked and completed the way Direct3D 9
// does.

#include <memory>

#include "platform/d3d9/ComObject.h"
#include "platform/d3d9/SystemBackend.h"

namespace ondrel::graphics {

class SystemCore final : public ComObject<IDirect3D9> {
public:
    static SystemCore* Create(std::unique_ptr<SystemBackend> backend, std::shared_ptr<ObjectCensus> census);

    UINT GetAdapterCount() override;
    HRESULT GetAdapterIdentifier(UINT adapter, DWORD flags, D3DADAPTER_IDENTIFIER9* identifier) override;
    UINT GetAdapterModeCount(UINT adapter, D3DFORMAT format) override;
    HRESULT EnumAdapterModes(UINT adapter, D3DFORMAT format, UINT mode, D3DDISPLAYMODE* displayMode) override;
    HRESULT GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) override;
    HRESULT CheckDeviceType(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT adapterFormat, D3DFORMAT backBufferFormat,
                            BOOL windowed) override;
    HRESULT CheckDeviceFormat(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT adapterFormat, DWORD usage,
                              D3DRESOURCETYPE resourceType, D3DFORMAT checkFormat) override;
    HRESULT CheckDeviceMultiSampleType(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT surfaceFormat, BOOL windowed,
                                       D3DMULTISAMPLE_TYPE multiSampleType, DWORD* qualityLevels) override;
    HRESULT CheckDepthStencilMatch(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT adapterFormat,
                                   D3DFORMAT renderTargetFormat, D3DFORMAT depthStencilFormat) override;
    HRESULT CheckDeviceFormatConversion(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT sourceFormat,
                                        D3DFORMAT targetFormat) override;
    HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE deviceType, D3DCAPS9* caps) override;
    HMONITOR GetAdapterMonitor(UINT adapter) override;
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow, DWORD behaviorFlags,
                         D3DPRESENT_PARAMETERS* presentationParameters,
                         IDirect3DDevice9** returnedDeviceInterface) override;

    // Checks presentation parameters for a device on this adapter and fills
    // in what Direct3D fills in (back-buffer count and, in a window, size and
    // format). D3DERR_INVALIDCALL when they cannot be used.
    HRESULT CompletePresentation(UINT adapter, D3DDEVTYPE type, HWND focusWindow,
                                 D3DPRESENT_PARAMETERS& parameters);

    SystemBackend& Backend() { return *backend_; }
    const std::shared_ptr<ObjectCensus>& Census() const { return census_; }
    HRESULT Observe(std::string_view call, const std::string& arguments);

private:
    SystemCore(std::unique_ptr<SystemBackend> backend, std::shared_ptr<ObjectCensus> census);
    ~SystemCore() override = default;
    const AdapterDescription* Adapter(UINT adapter);

    std::shared_ptr<ObjectCensus> census_;  // outlives every object counted in it
    std::unique_ptr<SystemBackend> backend_;
};

}  // namespace ondrel::graphics
