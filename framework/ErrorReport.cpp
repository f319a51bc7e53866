// ShowError: the framework's codes become an exit code and, for the listed
// ones, a message box the user must dismiss.
#include <string_view>

#include "framework/FrameworkErrors.h"
#include "framework/FrameworkState.h"
#include "framework/Framework.h"
#include "framework/LifecycleCalls.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/Windows.h"

namespace ondrel::framework {
namespace {

constexpr std::size_t kMessageLimit = 511;

struct ErrorReport {
    int exitCode;
    std::u16string_view message;  // empty: no message box
};

ErrorReport ReportFor(HRESULT code) {
    switch (code) {
        case NoDirect3D:
            return {2, u"Could not initialize Direct3D. You may want to check that the latest version of DirectX is "
                       u"correctly installed on your system.  Also make sure that this program was compiled with "
                       u"header files that match the installed DirectX DLLs."};
        case NoCompatibleDevices:
            return {3, GetSystemMetrics(SM_REMOTESESSION) != 0
                           ? u"Direct3D does not work over a remote session."
                           : u"Could not find any compatible Direct3D devices."};
        case MediaNotFound:
            return {4, u"Could not find required media. Ensure that the program is correctly installed."};
        case NonZeroRefCount:
            return {5, u"The D3D device has a non-zero reference count, meaning some objects were not released."};
        case CreatingDevice: return {6, u"Failed creating the Direct3D device."};
        case ResettingDevice: return {7, u"Failed resetting the Direct3D device."};
        case CreatingDeviceObjects: return {8, u"Failed creating Direct3D device objects."};
        case ResettingDeviceObjects: return {9, u"Failed resetting Direct3D device objects."};
        case IncorrectVersion: return {10, u"Incorrect version of Direct3D and/or its utility library."};
        case SwitchedToReference:
            return {0, u"Switching to the reference rasterizer,\n"
                       u"a software device that implements the entire\n"
                       u"Direct3D feature set, but runs very slowly."};
        default: return {1, {}};
    }
}

}  // namespace

void ShowError(HRESULT code) {
    FrameworkState& state = State();
    const ErrorReport report = ReportFor(code);
    state.Set(&StateFields::exitCode, report.exitCode);
    if (report.message.empty() || !state.Get(&StateFields::showMessageBoxesOnError)) return;

    const std::u16string text(report.message.substr(0, kMessageLimit));
    const std::u16string title = platform::FromWide(state.Address(&StateFields::windowTitle));
    const std::u16string caption = title.empty() ? u"DirectX Application" : title;
    MessageBoxW(GetCurrentWindow(), text.c_str(), caption.c_str(), MB_ICONERROR | MB_OK);
}

}  // namespace ondrel::framework
