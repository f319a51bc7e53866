// Full screen and the reference device, toggled from the keys and the
// application's buttons. A toggle that cannot be made goes back to what was
// there; if even that fails the program ends.
#include "framework/Framework.h"
#include "framework/FrameworkState.h"
#include "framework/LifecycleCalls.h"
#include "framework/MainLoop.h"

namespace ondrel::framework {
namespace {

// The match options of a full-screen toggle towards the settings' mode; the
// size remembered for that mode is asked for when there is one.
MatchOptions FullScreenToggleOptions(DeviceSettings& wanted) {
    MatchOptions options{Preserve, Closest, Preserve, Ignore,  Closest, Ignore,  Ignore, Closest,
                         Closest,  Closest, Closest,  Closest, Closest, Ignore,  Ignore};
    const RECT rect = wanted.presentParameters.Windowed ? State().Get(&StateFields::windowedClientRect)
                                                        : State().Get(&StateFields::fullScreenClientRect);
    const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width > 0 && height > 0) {
        wanted.presentParameters.BackBufferWidth = static_cast<UINT>(width);
        wanted.presentParameters.BackBufferHeight = static_cast<UINT>(height);
        options.resolution = Closest;
    }
    return options;
}

HRESULT SearchAndChange(DeviceSettings wanted, const MatchOptions& options) {
    DeviceSettings found{};
    if (HRESULT hr = FindValidDeviceSettings(&found, &wanted, &options); FAILED(hr)) return hr;
    return ChangeDevice(&found, nullptr, false);
}

void FlipWindowed(DeviceSettings& settings) {
    settings.presentParameters.Windowed = settings.presentParameters.Windowed ? FALSE : TRUE;
}

void SwapHalAndRef(DeviceSettings& settings) {
    if (settings.deviceType == D3DDEVTYPE_HAL) settings.deviceType = D3DDEVTYPE_REF;
    else if (settings.deviceType == D3DDEVTYPE_REF) settings.deviceType = D3DDEVTYPE_HAL;
}

}  // namespace

HRESULT ToggleFullScreen() {
    Pause(true, true);
    DeviceSettings wanted = GetDeviceSettings();
    FlipWindowed(wanted);
    MatchOptions options = FullScreenToggleOptions(wanted);
    DeviceSettings found{};
    HRESULT first = FindValidDeviceSettings(&found, &wanted, &options);
    if (SUCCEEDED(first)) {
        first = ChangeDevice(&found, nullptr, false);
        if (FAILED(first)) {
            FlipWindowed(wanted);
            if (FAILED(SearchAndChange(wanted, FullScreenToggleOptions(wanted)))) Shutdown();
        }
    }
    Pause(false, false);
    return first;
}

HRESULT ToggleReference() {
    DeviceSettings wanted = GetDeviceSettings();
    SwapHalAndRef(wanted);
    const MatchOptions options{Preserve, Preserve, Closest, Closest, Closest, Closest, Closest, Closest,
                               Closest,  Closest,  Closest, Closest, Closest, Closest, Closest};
    DeviceSettings found{};
    if (HRESULT hr = FindValidDeviceSettings(&found, &wanted, &options); FAILED(hr)) return hr;
    const HRESULT first = ChangeDevice(&found, nullptr, false);
    if (FAILED(first)) {
        SwapHalAndRef(wanted);
        if (FAILED(SearchAndChange(wanted, options))) Shutdown();
    }
    return first;
}

}  // namespace ondrel::framework
