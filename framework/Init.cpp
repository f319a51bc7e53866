// Start-up: the timer resolution, the switches, the command line, the
// utility library's version and the Direct3D interface, in that order.

#include "framework/Direct3DLibrary.h"
#include "framework/Framework.h"
#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"
#include "gfxutil/GfxVersion.h"

namespace ondrel::framework {

namespace {

using TimePeriodFunction = UINT (*)(UINT);

void RequestOneMillisecondTimer(LPCWSTR systemDirectory) {
    WCHAR path[MAX_PATH + 1];
    wcscpy_s(path, MAX_PATH + 1, systemDirectory);
    wcscat_s(path, MAX_PATH + 1, u"\\winmm.dll");
    HMODULE winmm = LoadLibraryW(path);
    if (winmm == nullptr) return;
    auto beginPeriod = reinterpret_cast<TimePeriodFunction>(GetProcAddress(winmm, "timeBeginPeriod"));
    if (beginPeriod != nullptr) beginPeriod(1);
    FreeLibrary(winmm);
}

}  // namespace

HRESULT Init(bool parseCommandLine, bool handleDefaultHotkeys, bool showMessageBoxesOnError) {
    FrameworkState& state = State();
    state.Set(&StateFields::initCalled, true);

    WCHAR systemDirectory[MAX_PATH + 1];
    if (GetSystemDirectoryW(systemDirectory, MAX_PATH + 1) == 0) return E_FAIL;
    RequestOneMillisecondTimer(systemDirectory);

    state.Set(&StateFields::showMessageBoxesOnError, showMessageBoxesOnError);
    state.Set(&StateFields::handleDefaultHotkeys, handleDefaultHotkeys);
    if (parseCommandLine) ParseCommandLine();

    if (!GfxCheckVersion(D3D_SDK_VERSION, GFX_SDK_VERSION)) {
        ShowError(IncorrectVersion);
        return IncorrectVersion;
    }
    if (state.Get(&StateFields::direct3d) == nullptr) {
        state.Set(&StateFields::direct3d, LoadDirect3D(D3D_SDK_VERSION));
        if (state.Get(&StateFields::direct3d) == nullptr) {
            ShowError(NoDirect3D);
            return NoDirect3D;
        }
    }
    GetGlobalTimer().Reset();
    state.Set(&StateFields::inited, true);
    return S_OK;
}

}  // namespace ondrel::framework
