// ChangeDevice: every device after the first goes through here. A device
// keeping its adapter, type and behaviour is reset; anything else makes a
// new one.
#include <memory>
#include <new>

#include "framework/AppWindow.h"
#include "framework/CommandLine.h"
#include "framework/Framework.h"
#include "framework/FrameworkErrors.h"
#include "framework/FrameworkState.h"
#include "framework/LifecycleCalls.h"
#include "framework/MainLoop.h"

namespace ondrel::framework {
namespace {

constexpr UINT kMinimumWindowedSize = 200;

// Window messages caused by the change itself must not start another change.
// Every way out of a change ends the pause and the ignoring, so that a failed
// change does not leave the program paused or deaf to resizes.
class ChangeInProgress {
public:
    ChangeInProgress() {
        Pause(true, true);
        State().Set(&StateFields::ignoreSizeChange, true);
    }
    ~ChangeInProgress() {
        State().Set(&StateFields::ignoreSizeChange, false);
        Pause(false, false);
    }
    ChangeInProgress(const ChangeInProgress&) = delete;
    ChangeInProgress& operator=(const ChangeInProgress&) = delete;
};

// A window needs a usable back buffer, and its outer rectangle follows the
// client size (its top-left corner stays).
void FitWindowedSize(DeviceSettings& settings) {
    D3DPRESENT_PARAMETERS& pp = settings.presentParameters;
    if (pp.BackBufferWidth < kMinimumWindowedSize) pp.BackBufferWidth = kMinimumWindowedSize;
    if (pp.BackBufferHeight < kMinimumWindowedSize) pp.BackBufferHeight = kMinimumWindowedSize;
    RECT outer{0, 0, static_cast<LONG>(pp.BackBufferWidth), static_cast<LONG>(pp.BackBufferHeight)};
    AdjustWindowRect(&outer, State().Get(&StateFields::windowedStyle), FALSE);
    RECT* window = State().Address(&StateFields::windowedWindowRect);
    window->right = window->left + (outer.right - outer.left);
    window->bottom = window->top + (outer.bottom - outer.top);
}

bool CanReset(const DeviceSettings& old, const DeviceSettings& wanted) {
    return old.adapterOrdinal == wanted.adapterOrdinal && old.deviceType == wanted.deviceType &&
           old.behaviorFlags == wanted.behaviorFlags;
}

// The end of every successful change (steps after creation or reset).
HRESULT FinishChange(const DeviceSettings& settings) {
    FrameworkState& state = State();
    IDirect3D9* d3d = state.Get(&StateFields::direct3d);
    state.Set(&StateFields::adapterMonitor, d3d->GetAdapterMonitor(settings.adapterOrdinal));
    const D3DPRESENT_PARAMETERS& pp = settings.presentParameters;
    if (pp.Windowed) {
        PlaceWindowAfterDeviceChange();
    } else {
        state.Set(&StateFields::fullScreenClientRect,
                  RECT{0, 0, static_cast<LONG>(pp.BackBufferWidth), static_cast<LONG>(pp.BackBufferHeight)});
    }
    state.Set(&StateFields::deviceCreated, true);
    return S_OK;
}

HRESULT CreateNewDevice(DeviceSettings& settings, IDirect3DDevice9* existingDevice, bool firstDevice) {
    FrameworkState& state = State();
    IDirect3DDevice9* device = existingDevice;
    if (device != nullptr) {
        device->AddRef();
    } else {
        if (firstDevice && settings.deviceType == D3DDEVTYPE_REF && !state.Get(&StateFields::overrideForceREF)) {
            ShowError(SwitchedToReference);
        }
        IDirect3D9* d3d = state.Get(&StateFields::direct3d);
        const HRESULT hr = d3d->CreateDevice(settings.adapterOrdinal, settings.deviceType,
                                             state.Get(&StateFields::focusWindow), settings.behaviorFlags,
                                             &settings.presentParameters, &device);
        if (FAILED(hr)) {
            ShowError(CreatingDevice);
            return hr;
        }
    }
    state.Set(&StateFields::device, device);
    if (HRESULT hr = CreateEnvironment(); FAILED(hr)) {
        ShowError(hr);
        return hr;
    }
    return FinishChange(settings);
}

}  // namespace

HRESULT ChangeDevice(DeviceSettings* newSettings, IDirect3DDevice9* existingDevice, bool forceRecreate) {
    FrameworkState& state = State();
    if (state.Get(&StateFields::direct3d) == nullptr) return S_FALSE;
    if (newSettings == nullptr) return E_INVALIDARG;

    // The state owns the current settings; the old ones are freed on every
    // way out unless handed back to the state.
    std::unique_ptr<DeviceSettings> old(state.Get(&StateFields::currentSettings));
    auto* settings = new (std::nothrow) DeviceSettings(*newSettings);
    if (settings == nullptr) {
        (void)old.release();  // still the state's
        return E_OUTOFMEMORY;
    }
    state.Set(&StateFields::currentSettings, settings);

    ChangeInProgress change;
    state.SetThreadSafe((settings->behaviorFlags & D3DCREATE_MULTITHREADED) != 0);
    const bool firstDevice = existingDevice == nullptr && old == nullptr;
    if (firstDevice) ApplyOverrides(settings);
    if (settings->presentParameters.Windowed) FitWindowedSize(*settings);

    IDirect3DDevice9* current = state.Get(&StateFields::device);
    const bool otherDevice = existingDevice != nullptr && existingDevice != current;
    if (!forceRecreate && !otherDevice && old != nullptr && CanReset(*old, *settings)) {
        const HRESULT reset = ResetEnvironment();
        if (SUCCEEDED(reset)) return FinishChange(*settings);
        if (reset == D3DERR_DEVICELOST) {
            state.Set(&StateFields::deviceLost, true);  // the frame loop recovers it
            return S_OK;
        }
        if (reset == MediaNotFound || reset == ResettingDeviceObjects) {
            ShowError(reset);
            Shutdown();
            return reset;
        }
        // Anything else: make the device anew from the old settings' state.
        delete settings;
        state.Set(&StateFields::currentSettings, old.release());
        if (SUCCEEDED(ChangeDevice(newSettings, existingDevice, true))) return S_OK;
        Shutdown();
        return CreatingDevice;
    }
    if (old != nullptr) CleanupEnvironment(false);
    return CreateNewDevice(*settings, existingDevice, firstDevice);
}

}  // namespace ondrel::framework
