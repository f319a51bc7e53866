#pragma once
// How the framework reaches the parts above it that follow the device: the
// GUI resource manager and the device settings dialog. Both live in higher
// layers, so the framework only knows these interfaces; the program installs
// the implementations (see Framework.h).

#include "platform/d3d9/D3D9.h"
#include "platform/win32/Windows.h"

namespace ondrel::framework {

// The four steps every owner of device objects takes part in.
class DeviceSteps {
public:
    virtual ~DeviceSteps() = default;
    virtual HRESULT OnCreateDevice(IDirect3DDevice9* device) = 0;
    virtual HRESULT OnResetDevice() = 0;
    virtual void OnLostDevice() = 0;
    virtual void OnDestroyDevice() = 0;
};

// The GUI resource manager: a failing create step answers MediaNotFound
// when its skin texture is missing.
class ResourceManagerSteps : public DeviceSteps {};

// The device settings dialog, drawn instead of the scene while shown.
class SettingsDialogSteps : public DeviceSteps {
public:
    // True when the dialog used the message.
    virtual bool MessageHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual HRESULT Draw(float elapsedTime) = 0;
    // Re-reads the current settings; run each time the dialog is shown.
    virtual void Refresh() = 0;
};

// Makes the dialog the first time it is needed; the framework keeps the
// pointer, the maker keeps ownership.
using SettingsDialogMaker = SettingsDialogSteps* (*)();

}  // namespace ondrel::framework
