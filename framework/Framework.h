#pragma once
// The framework as the application sees it: callback registration, start-up,
// the exit code, the cursor switches and the queries. The window, loop,
// device, command line, statistics and media search have their own headers,
// all included here.

#include "framework/AppWindow.h"
#include "framework/CommandLine.h"
#include "framework/DeviceSettings.h"
#include "framework/DeviceSteps.h"
#include "framework/FrameStats.h"
#include "framework/FrameworkCallbacks.h"
#include "framework/FrameworkErrors.h"
#include "framework/LifecycleCalls.h"
#include "framework/MainLoop.h"
#include "framework/MediaSearch.h"

namespace ondrel::framework {

void SetDeviceCreatedCallback(DeviceCreatedCallback callback);
void SetDeviceResetCallback(DeviceResetCallback callback);
void SetDeviceLostCallback(DeviceLostCallback callback);
void SetDeviceDestroyedCallback(DeviceDestroyedCallback callback);
void SetFrameMoveCallback(FrameMoveCallback callback);
void SetFrameRenderCallback(FrameRenderCallback callback);
void SetKeyPressedCallback(KeyPressedCallback callback);
void SetWindowMessageCallback(WindowMessageCallback callback);

// The parts above the framework that follow the device. The program installs
// them before Init; either may stay unset (tests, small programs).
void SetResourceManager(ResourceManagerSteps* manager);
void SetSettingsDialogMaker(SettingsDialogMaker maker);

HRESULT Init(bool parseCommandLine, bool handleDefaultHotkeys, bool showMessageBoxesOnError);
int GetExitCode();
void SetCursorSettings(bool showCursorWhenFullScreen, bool clipCursorWhenFullScreen);

// Queries.
IDirect3DDevice9* GetDevice();
IDirect3D9* GetDirect3D();
// The windowed device window when the current settings are windowed, else
// the full-screen one.
HWND GetCurrentWindow();
bool IsWindowed();
D3DSURFACE_DESC GetBackBufferSurfaceDesc();
RECT GetWindowClientRect();
double GetTime();
float GetFps();
LPCWSTR GetFrameStats();
// All zero when there are none.
DeviceSettings GetDeviceSettings();
bool IsRenderingPaused();
bool IsTimePaused();
bool IsSettingsDialogShown();

}  // namespace ondrel::framework
