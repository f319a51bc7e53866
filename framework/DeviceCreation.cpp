// The application's requests for a device: CreateDevice (the first device,
// found by searching the catalogue) and CreateDeviceFromSettings (the
// settings dialog's choice).
#include "framework/AppWindow.h"
#include "framework/DeviceCatalogue.h"
#include "framework/Framework.h"
#include "framework/FrameworkState.h"
#include "framework/LifecycleCalls.h"

namespace ondrel::framework {
namespace {

constexpr MatchOptions kAllClosest{Closest, Closest, Closest, Closest, Closest, Closest, Closest, Closest,
                                   Closest, Closest, Closest, Closest, Closest, Closest, Closest};

// The window the device renders into, made here when the application did
// not make it; a failed earlier attempt is not repeated.
HRESULT EnsureWindow() {
    FrameworkState& state = State();
    if (state.Get(&StateFields::windowCreated)) return S_OK;
    if (state.Get(&StateFields::windowCreateCalled)) return E_FAIL;
    return CreateAppWindow(u"Direct3D Window", nullptr, nullptr, nullptr, CW_USEDEFAULT, CW_USEDEFAULT);
}

// The command line's say in the first search: what it names is kept.
void ApplyCommandLineToSearch(DeviceSettings& settings, MatchOptions& options) {
    FrameworkState& state = State();
    D3DPRESENT_PARAMETERS& pp = settings.presentParameters;
    const int width = state.Get(&StateFields::overrideWidth);
    const int height = state.Get(&StateFields::overrideHeight);
    if (width != 0) pp.BackBufferWidth = static_cast<UINT>(width);
    if (height != 0) pp.BackBufferHeight = static_cast<UINT>(height);
    if (const int adapter = state.Get(&StateFields::overrideAdapterOrdinal); adapter != -1) {
        settings.adapterOrdinal = static_cast<UINT>(adapter);
    }
    if (state.Get(&StateFields::overrideFullScreen)) {
        pp.Windowed = FALSE;
        if (width == 0 && height == 0) options.resolution = Ignore;  // the desktop's size
    }
    if (state.Get(&StateFields::overrideWindowed)) pp.Windowed = TRUE;
    if (state.Get(&StateFields::overrideForceHAL)) {
        settings.deviceType = D3DDEVTYPE_HAL;
        options.deviceType = Preserve;
    }
    if (state.Get(&StateFields::overrideForceREF)) {
        settings.deviceType = D3DDEVTYPE_REF;
        options.deviceType = Preserve;
    }
    DWORD behavior = 0;
    if (state.Get(&StateFields::overrideForcePureHWVP)) {
        behavior = D3DCREATE_PUREDEVICE | D3DCREATE_HARDWARE_VERTEXPROCESSING;
    } else if (state.Get(&StateFields::overrideForceHWVP)) {
        behavior = D3DCREATE_HARDWARE_VERTEXPROCESSING;
    } else if (state.Get(&StateFields::overrideForceSWVP)) {
        behavior = D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    }
    if (behavior != 0) {
        settings.behaviorFlags = behavior;
        options.vertexProcessing = Preserve;
    }
}

HRESULT SuccessAsZero(HRESULT hr) { return FAILED(hr) ? hr : S_OK; }

}  // namespace

HRESULT CreateDevice(UINT adapterOrdinal, bool windowed, int suggestedWidth, int suggestedHeight,
                     AcceptDeviceCallback acceptDevice, AdjustDeviceSettingsCallback adjustDeviceSettings) {
    FrameworkState& state = State();
    if (state.Get(&StateFields::insideDeviceCallback)) return E_FAIL;
    state.Set(&StateFields::acceptDeviceCallback, acceptDevice);
    state.Set(&StateFields::adjustDeviceSettingsCallback, adjustDeviceSettings);
    state.Set(&StateFields::deviceCreateCalled, true);
    if (HRESULT hr = EnsureWindow(); FAILED(hr)) return hr;

    HRESULT enumerated = S_OK;
    PrepareDeviceCatalogue(true, &enumerated);
    if (FAILED(enumerated)) {
        ShowError(enumerated);
        return enumerated;
    }

    DeviceSettings settings{};
    settings.adapterOrdinal = adapterOrdinal;
    settings.presentParameters.Windowed = windowed ? TRUE : FALSE;
    settings.presentParameters.BackBufferWidth = static_cast<UINT>(suggestedWidth);
    settings.presentParameters.BackBufferHeight = static_cast<UINT>(suggestedHeight);
    MatchOptions options{};
    options.adapterOrdinal = Preserve;
    options.windowed = Preserve;
    options.resolution = Closest;
    ApplyCommandLineToSearch(settings, options);

    if (HRESULT hr = FindValidDeviceSettings(&settings, &settings, &options); FAILED(hr)) {
        ShowError(hr);
        return hr;
    }
    if (adjustDeviceSettings != nullptr) {
        D3DCAPS9 caps{};
        state.Get(&StateFields::direct3d)->GetDeviceCaps(settings.adapterOrdinal, settings.deviceType, &caps);
        adjustDeviceSettings(&settings, &caps);
    }
    return SuccessAsZero(ChangeDevice(&settings, nullptr, false));
}

HRESULT CreateDeviceFromSettings(DeviceSettings* settings, bool preserveInput) {
    if (settings == nullptr) return E_INVALIDARG;
    State().Set(&StateFields::deviceCreateCalled, true);
    if (HRESULT hr = EnsureWindow(); FAILED(hr)) return hr;
    if (!preserveInput) {
        if (HRESULT hr = FindValidDeviceSettings(settings, settings, &kAllClosest); FAILED(hr)) {
            ShowError(hr);
            return hr;
        }
    }
    return SuccessAsZero(ChangeDevice(settings, nullptr, false));
}

}  // namespace ondrel::framework
