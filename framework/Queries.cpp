// What the application and the GUI toolkit ask the framework.

#include "framework/Framework.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

IDirect3DDevice9* GetDevice() { return State().Get(&StateFields::device); }
IDirect3D9* GetDirect3D() { return State().Get(&StateFields::direct3d); }

bool IsWindowed() {
    DeviceSettings* settings = State().Get(&StateFields::currentSettings);
    return settings != nullptr && settings->presentParameters.Windowed != FALSE;
}

HWND GetCurrentWindow() {
    return IsWindowed() ? State().Get(&StateFields::deviceWindowWindowed)
                        : State().Get(&StateFields::deviceWindowFullScreen);
}

D3DSURFACE_DESC GetBackBufferSurfaceDesc() { return State().Get(&StateFields::backBufferSurfaceDesc); }
RECT GetWindowClientRect() { return State().Get(&StateFields::windowedClientRect); }
double GetTime() { return State().Get(&StateFields::time); }
float GetFps() { return State().Get(&StateFields::framesPerSecond); }
LPCWSTR GetFrameStats() { return State().Address(&StateFields::frameStats); }

DeviceSettings GetDeviceSettings() {
    DeviceSettings* settings = State().Get(&StateFields::currentSettings);
    return settings != nullptr ? *settings : DeviceSettings{};
}

bool IsRenderingPaused() { return State().Get(&StateFields::pauseRenderingCount) > 0; }
bool IsTimePaused() { return State().Get(&StateFields::pauseTimeCount) > 0; }
bool IsSettingsDialogShown() { return State().Get(&StateFields::settingsDialogShown); }

}  // namespace ondrel::framework
