// Callback registration, the installed helpers, the cursor switches and the
// exit code: each stores or reads one field under the state's lock rule.

#include "framework/Framework.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

void SetDeviceCreatedCallback(DeviceCreatedCallback callback) {
    State().Set(&StateFields::deviceCreatedCallback, callback);
}
void SetDeviceResetCallback(DeviceResetCallback callback) {
    State().Set(&StateFields::deviceResetCallback, callback);
}
void SetDeviceLostCallback(DeviceLostCallback callback) {
    State().Set(&StateFields::deviceLostCallback, callback);
}
void SetDeviceDestroyedCallback(DeviceDestroyedCallback callback) {
    State().Set(&StateFields::deviceDestroyedCallback, callback);
}
void SetFrameMoveCallback(FrameMoveCallback callback) { State().Set(&StateFields::frameMoveCallback, callback); }
void SetFrameRenderCallback(FrameRenderCallback callback) {
    State().Set(&StateFields::frameRenderCallback, callback);
}
void SetKeyPressedCallback(KeyPressedCallback callback) { State().Set(&StateFields::keyPressedCallback, callback); }
void SetWindowMessageCallback(WindowMessageCallback callback) {
    State().Set(&StateFields::windowMessageCallback, callback);
}

void SetResourceManager(ResourceManagerSteps* manager) { State().Set(&StateFields::resourceManager, manager); }
void SetSettingsDialogMaker(SettingsDialogMaker maker) { State().Set(&StateFields::settingsDialogMaker, maker); }

int GetExitCode() { return State().Get(&StateFields::exitCode); }

void SetCursorSettings(bool showCursorWhenFullScreen, bool clipCursorWhenFullScreen) {
    State().Set(&StateFields::showCursorWhenFullScreen, showCursorWhenFullScreen);
    State().Set(&StateFields::clipCursorWhenFullScreen, clipCursorWhenFullScreen);
}

}  // namespace ondrel::framework
