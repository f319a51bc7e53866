#include "tests/framework/LifecycleStandIns.h"

#include "framework/Framework.h"
#include "framework/FrameworkState.h"

namespace ondrel::testing {

std::map<std::string, int>& LifecycleCalls() {
    static std::map<std::string, int> calls;
    return calls;
}

}  // namespace ondrel::testing

namespace ondrel::framework {

using testing::LifecycleCalls;

HRESULT CreateDevice(UINT, bool, int, int, AcceptDeviceCallback, AdjustDeviceSettingsCallback) {
    ++LifecycleCalls()["CreateDevice"];
    State().Set(&StateFields::deviceCreateCalled, true);
    return E_FAIL;
}
HRESULT CreateDeviceFromSettings(DeviceSettings*, bool) { return E_FAIL; }
HRESULT ChangeDevice(DeviceSettings*, IDirect3DDevice9*, bool) {
    ++LifecycleCalls()["ChangeDevice"];
    return S_OK;
}
HRESULT FindValidDeviceSettings(DeviceSettings* out, const DeviceSettings* in, const MatchOptions*) {
    ++LifecycleCalls()["FindValidDeviceSettings"];
    *out = *in;
    return S_OK;
}
HRESULT CreateEnvironment() { return S_OK; }
HRESULT ResetEnvironment() {
    ++LifecycleCalls()["ResetEnvironment"];
    return S_OK;
}
void CleanupEnvironment(bool) {}
void Shutdown() {
    ++LifecycleCalls()["Shutdown"];
    if (HWND window = GetCurrentWindow()) SendMessageW(window, WM_CLOSE, 0, 0);
}
HRESULT ToggleFullScreen() {
    ++LifecycleCalls()["ToggleFullScreen"];
    return S_OK;
}
HRESULT ToggleReference() {
    ++LifecycleCalls()["ToggleReference"];
    return S_OK;
}
void ShowError(HRESULT code) {
    ++LifecycleCalls()["ShowError"];
    State().Set(&StateFields::exitCode, code == NoDirect3D ? 2 : 1);
}

}  // namespace ondrel::framework
