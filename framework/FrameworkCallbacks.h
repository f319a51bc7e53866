#pragma once
// The application's callbacks. Plain function pointers: the program has one
// set of them for its whole life, and an unset one is simply skipped.

#include "framework/DeviceSettings.h"
#include "platform/d3d9/D3D9.h"
#include "platform/win32/Windows.h"

namespace ondrel::framework {

using AcceptDeviceCallback = bool (*)(const D3DCAPS9* caps, D3DFORMAT adapterFormat,
                                      D3DFORMAT backBufferFormat, bool windowed);
// The result is not used; the settings it leaves are.
using AdjustDeviceSettingsCallback = bool (*)(DeviceSettings* settings, const D3DCAPS9* caps);
using DeviceCreatedCallback = HRESULT (*)(IDirect3DDevice9* device, const D3DSURFACE_DESC* backBuffer);
using DeviceResetCallback = HRESULT (*)(IDirect3DDevice9* device, const D3DSURFACE_DESC* backBuffer);
using DeviceLostCallback = void (*)();
using DeviceDestroyedCallback = void (*)();
using FrameMoveCallback = void (*)(IDirect3DDevice9* device, double time, float elapsedTime);
using FrameRenderCallback = void (*)(IDirect3DDevice9* device, double time, float elapsedTime);
using KeyPressedCallback = void (*)(UINT key, bool keyDown, bool altDown);
// Setting *noFurtherProcessing makes the framework return the result at once.
using WindowMessageCallback = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          bool* noFurtherProcessing);

}  // namespace ondrel::framework
