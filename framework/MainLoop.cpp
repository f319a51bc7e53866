// The message pump: one message per pass, a frame whenever none waits.

#include "framework/Framework.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

namespace {

HRESULT Fail(HRESULT status) {
    if (State().Get(&StateFields::exitCode) == 0) State().Set(&StateFields::exitCode, 1);
    return status;
}

HRESULT EnsureDevice() {
    FrameworkState& state = State();
    if (state.Get(&StateFields::deviceCreated)) return S_OK;
    if (state.Get(&StateFields::deviceCreateCalled)) return E_FAIL;
    return CreateDevice(0, true, 640, 480, nullptr, nullptr);
}

void Pump(HWND window, HACCEL accelerators) {
    MSG message{};
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    while (message.message != WM_QUIT) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            if (accelerators != nullptr && window != nullptr &&
                TranslateAcceleratorW(window, accelerators, &message) != 0) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        } else {
            RenderFrame();
        }
    }
}

}  // namespace

HRESULT MainLoop(HACCEL accelerators) {
    FrameworkState& state = State();
    if (state.Get(&StateFields::insideDeviceCallback) || state.Get(&StateFields::insideMainLoop)) {
        return Fail(E_FAIL);
    }
    state.Set(&StateFields::insideMainLoop, true);
    if (HRESULT status = EnsureDevice(); FAILED(status)) return Fail(status);
    HWND window = GetCurrentWindow();
    if (!state.Get(&StateFields::inited) || !state.Get(&StateFields::windowCreated) ||
        !state.Get(&StateFields::deviceCreated)) {
        return Fail(E_FAIL);
    }
    Pump(window, accelerators);
    state.Set(&StateFields::insideMainLoop, false);
    return S_OK;
}

}  // namespace ondrel::framework
