#pragma once
// The device lifecycle: creating, changing, resetting and releasing the
// device and reporting failures. Defined by the lifecycle's own files
// (DeviceLifecycle*, ShowError, ...); declared here so that the window and
// the loop can call them.

#include "framework/DeviceSettings.h"
#include "framework/FrameworkCallbacks.h"
#include "platform/d3d9/D3D9.h"

namespace ondrel::framework {

HRESULT CreateDevice(UINT adapterOrdinal, bool windowed, int suggestedWidth, int suggestedHeight,
                     AcceptDeviceCallback acceptDevice, AdjustDeviceSettingsCallback adjustDeviceSettings);
HRESULT CreateDeviceFromSettings(DeviceSettings* settings, bool preserveInput);
HRESULT ChangeDevice(DeviceSettings* newSettings, IDirect3DDevice9* existingDevice, bool forceRecreate);
// options null counts as all Ignore.
HRESULT FindValidDeviceSettings(DeviceSettings* out, const DeviceSettings* in, const MatchOptions* options);
HRESULT CreateEnvironment();
HRESULT ResetEnvironment();
void CleanupEnvironment(bool releaseSettings);
void Shutdown();
HRESULT ToggleFullScreen();
HRESULT ToggleReference();
void ShowError(HRESULT code);

}  // namespace ondrel::framework
