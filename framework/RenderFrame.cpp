// One frame: recover a lost device, advance time and statistics, let the
// application move and draw (or the settings dialog draw), present, count.

#include "framework/Framework.h"
#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

namespace {

constexpr D3DCOLOR kDialogBackground = 0x00003F3F;

void SleepWhileIdle() {
    FrameworkState& state = State();
    if (state.Get(&StateFields::deviceLost) || IsRenderingPaused()) Sleep(100);
    if (!state.Get(&StateFields::active)) Sleep(20);
}

// The desktop format changed under a windowed device: search again for
// settings on the new format and change to them.
void FollowDesktopFormat(const DeviceSettings& current, D3DFORMAT desktopFormat) {
    DeviceSettings wanted = current;
    wanted.adapterFormat = desktopFormat;
    MatchOptions options{Preserve, Preserve, Preserve, Preserve, Closest, Closest, Closest, Closest,
                         Closest,  Closest,  Closest,  Closest,  Closest, Closest, Closest};
    DeviceSettings found{};
    if (FAILED(FindValidDeviceSettings(&found, &wanted, &options))) {
        ShowError(NoCompatibleDevices);
        Shutdown();
        return;
    }
    if (FAILED(ChangeDevice(&found, nullptr, false))) Shutdown();
}

// The display format of a windowed device's adapter when it differs from
// the one the device was made for; D3DFMT_UNKNOWN otherwise.
D3DFORMAT ChangedDesktopFormat(IDirect3D9* direct3d, const DeviceSettings& current) {
    if (current.presentParameters.Windowed == FALSE) return D3DFMT_UNKNOWN;
    D3DDISPLAYMODE mode{};
    direct3d->GetAdapterDisplayMode(current.adapterOrdinal, &mode);
    return mode.Format != current.adapterFormat ? mode.Format : D3DFMT_UNKNOWN;
}

// True when the frame may go on.
bool RecoverLostDevice(IDirect3DDevice9* device) {
    FrameworkState& state = State();
    HRESULT cooperative = device->TestCooperativeLevel();
    if (FAILED(cooperative)) {
        if (cooperative == D3DERR_DEVICELOST) {
            Sleep(50);
            return false;
        }
        DeviceSettings current = GetDeviceSettings();
        IDirect3D9* direct3d = state.Get(&StateFields::direct3d);
        D3DFORMAT desktopFormat = direct3d != nullptr ? ChangedDesktopFormat(direct3d, current) : D3DFMT_UNKNOWN;
        if (desktopFormat != D3DFMT_UNKNOWN) {
            FollowDesktopFormat(current, desktopFormat);
            return false;
        }
        HRESULT reset = ResetEnvironment();
        if (FAILED(reset)) {
            if (reset == D3DERR_DEVICELOST) {
                Sleep(50);
            } else if (reset == ResettingDeviceObjects || reset == MediaNotFound) {
                ShowError(reset);
                Shutdown();
            } else {
                DeviceSettings settings = GetDeviceSettings();
                if (FAILED(ChangeDevice(&settings, nullptr, true))) Shutdown();
            }
            return false;
        }
    }
    state.Set(&StateFields::deviceLost, false);
    return true;
}

void AdvanceTime() {
    FrameworkState& state = State();
    double time = GetGlobalTimer().AbsoluteTime();
    float elapsed = static_cast<float>(GetGlobalTimer().ElapsedTime());
    if (state.Get(&StateFields::constantFrameTime)) {
        elapsed = state.Get(&StateFields::timePerFrame);
        time = state.Get(&StateFields::time) + elapsed;
    }
    state.Set(&StateFields::time, time);
    state.Set(&StateFields::elapsedTime, elapsed);
}

void DrawSettingsDialog(IDirect3DDevice9* device, SettingsDialogSteps* dialog, float elapsed) {
    if (IsRenderingPaused()) return;
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kDialogBackground, 1.0f, 0);
    if (SUCCEEDED(device->BeginScene())) {
        dialog->Draw(elapsed);
        device->EndScene();
    }
}

// False when a callback took the device away.
bool RunApplication(IDirect3DDevice9* device, double time, float elapsed) {
    FrameworkState& state = State();
    if (FrameMoveCallback frameMove = state.Get(&StateFields::frameMoveCallback)) {
        frameMove(device, time, elapsed);
        if (state.Get(&StateFields::device) == nullptr) return false;
    }
    if (IsRenderingPaused()) return true;
    if (FrameRenderCallback frameRender = state.Get(&StateFields::frameRenderCallback)) {
        frameRender(device, time, elapsed);
        if (state.Get(&StateFields::device) == nullptr) return false;
    }
    return true;
}

void PresentFrame(IDirect3DDevice9* device) {
    if (IsRenderingPaused()) return;
    HRESULT presented = device->Present(nullptr, nullptr, nullptr, nullptr);
    if (presented == D3DERR_DEVICELOST || presented == D3DERR_DRIVERINTERNALERROR) {
        State().Set(&StateFields::deviceLost, true);
    }
}

void CountFrame() {
    FrameworkState& state = State();
    int frame = state.Get(&StateFields::frameNumber) + 1;
    state.Set(&StateFields::frameNumber, frame);
    int quitAfter = state.Get(&StateFields::overrideQuitAfterFrame);
    if (quitAfter != 0 && frame > quitAfter) Shutdown();
}

}  // namespace

void RenderFrame() {
    FrameworkState& state = State();
    IDirect3DDevice9* device = state.Get(&StateFields::device);
    if (device == nullptr) return;
    SleepWhileIdle();
    if (state.Get(&StateFields::deviceLost) && !IsRenderingPaused() && !RecoverLostDevice(device)) return;
    // Recovery may have re-created the device.
    device = state.Get(&StateFields::device);
    if (device == nullptr) return;

    AdvanceTime();
    UpdateFrameStats();
    double time = state.Get(&StateFields::time);
    float elapsed = state.Get(&StateFields::elapsedTime);
    SettingsDialogSteps* dialog = state.Get(&StateFields::settingsDialog);
    if (dialog != nullptr && state.Get(&StateFields::settingsDialogShown)) {
        DrawSettingsDialog(device, dialog, elapsed);
    } else if (!RunApplication(device, time, elapsed)) {
        return;
    }
    PresentFrame(device);
    CountFrame();
}

}  // namespace ondrel::framework
