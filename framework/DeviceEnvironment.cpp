// The device objects around a device: who is told, in which order, when a
// device is created, reset, lost or released, and the end of it all.
#include "framework/AppWindow.h"
#include "framework/DeviceCatalogue.h"
#include "framework/FrameStats.h"
#include "framework/Framework.h"
#include "framework/FrameworkErrors.h"
#include "framework/FrameworkState.h"
#include "framework/LifecycleCalls.h"

namespace ondrel::framework {
namespace {

// Device callbacks run with the flag set, so that they cannot start another
// window, device or loop from inside.
class InsideDeviceCallback {
public:
    InsideDeviceCallback() { State().Set(&StateFields::insideDeviceCallback, true); }
    ~InsideDeviceCallback() { State().Set(&StateFields::insideDeviceCallback, false); }
    InsideDeviceCallback(const InsideDeviceCallback&) = delete;
    InsideDeviceCallback& operator=(const InsideDeviceCallback&) = delete;
};

HRESULT CallDeviceCreated(IDirect3DDevice9* device, const D3DSURFACE_DESC& backBuffer) {
    DeviceCreatedCallback callback = State().Get(&StateFields::deviceCreatedCallback);
    if (callback == nullptr) return S_OK;
    InsideDeviceCallback inside;
    return callback(device, &backBuffer);
}

HRESULT CallDeviceReset(IDirect3DDevice9* device, const D3DSURFACE_DESC& backBuffer) {
    DeviceResetCallback callback = State().Get(&StateFields::deviceResetCallback);
    if (callback == nullptr) return S_OK;
    InsideDeviceCallback inside;
    return callback(device, &backBuffer);
}

void CallDeviceLost() {
    DeviceLostCallback callback = State().Get(&StateFields::deviceLostCallback);
    if (callback == nullptr) return;
    InsideDeviceCallback inside;
    callback();
}

void CallDeviceDestroyed() {
    DeviceDestroyedCallback callback = State().Get(&StateFields::deviceDestroyedCallback);
    if (callback == nullptr) return;
    InsideDeviceCallback inside;
    callback();
}

ResourceManagerSteps* Manager() { return State().Get(&StateFields::resourceManager); }
SettingsDialogSteps* Dialog() { return State().Get(&StateFields::settingsDialog); }

HRESULT ManagerCreate(IDirect3DDevice9* device) { return Manager() ? Manager()->OnCreateDevice(device) : S_OK; }
HRESULT ManagerReset() { return Manager() ? Manager()->OnResetDevice() : S_OK; }
void ManagerLost() {
    if (Manager()) Manager()->OnLostDevice();
}
void ManagerDestroy() {
    if (Manager()) Manager()->OnDestroyDevice();
}

// A missing skin or file keeps its own code so the user sees the media message.
HRESULT OrMediaNotFound(HRESULT failure, HRESULT otherwise) { return failure == MediaNotFound ? failure : otherwise; }

// The back buffer's description and the device's capabilities as they are
// now, the statistics text and the cursor that go with them.
void RefreshDeviceDescription(IDirect3DDevice9* device) {
    FrameworkState& state = State();
    D3DSURFACE_DESC description{};
    IDirect3DSurface9* backBuffer = nullptr;
    if (SUCCEEDED(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer)) && backBuffer != nullptr) {
        backBuffer->GetDesc(&description);
        backBuffer->Release();
    }
    state.Set(&StateFields::backBufferSurfaceDesc, description);
    D3DCAPS9 caps{};
    device->GetDeviceCaps(&caps);
    state.Set(&StateFields::caps, caps);
    BuildStaticFrameStats();
    SetupFullScreenCursor();
}

}  // namespace

HRESULT CreateEnvironment() {
    FrameworkState& state = State();
    IDirect3DDevice9* device = state.Get(&StateFields::device);
    state.Set(&StateFields::deviceObjectsCreated, false);
    state.Set(&StateFields::deviceObjectsReset, false);
    SetWindowStyleForMode(IsWindowed());
    RefreshDeviceDescription(device);

    if (SettingsDialogSteps* dialog = Dialog()) {
        if (FAILED(dialog->OnCreateDevice(device)) || FAILED(dialog->OnResetDevice())) return CreatingDeviceObjects;
    }
    if (HRESULT hr = ManagerCreate(device); FAILED(hr)) return OrMediaNotFound(hr, CreatingDeviceObjects);

    const D3DSURFACE_DESC backBuffer = state.Get(&StateFields::backBufferSurfaceDesc);
    if (HRESULT hr = CallDeviceCreated(device, backBuffer); FAILED(hr)) {
        CleanupEnvironment(true);
        return OrMediaNotFound(hr, CreatingDeviceObjects);
    }
    if (FAILED(ManagerReset())) return ResettingDeviceObjects;
    state.Set(&StateFields::deviceObjectsCreated, true);
    if (HRESULT hr = CallDeviceReset(device, backBuffer); FAILED(hr)) return OrMediaNotFound(hr, ResettingDeviceObjects);
    state.Set(&StateFields::deviceObjectsReset, true);
    return S_OK;
}

HRESULT ResetEnvironment() {
    FrameworkState& state = State();
    IDirect3DDevice9* device = state.Get(&StateFields::device);
    DeviceSettings* settings = state.Get(&StateFields::currentSettings);
    if (device == nullptr || settings == nullptr) return ResettingDevice;
    if (SettingsDialogSteps* dialog = Dialog()) dialog->OnLostDevice();
    if (state.Get(&StateFields::deviceObjectsReset)) {
        ManagerLost();
        CallDeviceLost();
        state.Set(&StateFields::deviceObjectsReset, false);
    }
    SetWindowStyleForMode(IsWindowed());

    if (HRESULT hr = device->Reset(&settings->presentParameters); FAILED(hr)) {
        return hr == D3DERR_DEVICELOST ? D3DERR_DEVICELOST : ResettingDevice;
    }
    RefreshDeviceDescription(device);

    if (SettingsDialogSteps* dialog = Dialog(); dialog != nullptr && FAILED(dialog->OnResetDevice())) {
        return ResettingDeviceObjects;
    }
    if (FAILED(ManagerReset())) return ResettingDeviceObjects;
    const D3DSURFACE_DESC backBuffer = state.Get(&StateFields::backBufferSurfaceDesc);
    if (HRESULT hr = CallDeviceReset(device, backBuffer); FAILED(hr)) {
        ManagerLost();
        CallDeviceLost();
        return OrMediaNotFound(hr, ResettingDeviceObjects);
    }
    state.Set(&StateFields::deviceObjectsReset, true);
    return S_OK;
}

void CleanupEnvironment(bool releaseSettings) {
    FrameworkState& state = State();
    ManagerLost();
    ManagerDestroy();

    if (IDirect3DDevice9* device = state.Get(&StateFields::device)) {
        if (SettingsDialogSteps* dialog = Dialog()) {
            dialog->OnLostDevice();
            dialog->OnDestroyDevice();
        }
        ManagerLost();
        CallDeviceLost();
        state.Set(&StateFields::deviceObjectsReset, false);
        CallDeviceDestroyed();
        state.Set(&StateFields::deviceObjectsCreated, false);

        state.Set(&StateFields::device, nullptr);
        if (device->Release() > 0) ShowError(NonZeroRefCount);
    }
    if (releaseSettings) {
        delete state.Get(&StateFields::currentSettings);
        state.Set(&StateFields::currentSettings, nullptr);
    }
    state.Set(&StateFields::backBufferSurfaceDesc, D3DSURFACE_DESC{});
    state.Set(&StateFields::caps, D3DCAPS9{});
    state.Set(&StateFields::deviceCreated, false);
}

void Shutdown() {
    FrameworkState& state = State();
    if (HWND window = GetCurrentWindow()) SendMessageW(window, WM_CLOSE, 0, 0);
    CleanupEnvironment(true);
    ForgetDeviceCatalogue();
    if (IDirect3D9* d3d = state.Get(&StateFields::direct3d)) {
        state.Set(&StateFields::direct3d, nullptr);
        d3d->Release();
    }
}

}  // namespace ondrel::framework
